#pragma once
// The grey embossed look of a disabled picture: its ink (dark pixels) in the highlight colour
// one pixel right and down, then in the shadow colour at the picture's own place.
#include <functional>

#include "framework/canvas.h"

// `drawImage` draws the picture at (0, 0) of the `size` x `size` canvas it is given.
void DrawEmbossed(TCanvas& target, TPoint at, int size, const std::function<void(TCanvas&)>& drawImage);
