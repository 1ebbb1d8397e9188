#include "framework/popup_menu.h"

#include "framework/popup_list.h"

namespace {

bool RightButtonChose = false;
std::optional<RECT> KeyChoicePlace;
bool AltLeftAlone = false;

bool IsAltKey(const MSG& msg) {
  return msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST && msg.message != WM_CHAR &&
         msg.message != WM_SYSCHAR && (msg.wParam == VK_MENU || msg.wParam == VK_LMENU || msg.wParam == VK_RMENU);
}

// Calls `visit(window, menu)` for the open menu windows of this thread, topmost first, until it
// returns true.
template <typename F>
void ForOpenMenus(F visit) {
  const DWORD thread = ::GetCurrentThreadId();
  for (HWND window = ::FindWindowExW(nullptr, nullptr, L"#32768", nullptr); window;
       window = ::FindWindowExW(nullptr, window, L"#32768", nullptr)) {
    if (::GetWindowThreadProcessId(window, nullptr) != thread || !::IsWindowVisible(window)) continue;
    if (visit(window, reinterpret_cast<HMENU>(::SendMessageW(window, MN_GETHMENU, 0, 0)))) return;
  }
}

// The highlighted item of the innermost open menu of this thread: menu windows come
// topmost first, and the innermost one with a highlight holds the keyboard's item.
std::optional<RECT> HighlightedItemPlace() {
  std::optional<RECT> found;
  ForOpenMenus([&](HWND, HMENU menu) {
    const int count = menu ? ::GetMenuItemCount(menu) : 0;
    for (int position = 0; position < count; ++position) {
      RECT place{};
      if ((::GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION) & MF_HILITE) &&
          ::GetMenuItemRect(nullptr, menu, static_cast<UINT>(position), &place)) {
        found = place;
        return true;
      }
    }
    return false;
  });
  return found;
}

// Sees the messages of the menu's own loop: the last button released there chose the item.
LRESULT CALLBACK WatchMenuLoop(int code, WPARAM wParam, LPARAM lParam) {
  if (code == MSGF_MENU) {
    const MSG& msg = *reinterpret_cast<const MSG*>(lParam);
    if (AltLeftAlone && IsAltKey(msg)) return 1;  // the menu loop never sees it
    if (msg.message == WM_RBUTTONUP) RightButtonChose = true;
    if (msg.message == WM_LBUTTONUP || msg.message == WM_KEYDOWN) RightButtonChose = false;
    if (msg.message == WM_LBUTTONUP || msg.message == WM_RBUTTONUP) KeyChoicePlace.reset();
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_RETURN) KeyChoicePlace = HighlightedItemPlace();
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

class TMenuLoopWatch {
public:
  TMenuLoopWatch() : FHook(::SetWindowsHookExW(WH_MSGFILTER, &WatchMenuLoop, nullptr, ::GetCurrentThreadId())) {
    RightButtonChose = false;
    KeyChoicePlace.reset();
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
  if (OnPopup) OnPopup(x, y);
  const TMenuLoopWatch watch;
  FPopupPoint = {x, y};
  ::TrackPopupMenuEx(Handle(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, x, y, TPopupList::Instance().Window(),
                     nullptr);
}

bool TPopupMenu::ChosenWithRightButton() { return RightButtonChose; }

std::optional<RECT> TPopupMenu::ChosenByKeyAt() { return KeyChoicePlace; }

void TPopupMenu::SetAltLeftAlone(bool value) { AltLeftAlone = value; }

void ReopenSubmenu(HMENU submenu) {
  // The keys below go to the foreground thread: that must be this one, with its menu open.
  if (::GetWindowThreadProcessId(::GetForegroundWindow(), nullptr) != ::GetCurrentThreadId()) return;
  ForOpenMenus([&](HWND, HMENU menu) {
    if (menu != submenu) return false;
    // As the user would: Escape closes the innermost menu, Right opens the parent's highlighted
    // item again, measured afresh. The menu loop takes keys only as input, not posted.
    INPUT keys[4]{};
    const WORD strokes[4] = {VK_ESCAPE, VK_ESCAPE, VK_RIGHT, VK_RIGHT};
    for (int k = 0; k < 4; ++k) {
      keys[k].type = INPUT_KEYBOARD;
      keys[k].ki.wVk = strokes[k];
      keys[k].ki.dwFlags = k % 2 ? KEYEVENTF_KEYUP : 0;
    }
    ::SendInput(4, keys, sizeof(INPUT));
    return true;
  });
}

bool InMenuMode() {
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  return ::GetGUIThreadInfo(::GetCurrentThreadId(), &info) && (info.flags & (GUI_INMENUMODE | GUI_POPUPMENUMODE));
}
