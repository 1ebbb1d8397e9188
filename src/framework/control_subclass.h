#pragma once
// The window procedures in front of each control's window and in front of every window that
// parents a control: messages reach the control's WndProc, notifications sent to the parent
// about a control reach that control, and exceptions end up in the application's error box.
#include <windows.h>

class TWinControl;

class TControlSubclass {
public:
  // Puts `control` in front of `window` (and the reflector in front of its parent).
  static void Attach(TWinControl& control, HWND window);
  // Takes the control away; the window's messages go to its class alone.
  static void Detach(HWND window);
  static TWinControl* FromHandle(HWND window);

private:
  static LRESULT CALLBACK ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                      DWORD_PTR refData);
  static LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                     DWORD_PTR refData);
};
