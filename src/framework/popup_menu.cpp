#include "framework/popup_menu.h"

#include "framework/popup_list.h"

namespace {

bool RightButtonChose = false;

// Sees the messages of the menu's own loop: the last button released there chose the item.
LRESULT CALLBACK WatchMenuLoop(int code, WPARAM wParam, LPARAM lParam) {
  if (code == MSGF_MENU) {
    const UINT message = reinterpret_cast<const MSG*>(lParam)->message;
    if (message == WM_RBUTTONUP) RightButtonChose = true;
    if (message == WM_LBUTTONUP || message == WM_KEYDOWN) RightButtonChose = false;
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

class TMenuLoopWatch {
public:
  TMenuLoopWatch() : FHook(::SetWindowsHookExW(WH_MSGFILTER, &WatchMenuLoop, nullptr, ::GetCurrentThreadId())) {
    RightButtonChose = false;
  }
  ~TMenuLoopWatch() {
    if (FHook) ::UnhookWindowsHookEx(FHook);
  }
  TMenuLoopWatch(const TMenuLoopWatch&) = delete;
  TMenuLoopWatch& operator=(const TMenuLoopWatch&) = delete;

private:
  HHOOK FHook;
};

}  // namespace

TPopupMenu::TPopupMenu(TComponent* owner) : TComponent(owner), FItems(&Make<TMenuItem>()) {}

void TPopupMenu::Popup(int x, int y) {
  // The right button chooses too: the launcher tells a right-button choice apart.
  const TMenuLoopWatch watch;
  ::TrackPopupMenuEx(Handle(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, x, y, TPopupList::Instance().Window(),
                     nullptr);
}

bool TPopupMenu::ChosenWithRightButton() { return RightButtonChose; }

bool InMenuMode() {
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  return ::GetGUIThreadInfo(::GetCurrentThreadId(), &info) && (info.flags & (GUI_INMENUMODE | GUI_POPUPMENUMODE));
}
