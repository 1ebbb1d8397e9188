#include "framework/popup_menu.h"

#include "framework/popup_list.h"

TPopupMenu::TPopupMenu(TComponent* owner) : TComponent(owner), FItems(&Make<TMenuItem>()) {}

void TPopupMenu::Popup(int x, int y) {
  // The right button chooses too: the launcher tells a right-button choice apart.
  ::TrackPopupMenuEx(Handle(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, x, y, TPopupList::Instance().Window(),
                     nullptr);
}

bool InMenuMode() {
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  return ::GetGUIThreadInfo(::GetCurrentThreadId(), &info) && (info.flags & (GUI_INMENUMODE | GUI_POPUPMENUMODE));
}
