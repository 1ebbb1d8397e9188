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

void PumpFor(unsigned durationMs) {
  PumpUntil([] { return false; }, durationMs);
}
