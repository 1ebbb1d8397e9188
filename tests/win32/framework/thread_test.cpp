#include "framework/thread.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "support/message_pump.h"

namespace {

class TSleeper : public TThread {
public:
  explicit TSleeper(DWORD& workerThread) : FWorkerThread(workerThread) {}

protected:
  void ThreadBody() override {
    FWorkerThread = ::GetCurrentThreadId();
    ::Sleep(50);
  }

private:
  DWORD& FWorkerThread;
};

TEST(Thread, EndNotificationRunsOnTheUserInterfaceThreadAndFreesTheWorker) {
  DWORD workerThread = 0;
  DWORD notifiedOn = 0;
  auto* worker = new TSleeper(workerThread);
  worker->FreeOnTerminate = true;
  worker->OnTerminate = [&](TThread&) { notifiedOn = ::GetCurrentThreadId(); };
  worker->Start();
  ASSERT_TRUE(PumpUntil([&] { return notifiedOn != 0; }, 3000));
  EXPECT_EQ(notifiedOn, ::GetCurrentThreadId());
  EXPECT_NE(workerThread, ::GetCurrentThreadId());
}

}  // namespace
