#pragma once
// Drawing resources shared by every styler of the process, made on first use: the check
// marks for enabled and disabled items and the 8 x 8 checker brush behind checked items.
#include <windows.h>

#include "framework/bitmap.h"
#include "framework/color.h"

namespace menu_glyphs {

inline constexpr TColor CheckTransparentColor = clPurple;

TBitmap& CheckGlyph();
TBitmap& CheckMonoGlyph();
// A pattern of the current menu colour with white where x and y are both even or both odd.
// The brush and its pattern bitmap live and go together: painters use the brush only for
// the fill they make with it.
HBRUSH CheckerBrush();

// Frees all three; the next use makes them again.
void FreeAll();
// The pattern follows the menu colour, so a settings change frees it.
void FreeCheckerBrush();

}  // namespace menu_glyphs
