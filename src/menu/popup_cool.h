#pragma once
// The menu styler as programs use it: besides styling its menu it takes over the window
// procedure of the process's popup utility window, so that the platform's measure, draw and
// menu-loop messages reach the styler while the menu is shown with the framework's popup call.
// One hook serves the whole process, however many stylers live; item clicks keep reaching the
// framework through the window's previous procedure.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "framework/geometry.h"
#include "menu/cool_menu.h"
#include "menu/menu_type_ahead.h"

class TMenuItem;

class TPopupCool : public TCoolMenu {
public:
  // The owner must be a form; the styler of that form is found while its menu is open.
  explicit TPopupCool(TComponent* owner);
  ~TPopupCool() override;
  void Destroying() override;

  // Live stylers sharing the hook.
  static std::int32_t HookCount();
  // The hooked utility window, when this styler is the one holding the hook.
  HWND UtilWindow() const { return FUtilWindow; }

  // Which items typing may land on; by default all.
  void SetFindable(std::function<bool(const TMenuItem&)> findable) { FTypeAhead.Findable = std::move(findable); }
  // Called with the text typed when no item of the open menu starts with it: the menus then
  // close, the keys typed meanwhile kept (TPopupMenu::TakeKeptKeys). `place` is the screen
  // rectangle of the outermost open menu. Unset, typing that finds nothing does nothing.
  std::function<void(const std::wstring& typed, const RECT& place)> OnNothingFound;

private:
  static LRESULT CALLBACK HookedWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void InstallHook();
  void ReleaseHook();
  LRESULT UtilWindowProc(TMessage& message);
  LRESULT PassOn(const TMessage& message) const;
  static TPopupCool* FindReceiver(HMENU menu);
  bool Styles(HMENU menu) const;
  TMenuItem* ItemWithSubmenu(HMENU submenu) const;
  void HandleMenuMessage(TMessage& message);

  void InitMenuPopup(TMessage& message);
  void MenuSelect(TMessage& message);
  void MenuChar(TMessage& message);
  void EnterIdle(TMessage& message);
  void ExitMenuLoop(TMessage& message);
  // The screen rectangle of the highlighted item, empty when it is not on the screen.
  TRect SelectedItemRect() const;

  HWND FUtilWindow = nullptr;
  WNDPROC FOldWndProc = nullptr;
  HMENU FLastPopup = nullptr;
  HMENU FSelMenu = nullptr;
  // The highlighted item by command, so that an item freed since is never touched.
  UINT FSelCommand = 0;
  TRect FSelRect;
  TMenuTypeAhead FTypeAhead;
};
