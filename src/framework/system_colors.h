#pragma once
// Colour values resolved against the system's colour table.
#include <windows.h>

#include "framework/color.h"

// The RGB value for drawing: system colour references take the current system colour.
COLORREF ColorToRGB(TColor color);
TRgb ResolveRgb(TColor color);
