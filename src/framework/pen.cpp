#include "framework/pen.h"

#include "framework/exception.h"
#include "framework/system_colors.h"
#include "texts/texts.h"

void TPen::SetColor(TColor color) {
  if (color == FColor) return;
  Changing();
  FColor = color;
}

void TPen::SetColorScheme(const TColorScheme* scheme) {
  if (scheme == FScheme) return;
  Changing();
  FScheme = scheme;
}

void TPen::Changing() {
  if (!FHandle) return;
  if (OnChanging) OnChanging();
  FHandle.Reset();
}

HPEN TPen::Handle() {
  if (!FHandle) {
    FHandle.Reset(::CreatePen(PS_SOLID, 1, ColorToRGB(FColor, FScheme)));
    if (!FHandle) throw Exception(Text(TText::NoPen));
  }
  return FHandle.Get();
}
