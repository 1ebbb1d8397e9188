#include "menu/text_extents.h"

#include "framework/exception.h"
#include "menu/item_drawing.h"
#include "texts/texts.h"

TTextExtents::TTextExtents() : FContext(::CreateCompatibleDC(nullptr)) {
  if (!FContext) throw Exception(Text(TText::NoMeasuringContext));
  FCanvas.Bind(FContext.Get());
}

int TTextExtents::Width(const TFontDescription& font, const std::wstring& text) {
  if (!SameFace(FFont, font) || FWidths.empty()) {
    FWidths.clear();
    FFont = font;
    FCanvas.Font().Assign(font);
  }
  if (const auto known = FWidths.find(text); known != FWidths.end()) return known->second;
  if (FWidths.size() >= MaxTexts) FWidths.clear();
  const int width = MenuTextExtent(FCanvas, text);
  FWidths.emplace(text, width);
  return width;
}
