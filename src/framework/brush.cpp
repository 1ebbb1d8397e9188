#include "framework/brush.h"

#include "framework/bitmap.h"
#include "framework/exception.h"
#include "framework/system_colors.h"
#include "texts/texts.h"

void TBrush::Changing() {
  if (!FHandle) return;
  if (OnChanging) OnChanging();
  FHandle.Reset();
}

void TBrush::SetColor(TColor color) {
  if (color == FColor && FStyle == TBrushStyle::bsSolid) return;
  Changing();
  FColor = color;
  FStyle = TBrushStyle::bsSolid;
}

void TBrush::SetStyle(TBrushStyle style) {
  if (style == FStyle) return;
  Changing();
  FStyle = style;
}

void TBrush::SetBitmap(const TBitmap* bitmap) {
  if (bitmap == FBitmap) return;
  Changing();
  FBitmap = bitmap;
}

void TBrush::SetColorScheme(const TColorScheme* scheme) {
  if (scheme == FScheme) return;
  Changing();
  FScheme = scheme;
}

HBRUSH TBrush::Handle() {
  if (FBitmap || FStyle == TBrushStyle::bsSolid) {
    if (!FHandle) {
      FHandle.Reset(FBitmap ? ::CreatePatternBrush(FBitmap->Handle()) : ::CreateSolidBrush(ColorToRGB(FColor, FScheme)));
      if (!FHandle) throw Exception(Text(TText::NoBrush));
    }
    return FHandle.Get();
  }
  return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}
