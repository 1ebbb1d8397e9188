#pragma once
// Background pictures behind items: copied without reading anything outside the picture (what
// lies outside is filled with a colour), and tiled once into a 400 x 600 cache so that painting
// an item is a single copy. The cache is anchored at the origin of the menu window's context.
#include <memory>

#include "framework/bitmap.h"
#include "framework/canvas.h"

// Paints `rect` of the target with what lies under it when the picture's top-left corner sits
// at `origin` of the target.
void CopyClipped(TCanvas& target, TBitmap& source, TPoint origin, const TRect& rect, TColor outside);

class TTileCache {
public:
  bool Exists() const { return FCache != nullptr; }
  // Tiles `source` into the cache (made on first use). An empty source leaves it as it was.
  void Rebuild(TBitmap& source);
  void Free() { FCache.reset(); }
  // Copies `rect` of the cache onto the same rectangle; beyond the cache (or without one),
  // `outside` is filled.
  void Paint(TCanvas& target, const TRect& rect, TColor outside);

private:
  std::unique_ptr<TBitmap> FCache;
};
