// Tells every top-level window that the app theme changed, as Windows does when the user
// switches between light and dark.
#include <windows.h>

int main() {
  DWORD_PTR result = 0;
  return ::SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"ImmersiveColorSet"),
                               SMTO_ABORTIFHUNG, 5000, &result)
             ? 0
             : 1;
}
