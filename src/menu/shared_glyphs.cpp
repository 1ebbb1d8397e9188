#include "menu/shared_glyphs.h"

#include <memory>

#include "framework/exception.h"
#include "framework/gdi_handle.h"
#include "texts/texts.h"

namespace menu_glyphs {
namespace {

std::unique_ptr<TBitmap> check, checkMono;

struct TCheckerBrush {
  TBitmap Pattern;
  TBrushHandle Brush;
};
std::unique_ptr<TCheckerBrush> checker;

TBitmap& Loaded(std::unique_ptr<TBitmap>& glyph, const wchar_t* name) {
  if (!glyph) {
    auto loaded = std::make_unique<TBitmap>();
    loaded->LoadFromResourceName(name);
    glyph = std::move(loaded);
  }
  return *glyph;
}

}  // namespace

TBitmap& CheckGlyph() { return Loaded(check, L"CHECK"); }

TBitmap& CheckMonoGlyph() { return Loaded(checkMono, L"CHECKMONO"); }

HBRUSH CheckerBrush() {
  if (!checker) {
    auto made = std::make_unique<TCheckerBrush>();
    made->Pattern.SetSize(8, 8);
    TCanvas& canvas = made->Pattern.Canvas();
    canvas.FillRectWith({0, 0, 8, 8}, clMenu);
    for (int y = 0; y < 8; ++y) {
      for (int x = y % 2; x < 8; x += 2) canvas.FillRectWith({x, y, x + 1, y + 1}, clWhite);
    }
    made->Brush.Reset(::CreatePatternBrush(made->Pattern.Handle()));
    if (!made->Brush) throw Exception(Text(TText::NoBrush));
    checker = std::move(made);
  }
  return checker->Brush.Get();
}

void FreeAll() {
  check.reset();
  checkMono.reset();
  checker.reset();
}

void FreeCheckerBrush() { checker.reset(); }

}  // namespace menu_glyphs
