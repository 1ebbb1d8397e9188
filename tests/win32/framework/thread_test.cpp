#include "framework/thread.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <new>

#include "support/message_pump.h"
#include "support/test_forms.h"

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

TEST(Thread, AThreadDestroyedBeforeItsEndMessageIsNotAnnounced) {
  // The second thread is made where the first one lived, as the allocator may do: the first
  // one's late end message must reach neither of them.
  alignas(TSleeper) unsigned char place[sizeof(TSleeper)];
  DWORD workerThread = 0;
  bool firstAnnounced = false;
  auto* first = new (place) TSleeper(workerThread);
  first->OnTerminate = [&](TThread&) { firstAnnounced = true; };
  first->Start();
  // Destroyed once its body has returned (a body must not outlive its object), before the
  // message loop has seen the end message.
  while (workerThread == 0) ::Sleep(1);
  ::Sleep(200);
  first->~TSleeper();

  TErrorBoxCapture errors;
  bool secondAnnounced = false;
  auto* second = new (place) TSleeper(workerThread);
  second->OnTerminate = [&](TThread&) { secondAnnounced = true; };
  PumpFor(200);
  second->~TSleeper();

  EXPECT_FALSE(firstAnnounced);
  EXPECT_FALSE(secondAnnounced);
  EXPECT_TRUE(errors.Messages.empty());
}

}  // namespace
