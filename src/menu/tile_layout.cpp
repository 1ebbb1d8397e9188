#include "menu/tile_layout.h"

std::vector<TTileCopy> TileCopies(int width, int height) {
  std::vector<TTileCopy> copies;
  if (width < 1 || height < 1) return copies;
  copies.push_back({true, {0, 0, width, height}, {0, 0}});
  int filledWidth = width;
  for (; filledWidth < TileCacheWidth; filledWidth *= 2) {
    copies.push_back({false, {0, 0, filledWidth, height}, {filledWidth, 0}});
  }
  for (int filledHeight = height; filledHeight < TileCacheHeight; filledHeight *= 2) {
    copies.push_back({false, {0, 0, filledWidth, filledHeight}, {0, filledHeight}});
  }
  return copies;
}

TImageClip ClipToImage(const TRect& rect, int imageWidth, int imageHeight) {
  TImageClip clip;
  if (rect.IsEmpty()) return clip;
  clip.Inside = Intersect(rect, {0, 0, imageWidth, imageHeight});
  if (clip.Inside.IsEmpty()) {
    clip.Outside.push_back(rect);
    return clip;
  }
  const TRect& in = clip.Inside;
  // Full-width bands above and below, then the pieces left and right of the inside part.
  const TRect pieces[] = {{rect.Left, rect.Top, rect.Right, in.Top},
                          {rect.Left, in.Bottom, rect.Right, rect.Bottom},
                          {rect.Left, in.Top, in.Left, in.Bottom},
                          {in.Right, in.Top, rect.Right, in.Bottom}};
  for (const TRect& piece : pieces) {
    if (!piece.IsEmpty()) clip.Outside.push_back(piece);
  }
  return clip;
}
