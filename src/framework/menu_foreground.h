#pragma once
// A popup menu closes on a click elsewhere or on Esc only while its owner window is the
// foreground window. TMenuForeground brings the owner forward for the life of a menu and then
// gives the foreground back to the window that had it, so a hidden owner never stays active.
#include <windows.h>

class TMenuForeground {
public:
  // `previous` gets the foreground back: by default the window that has it now.
  explicit TMenuForeground(HWND owner, HWND previous = ::GetForegroundWindow());
  ~TMenuForeground();
  TMenuForeground(const TMenuForeground&) = delete;
  TMenuForeground& operator=(const TMenuForeground&) = delete;

  // True while some TMenuForeground holds the foreground for `owner`: a deactivation of the
  // owner then comes from the menu's own foreground handling.
  static bool Holds(HWND owner);

private:
  HWND FOwner;
  HWND FPrevious;
  TMenuForeground* FOuter;  // scopes nest when a menu's choice opens another menu
};
