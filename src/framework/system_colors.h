#pragma once
// Colour values resolved against the system's colour table.
#include <windows.h>

#include "framework/color.h"

// The RGB value for drawing: system colour references take the scheme's colour where it has
// one, else the current system colour.
COLORREF ColorToRGB(TColor color, const TColorScheme* scheme = nullptr);
TRgb ResolveRgb(TColor color);
