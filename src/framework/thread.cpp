#include "framework/thread.h"

#include <windows.h>

#include <unordered_map>

#include "framework/application.h"
#include "framework/window.h"

namespace {
constexpr UINT WM_THREAD_END = WM_APP + 0x101;
}

// Receives the end messages of the workers on the user-interface thread. A message carries a
// ticket rather than the thread's address: a thread destroyed before its message arrives has
// given its ticket back, so the message finds nothing, even when another thread now lives at
// the same address.
class TThreadEndWindow : private TWindow {
public:
  static TThreadEndWindow& Instance() {
    static TThreadEndWindow window;
    return window;
  }
  HWND Window() const { return Handle(); }

  std::uint32_t Register(TThread& thread) {
    do ++FLastTicket;
    while (FLastTicket == 0 || FLive.contains(FLastTicket));
    FLive.emplace(FLastTicket, &thread);
    return FLastTicket;
  }
  void Unregister(std::uint32_t ticket) { FLive.erase(ticket); }

private:
  TThreadEndWindow() {
    TWindowParams params;
    params.ClassName = L"TThreadEndWindow";
    params.Parent = HWND_MESSAGE;
    CreateHandle(params);
  }
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message != WM_THREAD_END) return TWindow::WndProc(message, wParam, lParam);
    const auto live = FLive.find(static_cast<std::uint32_t>(wParam));
    if (live == FLive.end()) return 0;
    TThread* thread = live->second;
    FLive.erase(live);
    thread->FTicket = 0;
    thread->Finished();
    return 0;
  }

  std::unordered_map<std::uint32_t, TThread*> FLive;
  std::uint32_t FLastTicket = 0;
};

TThread::~TThread() {
  if (FThread.joinable()) FThread.join();
  if (FTicket != 0) TThreadEndWindow::Instance().Unregister(FTicket);
}

void TThread::Start() {
  TThreadEndWindow& endWindow = TThreadEndWindow::Instance();
  FTicket = endWindow.Register(*this);
  const HWND window = endWindow.Window();
  const std::uint32_t ticket = FTicket;
  FThread = std::thread([this, window, ticket] {
    Run();
    ::PostMessageW(window, WM_THREAD_END, ticket, 0);
  });
}

void TThread::Run() {
  try {
    ThreadBody();
  } catch (...) {
    FError = std::current_exception();  // shown on the user-interface thread
  }
}

void TThread::Finished() {
  FThread.join();
  try {
    if (FError) std::rethrow_exception(FError);
    if (OnTerminate) OnTerminate(*this);
  } catch (...) {
    Application().HandleException();
  }
  if (FreeOnTerminate) delete this;
}
