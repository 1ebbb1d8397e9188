#include "framework/system_colors.h"

COLORREF ColorToRGB(TColor color) {
  if (IsSystemColor(color)) return ::GetSysColor(SystemColorIndex(color));
  return color & 0xFFFFFF;
}

TRgb ResolveRgb(TColor color) { return SplitRgb(ColorToRGB(color)); }
