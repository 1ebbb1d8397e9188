#include "framework/system_colors.h"

COLORREF ColorToRGB(TColor color, const TColorScheme* scheme) {
  if (!IsSystemColor(color)) return color & 0xFFFFFF;
  if (scheme) {
    if (const std::optional<TRgb>& own = (*scheme)[SystemColorIndex(color)]) return RGB(own->Red, own->Green, own->Blue);
  }
  return ::GetSysColor(SystemColorIndex(color));
}

TRgb ResolveRgb(TColor color) { return SplitRgb(ColorToRGB(color)); }
