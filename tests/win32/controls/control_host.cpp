#include "control_host.h"

#include "framework/application.h"
#include "support/test_forms.h"

TControlHost::TControlHost(int width, int height) {
  TFormDesign design = TestFormDesign(L"TControlTestForm", width, height);
  design.Left = 40;
  design.Top = 40;
  FForm = MakeComponent<TForm>(design);
  FForm->Show();
  ::SetForegroundWindow(FForm->Handle());
  Application().ProcessMessages();
}

void MouseMessage(HWND window, UINT message, int x, int y, WPARAM flags) {
  ::SendMessageW(window, message, flags, MAKELPARAM(x, y));
}

void LeftDown(HWND window, int x, int y) { MouseMessage(window, WM_LBUTTONDOWN, x, y, MK_LBUTTON); }

void LeftUp(HWND window, int x, int y) { MouseMessage(window, WM_LBUTTONUP, x, y); }

void KeyDownUp(HWND window, UINT key) {
  ::SendMessageW(window, WM_KEYDOWN, key, 1);
  ::SendMessageW(window, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001));
}

void TypeChars(HWND window, const wchar_t* text) {
  for (; *text; ++text) ::SendMessageW(window, WM_CHAR, *text, 1);
}
