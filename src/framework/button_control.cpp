#include "framework/button_control.h"

bool TButtonControl::ReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
    TWinControl::Click();
    result = 0;
    return true;
  }
  return TCaptionControl::ReflectedMessage(message, wParam, lParam, result);
}
