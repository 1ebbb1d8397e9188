#include "menu/popup_cool.h"

#include <vector>

#include "framework/application.h"
#include "framework/cursor_image.h"
#include "framework/menu_item.h"
#include "framework/popup_list.h"
#include "framework/popup_menu.h"
#include "menu/item_layout.h"
#include "menu/menu_theme.h"

namespace {

constexpr wchar_t UtilWindowClass[] = L"TPUtilWindow";
constexpr UINT MenuClosedFlags = 0xFFFF;

// The hook is one per process: the styler holding it answers the utility window, and every
// live styler that shares it is counted.
std::int32_t hookCount = 0;
TPopupCool* hookHolder = nullptr;
std::vector<TPopupCool*> hookSharers;

// The process's own popup utility window among the top-level windows of that class.
HWND FindOwnUtilWindow() {
  TPopupList::Instance().Window();  // the framework makes it on first use
  DWORD applicationProcess = 0;
  ::GetWindowThreadProcessId(Application().Handle(), &applicationProcess);
  for (HWND window = ::FindWindowExW(nullptr, nullptr, UtilWindowClass, nullptr); window;
       window = ::FindWindowExW(nullptr, window, UtilWindowClass, nullptr)) {
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    if (process == applicationProcess) return window;
  }
  return nullptr;
}

TMenuItem* FindSubmenuOwner(TMenuItem& parent, HMENU submenu) {
  for (int i = 0; i < parent.Count(); ++i) {
    TMenuItem& child = *parent.Items(i);
    if (child.HandleAllocated() && child.Handle() == submenu) return &child;
    if (TMenuItem* found = FindSubmenuOwner(child, submenu)) return found;
  }
  return nullptr;
}

}  // namespace

TPopupCool::TPopupCool(TComponent* owner) : TCoolMenu(owner) { InstallHook(); }

TPopupCool::~TPopupCool() { Destroying(); }

void TPopupCool::Destroying() {
  ReleaseHook();
  TCoolMenu::Destroying();
}

std::int32_t TPopupCool::HookCount() { return hookCount; }

void TPopupCool::InstallHook() {
  if (!hookHolder) {
    HWND window = FindOwnUtilWindow();
    // No utility window: nothing is styled through it; the next styler tries again.
    if (!window) return;
    FUtilWindow = window;
    FOldWndProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HookedWndProc)));
    hookHolder = this;
  }
  hookSharers.push_back(this);
  ++hookCount;
}

void TPopupCool::ReleaseHook() {
  if (std::erase(hookSharers, this) == 0) return;
  --hookCount;
  if (hookHolder != this) return;
  if (hookSharers.empty()) {
    if (::IsWindow(FUtilWindow))
      ::SetWindowLongPtrW(FUtilWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FOldWndProc));
    hookHolder = nullptr;
  } else {
    // The window must never call into a styler that is gone: a live one takes the hook over.
    TPopupCool& successor = *hookSharers.front();
    successor.FUtilWindow = FUtilWindow;
    successor.FOldWndProc = FOldWndProc;
    hookHolder = &successor;
  }
  FUtilWindow = nullptr;
  FOldWndProc = nullptr;
}

LRESULT CALLBACK TPopupCool::HookedWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  TMessage msg{message, wParam, lParam, 0};
  if (!hookHolder) return ::DefWindowProcW(window, message, wParam, lParam);
  return hookHolder->UtilWindowProc(msg);
}

LRESULT TPopupCool::PassOn(const TMessage& message) const {
  return ::CallWindowProcW(FOldWndProc, FUtilWindow, message.Msg, message.WParam, message.LParam);
}

LRESULT TPopupCool::UtilWindowProc(TMessage& message) {
  if (message.Msg == TMenuTypeAhead::SelectCheckMessage()) {
    FTypeAhead.CheckSelectAnswer(message.WParam, message.LParam, FUtilWindow);
    return 0;
  }
  if (!Menu()) return PassOn(message);
  HMENU menu = nullptr;
  switch (message.Msg) {
    case WM_DRAWITEM: {
      const auto& request = *reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
      TCoolMenu* styler = request.CtlType == ODT_MENU ? FromItemData(request.itemData) : nullptr;
      if (!styler) return PassOn(message);
      styler->Dispatch(message);
      return message.Result;
    }
    case WM_MEASUREITEM: {
      const auto& request = *reinterpret_cast<const MEASUREITEMSTRUCT*>(message.LParam);
      TCoolMenu* styler =
          message.WParam == 0 && request.CtlType == ODT_MENU ? FromItemData(request.itemData) : nullptr;
      if (!styler) return PassOn(message);
      styler->Dispatch(message);
      return message.Result;
    }
    case WM_INITMENUPOPUP:
      FLastPopup = reinterpret_cast<HMENU>(message.WParam);
      menu = FLastPopup;
      break;
    case WM_MENUSELECT:
    case WM_MENUCHAR: menu = reinterpret_cast<HMENU>(message.LParam); break;
    case WM_ENTERIDLE:
    case WM_EXITMENULOOP: menu = FLastPopup; break;
    default: return PassOn(message);
  }
  TPopupCool* receiver = FindReceiver(menu);
  if (!receiver) return PassOn(message);
  receiver->HandleMenuMessage(message);
  return message.Result;
}

