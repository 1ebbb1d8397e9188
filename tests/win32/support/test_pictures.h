#pragma once
// Pictures for drawing tests: bitmaps to paint into and read back, and icons of known pixels.
#include <windows.h>

#include "framework/bitmap.h"
#include "framework/win_handle.h"

// The pixel at (x, y) as 0x00BBGGRR.
COLORREF PixelAt(TBitmap& bitmap, int x, int y);
// A `size` x `size` icon: a `fill` square inset by `inset` pixels, transparent around it.
TIconHandle SquareIcon(int size, COLORREF fill, int inset);
