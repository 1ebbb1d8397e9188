#include "framework/thread.h"

#include <windows.h>

#include "framework/application.h"
#include "framework/window.h"

namespace {
constexpr UINT WM_THREAD_END = WM_APP + 0x101;
}

// Receives the end messages of the workers on the user-interface thread.
class TThreadEndWindow : private TWindow {
public:
  static TThreadEndWindow& Instance() {
    static TThreadEndWindow window;
    return window;
  }
  HWND Window() const { return Handle(); }

private:
  TThreadEndWindow() {
    TWindowParams params;
    params.ClassName = L"TThreadEndWindow";
    params.Parent = HWND_MESSAGE;
    CreateHandle(params);
  }
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message != WM_THREAD_END) return TWindow::WndProc(message, wParam, lParam);
    reinterpret_cast<TThread*>(lParam)->Finished();
    return 0;
  }
};

TThread::~TThread() {
  if (FThread.joinable()) FThread.join();
}

void TThread::Start() {
  const HWND endWindow = TThreadEndWindow::Instance().Window();
  FThread = std::thread([this, endWindow] {
    Run();
    ::PostMessageW(endWindow, WM_THREAD_END, 0, reinterpret_cast<LPARAM>(this));
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
