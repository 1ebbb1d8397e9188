#pragma once
// Where a menu item is painted before it reaches the menu: a picture of its own that keeps our
// font and brush selected from one item to the next. Painting straight into the menu's context
// costs a font selection and a put-back per item, which under Wine is dearer than the two
// copies this takes. What lands on the menu is the same, pixel for pixel: the picture starts
// from what the menu shows there and uses the menu's coordinates.
#include <windows.h>

#include "framework/bitmap.h"
#include "framework/canvas.h"
#include "framework/geometry.h"

class TItemBuffer {
public:
  // A canvas on which `rect` of `target` is drawn in `target`'s own coordinates, holding what
  // `target` shows there. Valid until Flush.
  TCanvas& Begin(HDC target, const TRect& rect);
  // Copies the painted rectangle onto the target. Painting outside it reaches nothing.
  void Flush();

private:
  TBitmap FPicture;  // grows to the largest item seen
  HDC FTarget = nullptr;
  TRect FRect{};
};
