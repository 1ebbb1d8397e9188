#include "menu/shared_glyphs.h"

#include <memory>

namespace menu_glyphs {
namespace {

std::unique_ptr<TBitmap> check, checkMono, checker;

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

TBitmap& CheckerPattern() {
  if (!checker) {
    auto pattern = std::make_unique<TBitmap>();
    pattern->SetSize(8, 8);
    TCanvas& canvas = pattern->Canvas();
    canvas.Brush().SetColor(clMenu);
    canvas.FillRect({0, 0, 8, 8});
    for (int y = 0; y < 8; ++y) {
      for (int x = y % 2; x < 8; x += 2) canvas.FillRectWith({x, y, x + 1, y + 1}, clWhite);
    }
    checker = std::move(pattern);
  }
  return *checker;
}

void FreeAll() {
  check.reset();
  checkMono.reset();
  checker.reset();
}

void FreeCheckerPattern() { checker.reset(); }

}  // namespace menu_glyphs
