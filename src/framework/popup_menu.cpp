#include "framework/popup_menu.h"

#include <utility>
#include <vector>

#include "framework/dpi.h"
#include "framework/menu_placement.h"
#include "framework/popup_list.h"

namespace {

bool RightButtonChose = false;
std::optional<RECT> KeyChoicePlace;
bool AltLeftAlone = false;
std::optional<std::wstring> KeptKeys;

// While keys are kept: a key press becomes its character here, where the menu loop would
// have made it, and the character is kept instead of reaching a menu. True when `msg` was one.
bool Keep(const MSG& msg) {
  if (!KeptKeys) return false;
  if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
    ::TranslateMessage(&msg);
    return true;
  }
  if (msg.message == WM_CHAR) {
    *KeptKeys += static_cast<wchar_t>(msg.wParam);
    return true;
  }
  return msg.message == WM_KEYUP || msg.message == WM_SYSKEYUP || msg.message == WM_DEADCHAR;
}

bool IsAltKey(const MSG& msg) {
  return msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST && msg.message != WM_CHAR &&
         msg.message != WM_SYSCHAR && (msg.wParam == VK_MENU || msg.wParam == VK_LMENU || msg.wParam == VK_RMENU);
}

// The highlighted item of the innermost open menu of this thread: menu windows come
// topmost first, and the innermost one with a highlight holds the keyboard's item.
std::optional<RECT> HighlightedItemPlace() {
  std::optional<RECT> found;
  ForOpenMenus([&](HWND, HMENU menu) {
    const std::optional<int> position = menu ? HighlightedPosition(menu) : std::nullopt;
    RECT place{};
    if (!position || !::GetMenuItemRect(nullptr, menu, static_cast<UINT>(*position), &place)) return false;
    found = place;
    return true;
  });
  return found;
}

// A key for the menu loop, posted to `window`, one of its menu windows. The loop reads this
// thread's queue, where posted messages come before input; and the key dies with that menu, so
// it never reaches another window.
void PostKey(HWND window, WORD key) {
  const auto scanCode = static_cast<LPARAM>(::MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
  ::PostMessageW(window, WM_KEYDOWN, key, (scanCode << 16) | 1);
}

// Sees the messages of the menu's own loop: the last button released there chose the item.
LRESULT CALLBACK WatchMenuLoop(int code, WPARAM wParam, LPARAM lParam) {
  if (code == MSGF_MENU) {
    const MSG& msg = *reinterpret_cast<const MSG*>(lParam);
    if (Keep(msg)) return 1;
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

void ForOpenMenus(const std::function<bool(HWND window, HMENU menu)>& visit) {
  // The platform's menu windows, of every thread, come topmost first.
  const DWORD thread = ::GetCurrentThreadId();
  for (HWND window = ::FindWindowExW(nullptr, nullptr, L"#32768", nullptr); window;
       window = ::FindWindowExW(nullptr, window, L"#32768", nullptr)) {
    if (::GetWindowThreadProcessId(window, nullptr) != thread || !::IsWindowVisible(window)) continue;
    if (visit(window, reinterpret_cast<HMENU>(::SendMessageW(window, MN_GETHMENU, 0, 0)))) return;
  }
}

TPopupMenu::TPopupMenu(TComponent* owner) : TComponent(owner), FItems(&Make<TMenuItem>()) {}

void TPopupMenu::Popup(int x, int y) {
  if (OnPopup) OnPopup(x, y);
  const TMenuLoopWatch watch;
  // The point itself, not the anchor: an anchor on the work area's far edge lies outside it, on
  // the next monitor or on none, while the menu's size must come from the point's own monitor.
  FPopupPoint = {x, y};
  // The system keeps a menu within the work area where its anchor lies in it, else within the
  // monitor; an anchor on the edge of a taskbar with the menu growing away from it keeps it off
  // the taskbar either way. (TPM_WORKAREA would say so outright, but Wine's menu loop reads that
  // bit as its own "end the menu" and closes it at once; an exclude rectangle would hold one
  // taskbar of two, and Wine ignores it.)
  const TMenuPlacement place = MenuPlacementAt({x, y}, WorkAreaAt({x, y}));
  // The right button chooses too: the launcher tells a right-button choice apart.
  const UINT flags = TPM_RIGHTBUTTON | (place.RightEdgeAtAnchor ? TPM_RIGHTALIGN : TPM_LEFTALIGN) |
                     (place.BottomEdgeAtAnchor ? TPM_BOTTOMALIGN : TPM_TOPALIGN);
  ::TrackPopupMenuEx(Handle(), flags, place.Anchor.X, place.Anchor.Y, TPopupList::Instance().Window(), nullptr);
  if (OnClosed) OnClosed();
}

bool TPopupMenu::ChosenWithRightButton() { return RightButtonChose; }

std::optional<RECT> TPopupMenu::ChosenByKeyAt() { return KeyChoicePlace; }

void TPopupMenu::SetAltLeftAlone(bool value) { AltLeftAlone = value; }

void TPopupMenu::KeepKeys() { KeptKeys = std::wstring(); }

std::wstring TPopupMenu::TakeKeptKeys() {
  // Keys typed as the loop ended wait in the queue, addressed to menu windows now gone.
  MSG msg{};
  while (KeptKeys && ::PeekMessageW(&msg, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) Keep(msg);
  std::wstring kept = KeptKeys.value_or(L"");
  KeptKeys.reset();
  return kept;
}

std::optional<int> HighlightedPosition(HMENU menu) {
  const int count = ::GetMenuItemCount(menu);
  for (int position = 0; position < count; ++position) {
    if (::GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION) & MF_HILITE) return position;
  }
  return std::nullopt;
}

void ReopenSubmenu(HMENU submenu) {
  // Menus come innermost first: the submenu, then the menu its item stands in. A menu opened
  // from the submenu since holds the keyboard, and the keys would close that one instead.
  std::vector<std::pair<HWND, HMENU>> open;
  ForOpenMenus([&](HWND window, HMENU menu) {
    open.emplace_back(window, menu);
    return open.size() == 2;
  });
  if (open.size() < 2 || open[0].second != submenu) return;
  // The keys go to the parent's window: keys posted to the submenu's would die with it as
  // Escape closes it.
  const HWND parentWindow = open[1].first;
  // Not entered yet (opened by pointing, no item highlighted): Windows's loop still has the
  // parent as its current menu, where Escape would close the parent, or everything when it is
  // the top menu, so Right first moves into the submenu. Wine's loop makes a pointed submenu
  // current at once, and there Right without a highlight does nothing.
  if (!HighlightedPosition(submenu)) PostKey(parentWindow, VK_RIGHT);
  // As the user would: Escape closes the submenu, Right opens the parent's highlighted item
  // again, measured afresh.
  PostKey(parentWindow, VK_ESCAPE);
  PostKey(parentWindow, VK_RIGHT);
}

bool InMenuMode() {
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  return ::GetGUIThreadInfo(::GetCurrentThreadId(), &info) && (info.flags & (GUI_INMENUMODE | GUI_POPUPMENUMODE));
}
