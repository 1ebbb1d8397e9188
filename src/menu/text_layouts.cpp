#include "menu/text_layouts.h"

#include <algorithm>

namespace {

// Formats whose single line is placed from the text's size alone.
constexpr UINT PlacedFormats = DT_LEFT | DT_CENTER | DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_EXPANDTABS |
                               DT_END_ELLIPSIS | DT_NOPREFIX;

// The platform's line buffer; a longer text is cut by it.
constexpr size_t LongestPlacedText = 1024;

// No control characters (tabs, line ends, the platform's other prefix marks) and, with
// prefixes honoured, no ampersand.
bool DrawnAsItIs(std::wstring_view text, UINT format) {
  if (text.size() > LongestPlacedText) return false;
  const bool prefixes = !(format & DT_NOPREFIX);
  return std::none_of(text.begin(), text.end(), [&](wchar_t c) { return c < L' ' || (prefixes && c == L'&'); });
}

}  // namespace

void TTextLayouts::Draw(TCanvas& canvas, const TRect& rect, std::wstring_view text, UINT format) {
  if (text.empty()) return;
  const bool placed = (format & ~PlacedFormats) == 0 && (format & DT_SINGLELINE) && (format & DT_VCENTER) &&
                      DrawnAsItIs(text, format);
  const SIZE size = placed ? SizeOf(canvas, text) : SIZE{};
  if (!placed || (size.cx > rect.Width() && (format & DT_END_ELLIPSIS))) {
    TRect platform = rect;
    canvas.TextInRect(platform, text, format);
    return;
  }
  // Centring wins over right alignment, as on the platform.
  const int x = format & DT_CENTER  ? (rect.Left + rect.Right - size.cx) / 2
                : format & DT_RIGHT ? rect.Right - size.cx
                                    : rect.Left;
  const int y = rect.Top + rect.Height() / 2 - size.cy / 2;
  canvas.TextClipped(x, y, rect, text);
}

SIZE TTextLayouts::SizeOf(TCanvas& canvas, std::wstring_view text) {
  const TFontDescription& font = canvas.Font().Description();
  auto fontSizes = std::find_if(FFonts.begin(), FFonts.end(), [&](const TFontSizes& f) { return SameFace(f.Font, font); });
  if (fontSizes == FFonts.end()) {
    if (FFonts.size() >= MaxFonts) FFonts.clear();
    fontSizes = FFonts.insert(FFonts.end(), TFontSizes{font, {}});
  }
  auto& sizes = fontSizes->Sizes;
  if (const auto known = sizes.find(text); known != sizes.end()) return known->second;
  if (sizes.size() >= MaxTexts) sizes.clear();
  const SIZE size = canvas.TextSize(text);
  sizes.emplace(text, size);
  return size;
}