TPopupCool* TPopupCool::FindReceiver(HMENU menu) {
  // The active form first; the launcher's main window is hidden, and when the system refused
  // to bring it to the front for a popup its styler must still be found.
  TForm* const forms[] = {Application().ActiveForm(), Application().MainForm()};
  for (TForm* form : forms) {
    if (!form) continue;
    for (TComponent* component : form->Components()) {
      auto* styler = dynamic_cast<TPopupCool*>(component);
      if (styler && styler->Styles(menu)) return styler;
    }
  }
  return nullptr;
}

bool TPopupCool::Styles(HMENU menu) const {
  if (!Menu() || !menu) return false;
  return (Menu()->Items().HandleAllocated() && Menu()->Handle() == menu) || ItemWithSubmenu(menu);
}

TMenuItem* TPopupCool::ItemWithSubmenu(HMENU submenu) const {
  return Menu() && submenu ? FindSubmenuOwner(Menu()->Items(), submenu) : nullptr;
}

void TPopupCool::HandleMenuMessage(TMessage& message) {
  try {
    switch (message.Msg) {
      case WM_INITMENUPOPUP: InitMenuPopup(message); break;
      case WM_MENUSELECT: MenuSelect(message); break;
      case WM_MENUCHAR: MenuChar(message); break;
      case WM_ENTERIDLE: EnterIdle(message); break;
      case WM_EXITMENULOOP: ExitMenuLoop(message); break;
      default: break;
    }
  } catch (...) {
    Application().HandleException();
  }
}

void TPopupCool::InitMenuPopup(TMessage& message) {
  ApplyMenuBackground(reinterpret_cast<HMENU>(message.WParam));
  if (reinterpret_cast<HMENU>(message.WParam) == Menu()->Handle()) {
    const POINT at = Menu()->PopupPoint();
    SetDisplayPoint({at.x, at.y});
    AttachItems(Menu()->Items());
  }
  if (Banner().ShowBanner()) {
    Banner().UpdateBannerSize();
    Banner().PaintBanner();
  }
}

void TPopupCool::MenuSelect(TMessage& message) {
  const UINT flags = HIWORD(message.WParam);
  const UINT entry = LOWORD(message.WParam);
  HMENU menu = reinterpret_cast<HMENU>(message.LParam);
  FSelRect = {};
  if ((ShowHint() && flags == MenuClosedFlags) || (flags & MF_SEPARATOR)) {
    HideItemHint();
    return;
  }
  TMenuItem* item = nullptr;
  if (flags & MF_POPUP) {
    item = ItemWithSubmenu(::GetSubMenu(menu, static_cast<int>(entry)));
    if (item) FSelMenu = item->Parent()->Handle();
  } else {
    FSelMenu = menu;
    item = FindItem(entry);
  }
  if (!item) {
    if (ShowHint()) HideItemHint();
    return;
  }
  FSelCommand = item->Command();
  const std::wstring hint = ItemHint(*item);
  Application().SetHint(hint);
  DoMenuSelect(item, hint);
  POINT cursor{};
  ::GetCursorPos(&cursor);
  FSelRect = SelectedItemRect();
  if (!ShowHint()) return;
  if (FSelRect.Contains({cursor.x, cursor.y}) && !hint.empty()) {
    ShowItemHint(std::wstring(HintShortPart(hint)));
  } else {
    HideItemHint();
  }
}

void TPopupCool::EnterIdle(TMessage&) {
  POINT cursor{};
  ::GetCursorPos(&cursor);
  FSelRect = SelectedItemRect();
  const bool inside = FSelRect.Contains({cursor.x, cursor.y});
  if (ShowHint() && !inside) HideItemHint();
  ::SetCursor(CursorImage(inside ? Cursor() : SavedCursor()));
}

void TPopupCool::ExitMenuLoop(TMessage&) {
  FTypeAhead.Reset();
  if (ShowHint()) HideItemHint();
}

void TPopupCool::MenuChar(TMessage& message) {
  // A Unicode window gets the whole UTF-16 character in the low word.
  const auto key = static_cast<wchar_t>(LOWORD(message.WParam));
  HMENU menu = reinterpret_cast<HMENU>(message.LParam);
  TMenuItem* parent = menu == Menu()->Handle() ? &Menu()->Items() : ItemWithSubmenu(menu);
  // Typing finds items by name; a lone mnemonic character still chooses its item.
  message.Result = parent ? FTypeAhead.MenuChar(*parent, menu, key, TPopupList::Instance().Window())
                          : MAKELRESULT(0, MNC_IGNORE);
  if (!parent || !OnNothingFound || HIWORD(message.Result) != MNC_IGNORE || FTypeAhead.Typed().empty()) return;
  RECT place{};
  ForOpenMenus([&](HWND window, HMENU) {
    ::GetWindowRect(window, &place);  // the last one visited is the outermost
    return false;
  });
  // Not a second menu loop: every menu closes, and what is typed meanwhile is kept for the one
  // who takes over.
  TPopupMenu::KeepKeys();
  ::EndMenu();
  message.Result = MAKELRESULT(0, MNC_CLOSE);
  OnNothingFound(FTypeAhead.Typed(), place);
}

TRect TPopupCool::SelectedItemRect() const {
  TMenuItem* item = FSelCommand ? FindItem(FSelCommand) : nullptr;
  if (!item || !item->Parent()) return {};
  // No window given: the platform finds the window the menu is shown in.
  RECT r{};
  if (!::GetMenuItemRect(nullptr, FSelMenu, static_cast<UINT>(item->Parent()->PlatformPosition(*item)), &r))
    return {};
  return FromWinRect(r);
}
