#pragma once
// Item images composed once over a plain background colour and copied from then on: drawing
// an image with its mask or alpha channel costs the platform many times a plain copy, and a
// menu draws the same few pictures over the same one or two colours thousands of times.
#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "framework/bitmap.h"
#include "framework/canvas.h"

class TComposedImages {
public:
  // Draws image `index` (`size` pixels square) at (x, y) over `backdrop`, the colour already
  // under that square. `compose` draws the image at (x, y) of the canvas it is given; it runs
  // once for each image and backdrop.
  void Draw(TCanvas& target, TPoint at, int index, int size, COLORREF backdrop,
            const std::function<void(TCanvas&, int x, int y)>& compose);
  // The images or their size changed: everything is composed afresh.
  void Clear() { FBackdrops.clear(); }

private:
  static constexpr int PageImages = 64;
  struct TPage {
    TBitmap Bitmap;  // PageImages squares in a row
    std::vector<bool> Composed = std::vector<bool>(PageImages);
  };
  // A menu shows one or two backgrounds; a few more are kept before starting over.
  static constexpr size_t MaxBackdrops = 4;

  std::map<COLORREF, std::vector<std::unique_ptr<TPage>>> FBackdrops;
  int FSize = 0;
};
