// Another program holding a hotkey: registers Ctrl+Alt+F7, signals the event named on its
// command line, and keeps the key until it is ended or ten seconds pass.
#include <windows.h>

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  if (!::RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT, VK_F7)) return 1;
  if (HANDLE ready = ::OpenEventW(EVENT_MODIFY_STATE, FALSE, argv[1])) {
    ::SetEvent(ready);
    ::CloseHandle(ready);
  }
  ::Sleep(10000);
  return 0;
}
