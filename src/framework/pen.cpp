#include "framework/pen.h"

#include "framework/exception.h"
#include "framework/system_colors.h"

void TPen::SetColor(TColor color) {
  if (color == FColor) return;
  if (FHandle) {
    if (OnChanging) OnChanging();
    FHandle.Reset();
  }
  FColor = color;
}

HPEN TPen::Handle() {
  if (!FHandle) {
    FHandle.Reset(::CreatePen(PS_SOLID, 1, ColorToRGB(FColor)));
    if (!FHandle) throw Exception(L"ペンを作成できません");
  }
  return FHandle.Get();
}
