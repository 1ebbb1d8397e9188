#include "support/message_pump.h"

#include <windows.h>

#include "framework/application.h"

unsigned long long NowMs() { return ::GetTickCount64(); }

bool PumpUntil(const std::function<bool()>& done, unsigned timeoutMs) {
  const unsigned long long deadline = NowMs() + timeoutMs;
  for (;;) {
    Application().ProcessMessages();
    if (done()) return true;
    if (NowMs() >= deadline) return false;
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
}

bool WaitForTrayHost(unsigned timeoutMs) {
  return PumpUntil([] { return ::FindWindowW(L"Shell_TrayWnd", nullptr) != nullptr; }, timeoutMs);
}

void PumpFor(unsigned durationMs) {
  PumpUntil([] { return false; }, durationMs);
}
