#include "support/message_pump.h"

#include <windows.h>
#include <tlhelp32.h>

#include "framework/win_handle.h"

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

namespace {

bool AConsoleProgramRuns() {
  const HANDLE taken = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (taken == INVALID_HANDLE_VALUE) return false;
  const TKernelHandle snapshot(taken);
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = ::Process32FirstW(snapshot.Get(), &entry); more; more = ::Process32NextW(snapshot.Get(), &entry)) {
    if (::lstrcmpiW(entry.szExeFile, L"cmd.exe") == 0 || ::lstrcmpiW(entry.szExeFile, L"conhost.exe") == 0) return true;
  }
  return false;
}

}  // namespace

bool WaitForConsoleProgramsToEnd(unsigned timeoutMs) {
  return PumpUntil([] { return !AConsoleProgramRuns(); }, timeoutMs);
}

void PumpFor(unsigned durationMs) {
  PumpUntil([] { return false; }, durationMs);
}
