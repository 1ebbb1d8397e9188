#pragma once
// Copies a rectangle of a picture onto the same rectangle of a canvas, reading nothing outside
// the picture: what lies outside it is filled with a colour instead.
#include "framework/bitmap.h"
#include "framework/canvas.h"

void CopyClipped(TCanvas& target, TBitmap& source, const TRect& rect, TColor outside);
