#include "framework/popup_list.h"

#include "framework/menu_item.h"

TPopupList& TPopupList::Instance() {
  static TPopupList list;
  return list;
}

HWND TPopupList::Window() {
  if (!HandleAllocated()) {
    TWindowParams params;
    params.ClassName = L"TPUtilWindow";
    params.Style = WS_POPUP;
    CreateHandle(params);
  }
  return Handle();
}

LRESULT TPopupList::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && HIWORD(wParam) == 0) {
    if (TMenuItem* item = TMenuItem::FindByCommand(LOWORD(wParam))) {
      item->Click();
      return 0;
    }
  }
  return TWindow::WndProc(message, wParam, lParam);
}
