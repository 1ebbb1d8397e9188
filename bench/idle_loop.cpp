// The baseline of the idle benchmark: a bare message loop, with a window and, when asked,
// the same 50 ms timer the gesture detector runs on. Usage: bench_idle_loop [timer-ms]
#include <windows.h>

#include <cwchar>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR arguments, int) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = ::DefWindowProcW;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = L"IdleLoop";
  ::RegisterClassW(&windowClass);
  HWND window = ::CreateWindowW(L"IdleLoop", L"IdleLoop", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, instance, nullptr);
  const unsigned interval = static_cast<unsigned>(std::wcstoul(arguments, nullptr, 10));
  if (interval > 0) ::SetTimer(window, 1, interval, nullptr);
  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) ::DispatchMessageW(&message);
  return 0;
}
