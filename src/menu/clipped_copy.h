#pragma once
// Copies from a picture onto a canvas, reading nothing outside the picture: what lies outside
// it is filled with a colour instead.
#include "framework/bitmap.h"
#include "framework/canvas.h"

// Paints `rect` of the target with what lies under it when the picture's top-left corner sits
// at `origin` of the target.
void CopyClipped(TCanvas& target, TBitmap& source, TPoint origin, const TRect& rect, TColor outside);
