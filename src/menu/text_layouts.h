#pragma once
// Single-line item texts placed as the platform's text drawing places them, with each text's
// size remembered per font. The platform asks for the font's metrics and measures the text on
// every call, which under 32-bit Wine costs more than drawing it; with the size known, a text
// costs one text-out call. Texts the platform would change before drawing (cut with an
// ellipsis, a mnemonic to underline, tabs to expand) are still left to it.
#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "framework/canvas.h"
#include "framework/font_description.h"

class TTextLayouts {
public:
  // Draws as canvas.TextInRect(rect, text, format) would.
  void Draw(TCanvas& canvas, const TRect& rect, std::wstring_view text, UINT format);
  // The screen's fonts may have changed.
  void Clear() { FFonts.clear(); }

private:
  // Heterogeneous look-up: a drawn text is a view, and most are found.
  struct TTextHash {
    using is_transparent = void;
    size_t operator()(std::wstring_view text) const { return std::hash<std::wstring_view>{}(text); }
  };
  struct TFontSizes {
    TFontDescription Font;
    std::unordered_map<std::wstring, SIZE, TTextHash, std::equal_to<>> Sizes;
  };

  // Texts of items long gone, and fonts of looks long gone, are not kept for ever.
  static constexpr size_t MaxTexts = 1 << 16;
  static constexpr size_t MaxFonts = 8;

  SIZE SizeOf(TCanvas& canvas, std::wstring_view text);

  std::vector<TFontSizes> FFonts;  // a look has few: active and inactive, bold and not
};
