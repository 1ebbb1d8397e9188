#include "menu/tile_cache.h"

#include "menu/tile_layout.h"

void CopyClipped(TCanvas& target, TBitmap& source, TPoint origin, const TRect& rect, TColor outside) {
  const TImageClip clip = ClipToImage(rect.Offset(-origin.X, -origin.Y), source.Width(), source.Height());
  if (!clip.Inside.IsEmpty()) target.CopyRect(clip.Inside.Offset(origin.X, origin.Y), source.Canvas(), clip.Inside);
  for (const TRect& piece : clip.Outside) target.FillRectWith(piece.Offset(origin.X, origin.Y), outside);
}

void TTileCache::Rebuild(TBitmap& source) {
  if (source.Empty() || source.Width() < 1 || source.Height() < 1) return;
  if (!FCache) {
    auto cache = std::make_unique<TBitmap>();
    cache->SetSize(TileCacheWidth, TileCacheHeight);
    FCache = std::move(cache);
  }
  TCanvas& canvas = FCache->Canvas();
  for (const TTileCopy& copy : TileCopies(source.Width(), source.Height())) {
    TCanvas& from = copy.FromSource ? source.Canvas() : canvas;
    const TRect to{copy.To.X, copy.To.Y, copy.To.X + copy.From.Width(), copy.To.Y + copy.From.Height()};
    canvas.CopyRect(to, from, copy.From);
  }
}

void TTileCache::Paint(TCanvas& target, const TRect& rect, TColor outside) {
  if (FCache) {
    CopyClipped(target, *FCache, {0, 0}, rect, outside);
  } else {
    target.FillRectWith(rect, outside);
  }
}
