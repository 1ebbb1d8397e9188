#pragma once
// The pixels of a window's client area as they are on the screen, to check and to save.
#include <windows.h>

#include <string>

#include "framework/gdi_handle.h"

class TWindowCapture {
public:
  explicit TWindowCapture(HWND window);
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  // 0x00BBGGRR, as GDI gives colours.
  COLORREF Pixel(int x, int y) const;
  // Pixels of `rect` (client coordinates) for which `test` holds.
  template <typename Test>
  int Count(const RECT& rect, Test test) const {
    int count = 0;
    for (int y = rect.top; y < rect.bottom; ++y)
      for (int x = rect.left; x < rect.right; ++x) count += test(Pixel(x, y)) ? 1 : 0;
    return count;
  }
  // Whether `a` and `b` (same size) hold the same pixels.
  bool SameArea(const RECT& a, const RECT& b) const;
  // Saved beside the test program, in the build tree, whatever the working folder is: a test
  // run by hand from the sources leaves nothing there.
  void SavePng(const std::wstring& fileName) const;

private:
  int FWidth;
  int FHeight;
  TBitmapHandle FBitmap;
  const DWORD* FBits = nullptr;  // top-down rows of 0x00RRGGBB, owned by FBitmap
};
