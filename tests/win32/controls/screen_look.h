#pragma once
// Comparing what a window shows on the screen, allowing for the moment the screen takes.
#include <windows.h>

#include "window_capture.h"

// Whether two captures hold the same pixels.
bool SamePixels(const TWindowCapture& a, const TWindowCapture& b);

// The window once it is on the screen, drawn in more than one colour; waits up to a second.
TWindowCapture PaintedCapture(HWND window);

// Whether the window comes to look the same as `reference` (or, with `same` false, different
// from it) within a second.
bool LooksLike(HWND window, const TWindowCapture& reference, bool same = true);
