#pragma once
// Popup menus: a root item whose sub-items are the menu, shown at a screen point.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "framework/component.h"
#include "framework/menu_item.h"

// True while a menu of this thread is open.
bool InMenuMode();

// Calls `visit(window, menu)` for the open menu windows of this thread, innermost (topmost)
// first, until it returns true.
void ForOpenMenus(const std::function<bool(HWND window, HMENU menu)>& visit);

// The position of the highlighted item of `menu`; none when no item is.
std::optional<int> HighlightedPosition(HMENU menu);

// Closes and opens again `submenu` where it is open, so that items added or removed since show:
// the platform sizes a menu's window only as it opens it. Does nothing unless it is the innermost
// open menu.
void ReopenSubmenu(HMENU submenu);

class TPopupMenu : public TComponent {
public:
  explicit TPopupMenu(TComponent* owner);

  TMenuItem& Items() const { return *FItems; }
  HMENU Handle() const { return FItems->Handle(); }

  // Whether the control or icon it belongs to pops it up by itself on a button press.
  bool AutoPopup() const { return FAutoPopup; }
  void SetAutoPopup(bool value) { FAutoPopup = value; }

  // Shows the menu with its top-left corner at (x, y), or, with (x, y) beyond the work area (on a
  // taskbar), growing away from that edge of the work area; returns when it has closed. The
  // chosen item's click follows from the message loop.
  virtual void Popup(int x, int y);
  // Runs as Popup starts, while the menu can still be changed.
  std::function<void(int x, int y)> OnPopup;
  // Runs as Popup ends: the menu has closed, and a chosen item's click is still to come.
  std::function<void()> OnClosed;
  // The point the menu was last shown at (x, y of Popup): its monitor sets the menu's size.
  POINT PopupPoint() const { return FPopupPoint; }

  // Whether the right mouse button chose the item of the menu shown last. A menu chooses on the
  // button's release, so by the time the item's click runs the button state no longer tells.
  static bool ChosenWithRightButton();
  // Where on the screen the item stood that Enter chose in the menu shown last; none when a
  // button chose it. Taken while the menu was still open, since a closed menu has no places.
  static std::optional<RECT> ChosenByKeyAt();
  // Whether the Alt key passes by the menus shown here instead of closing them, as it otherwise
  // does: a global key combination with Alt then reaches its window with the menu still open.
  static void SetAltLeftAlone(bool value);
  // From now until TakeKeptKeys, characters typed go to nobody but are kept ("\b" for
  // Backspace): the menus are closing, and someone else takes the keyboard over from them.
  static void KeepKeys();
  // The characters kept since KeepKeys, the ones still queued included; keeping ends.
  static std::wstring TakeKeptKeys();

private:
  TMenuItem* FItems;
  bool FAutoPopup = true;
  POINT FPopupPoint{};
};
