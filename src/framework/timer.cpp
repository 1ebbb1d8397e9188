#include "framework/timer.h"

namespace {
constexpr UINT_PTR TimerId = 1;
}

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
  TWindowParams params;
  params.ClassName = L"TTimerWindow";
  params.Parent = HWND_MESSAGE;
  CreateHandle(params);
  UpdateTimer();
}

TTimer::~TTimer() {
  FEnabled = false;
  UpdateTimer();
}

void TTimer::SetEnabled(bool enabled) {
  if (enabled == FEnabled) return;
  FEnabled = enabled;
  UpdateTimer();
}

void TTimer::SetInterval(unsigned milliseconds) {
  if (milliseconds == FInterval) return;
  FInterval = milliseconds;
  UpdateTimer();
}

void TTimer::UpdateTimer() {
  if (FRunning) ::KillTimer(Handle(), TimerId);
  FRunning = FEnabled && FInterval > 0 && ::SetTimer(Handle(), TimerId, FInterval, nullptr) != 0;
}

void TTimer::Timer() {
  if (OnTimer) OnTimer(this);
}

LRESULT TTimer::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER && wParam == TimerId) {
    Timer();
    return 0;
  }
  return TWindow::WndProc(message, wParam, lParam);
}
