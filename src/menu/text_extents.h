#pragma once
// The widths of item texts in the measuring font. A menu is measured afresh each time it
// opens, and a rebuilt menu mostly shows the same names again: each text is measured on the
// screen once, until the font changes.
#include <string>
#include <unordered_map>

#include "framework/canvas.h"
#include "framework/font_description.h"
#include "framework/gdi_handle.h"

class TTextExtents {
public:
  TTextExtents();
  // The width of `text` in `font`, ampersands taken as mnemonic prefixes.
  int Width(const TFontDescription& font, const std::wstring& text);
  // The screen's fonts may have changed.
  void Clear() { FWidths.clear(); }

private:
  // Texts of items long gone are not kept for ever.
  static constexpr size_t MaxTexts = 1 << 16;

  TFontDescription FFont;
  // A context of our own keeps the font selected between texts: selecting a font is the
  // dearest part of measuring one.
  TMemoryDC FContext;
  TCanvas FCanvas;
  std::unordered_map<std::wstring, int> FWidths;
};
