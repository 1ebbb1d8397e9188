// Mouse and keyboard messages as events, and the events' default handlers.
#include "framework/win_control.h"

#include <windowsx.h>

#include <utility>

namespace {

TShiftState MouseShiftState(WPARAM flags) {
  TShiftState shift;
  if (flags & MK_SHIFT) shift.Include(TShiftStateValue::ssShift);
  if (flags & MK_CONTROL) shift.Include(TShiftStateValue::ssCtrl);
  if (flags & MK_LBUTTON) shift.Include(TShiftStateValue::ssLeft);
  if (flags & MK_RBUTTON) shift.Include(TShiftStateValue::ssRight);
  if (flags & MK_MBUTTON) shift.Include(TShiftStateValue::ssMiddle);
  if (::GetKeyState(VK_MENU) < 0) shift.Include(TShiftStateValue::ssAlt);
  return shift;
}

TShiftState KeyShiftState() {
  TShiftState shift;
  if (::GetKeyState(VK_SHIFT) < 0) shift.Include(TShiftStateValue::ssShift);
  if (::GetKeyState(VK_CONTROL) < 0) shift.Include(TShiftStateValue::ssCtrl);
  if (::GetKeyState(VK_MENU) < 0) shift.Include(TShiftStateValue::ssAlt);
  return shift;
}

}  // namespace

LRESULT TWinControl::MouseMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const int x = GET_X_LPARAM(lParam);
  const int y = GET_Y_LPARAM(lParam);
  TShiftState shift = MouseShiftState(wParam);
  const bool doubleClick = message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDBLCLK || message == WM_MBUTTONDBLCLK;
  if (doubleClick) shift.Include(TShiftStateValue::ssDouble);
  if (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK) FLeftButtonDown = true;
  // Taken before the system's handling, which may let go of the mouse and so cancel the click.
  const bool clicked = message == WM_LBUTTONUP && std::exchange(FClicked, false);
  if (message == WM_LBUTTONUP) FLeftButtonDown = false;

  const LRESULT result = DefaultHandler(message, wParam, lParam);
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      SetMouseCapture(true);
      FClicked = true;
      if (doubleClick) DblClick();
      MouseDown(TMouseButton::mbLeft, shift, x, y);
      break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      MouseDown(TMouseButton::mbRight, shift, x, y);
      break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      MouseDown(TMouseButton::mbMiddle, shift, x, y);
      break;
    case WM_MOUSEMOVE:
      MouseMove(shift, x, y);
      break;
    case WM_LBUTTONUP:
      SetMouseCapture(false);
      if (clicked && x >= 0 && y >= 0 && x < ClientWidth() && y < ClientHeight()) Click();
      MouseUp(TMouseButton::mbLeft, shift, x, y);
      break;
    case WM_RBUTTONUP:
      MouseUp(TMouseButton::mbRight, shift, x, y);
      break;
    case WM_MBUTTONUP:
      MouseUp(TMouseButton::mbMiddle, shift, x, y);
      break;
    default:
      break;
  }
  return result;
}

LRESULT TWinControl::KeyMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CHAR) {
    auto key = static_cast<wchar_t>(wParam);
    KeyPress(key);
    if (key == 0) return 0;
    return DefaultHandler(message, static_cast<WPARAM>(key), lParam);
  }
  auto key = static_cast<std::uint16_t>(wParam);
  if (message == WM_KEYDOWN)
    KeyDown(key, KeyShiftState());
  else
    KeyUp(key, KeyShiftState());
  if (key == 0) return 0;
  return DefaultHandler(message, key, lParam);
}

void TWinControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TWinControl::MouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TWinControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TWinControl::KeyDown(std::uint16_t& key, TShiftState shift) {
  if (OnKeyDown) OnKeyDown(this, key, shift);
}

void TWinControl::KeyPress(wchar_t& key) {
  if (OnKeyPress) OnKeyPress(this, key);
}

void TWinControl::KeyUp(std::uint16_t& key, TShiftState shift) {
  if (OnKeyUp) OnKeyUp(this, key, shift);
}

void TWinControl::Click() {
  if (OnClick) OnClick(this);
}

void TWinControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

void TWinControl::DoEnter() {
  if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
  if (OnExit) OnExit(this);
}
