#pragma once
// Background bitmaps are tiled once into a fixed-size cache; painting copies from it.
// Copies that reach past an image read only what lies inside it.
#include <vector>

#include "framework/geometry.h"

inline constexpr int TileCacheWidth = 400;
inline constexpr int TileCacheHeight = 600;

// The copies that fill the cache with a `width` x `height` source tiled from its top-left
// corner: the source once, then the cache's own filled part doubled across and down, so a
// tiny source costs a handful of copies. Empty when the source is empty.
struct TTileCopy {
  bool FromSource;  // else from the cache itself
  TRect From;
  TPoint To;
};
std::vector<TTileCopy> TileCopies(int width, int height);

// `rect` split into the part inside an image of the given size (possibly empty) and the
// parts outside it.
struct TImageClip {
  TRect Inside;
  std::vector<TRect> Outside;
};
TImageClip ClipToImage(const TRect& rect, int imageWidth, int imageHeight);
