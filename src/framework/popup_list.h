#pragma once
// The one hidden utility window of the process ("TPUtilWindow") that owns every popup menu:
// the platform sends it the menus' WM_COMMAND, measure, draw and menu-loop messages. A menu
// styler may take over its window procedure; commands reach the chosen item's click through
// this window's own procedure.
#include <windows.h>

#include "framework/window.h"

class TPopupList : private TWindow {
public:
  static TPopupList& Instance();
  HWND Window();

private:
  TPopupList() = default;
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
