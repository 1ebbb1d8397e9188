#include "menu/clipped_copy.h"

#include "menu/tile_layout.h"

void CopyClipped(TCanvas& target, TBitmap& source, const TRect& rect, TColor outside) {
  const TImageClip clip = ClipToImage(rect, source.Width(), source.Height());
  if (!clip.Inside.IsEmpty()) target.CopyRect(clip.Inside, source.Canvas(), clip.Inside);
  for (const TRect& piece : clip.Outside) target.FillRectWith(piece, outside);
}
