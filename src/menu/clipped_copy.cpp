#include "menu/clipped_copy.h"

#include "menu/tile_layout.h"

void CopyClipped(TCanvas& target, TBitmap& source, TPoint origin, const TRect& rect, TColor outside) {
  const TImageClip clip = ClipToImage(rect.Offset(-origin.X, -origin.Y), source.Width(), source.Height());
  if (!clip.Inside.IsEmpty()) target.CopyRect(clip.Inside.Offset(origin.X, origin.Y), source.Canvas(), clip.Inside);
  for (const TRect& piece : clip.Outside) target.FillRectWith(piece.Offset(origin.X, origin.Y), outside);
}
