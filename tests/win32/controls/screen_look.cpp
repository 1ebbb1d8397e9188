#include "screen_look.h"

#include "support/message_pump.h"

bool SamePixels(const TWindowCapture& a, const TWindowCapture& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
  return true;
}

namespace {

bool Drawn(const TWindowCapture& capture) {
  const RECT all{0, 0, capture.Width(), capture.Height()};
  const COLORREF corner = capture.Pixel(0, 0);
  return capture.Count(all, [corner](COLORREF c) { return c != corner; }) > 0;
}

}  // namespace

TWindowCapture PaintedCapture(HWND window) {
  ::UpdateWindow(window);
  const unsigned long long deadline = NowMs() + 1000;
  for (;;) {
    TWindowCapture capture(window);
    if (Drawn(capture) || NowMs() >= deadline) return capture;
    PumpFor(20);
  }
}

bool LooksLike(HWND window, const TWindowCapture& reference, bool same) {
  return PumpUntil([&] { return SamePixels(TWindowCapture(window), reference) == same; }, 1000);
}
