#include "framework/hot_key_control.h"

#include <commctrl.h>

THotKeyControl::THotKeyControl(TComponent* owner) : TWinControl(owner) {
  INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_HOTKEY_CLASS};
  ::InitCommonControlsEx(&classes);
  SetBounds(0, 0, 121, 20);
}

WORD THotKeyControl::HotKey() const {
  return HandleAllocated() ? LOWORD(::SendMessageW(Handle(), HKM_GETHOTKEY, 0, 0)) : FHotKey;
}

void THotKeyControl::SetHotKey(WORD value) {
  FHotKey = value;
  if (HandleAllocated()) ::SendMessageW(Handle(), HKM_SETHOTKEY, value, 0);
}

void THotKeyControl::CreateParams(TCreateParams& params) {
  params.ClassName = HOTKEY_CLASSW;
  params.Style |= WS_TABSTOP;
  params.ExStyle |= WS_EX_CLIENTEDGE;
}

void THotKeyControl::CreateWnd() {
  TWinControl::CreateWnd();
  SetHotKey(FHotKey);
}

void THotKeyControl::DestroyWnd() {
  if (HandleAllocated()) FHotKey = HotKey();
  TWinControl::DestroyWnd();
}
