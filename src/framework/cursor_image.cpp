#include "framework/cursor_image.h"

namespace {

LPCWSTR SystemCursorName(TCursor cursor) {
  switch (cursor) {
    case crCross: return IDC_CROSS;
    case crIBeam: return IDC_IBEAM;
    case crHourGlass: return IDC_WAIT;
    case crNo: return IDC_NO;
    case crAppStart: return IDC_APPSTARTING;
    case crHelp: return IDC_HELP;
    case crHandPoint: return IDC_HAND;
    case crSizeAll: return IDC_SIZEALL;
    default: return IDC_ARROW;
  }
}

}  // namespace

HCURSOR CursorImage(TCursor cursor) { return ::LoadCursorW(nullptr, SystemCursorName(cursor)); }
