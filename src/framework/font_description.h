#pragma once
// A font as the program keeps and stores it: what a GDI font is made from, plus the colour its
// text is drawn in. A plain value; the drawing side builds real fonts from it.
#include <cstdint>
#include <string>

#include "framework/color.h"
#include "framework/enum_set.h"

// Ordinal n is style bit 1 << n: 1 bold, 2 italic, 4 underline, 8 strike-out.
enum class TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TEnumSet<TFontStyle>;

enum class TFontPitch { fpDefault, fpVariable, fpFixed };

// The system's default character set (LOGFONT's DEFAULT_CHARSET).
constexpr std::uint8_t DefaultCharset = 1;

struct TFontDescription {
  // A new description is the Japanese user-interface font at 9 points on a 96-dpi screen.
  std::wstring Name = L"ＭＳ Ｐゴシック";
  // Negative: the character height in pixels; positive: the cell height.
  std::int32_t Height = -12;
  TFontStyles Style;
  std::uint8_t Charset = DefaultCharset;
  TFontPitch Pitch = TFontPitch::fpDefault;
  TColor Color = clWindowText;

  // The size in points on a screen of `pixelsPerInch`, and back (a size gives a negative height).
  std::int32_t Size(std::int32_t pixelsPerInch) const;
  void SetSize(std::int32_t points, std::int32_t pixelsPerInch);

  bool operator==(const TFontDescription&) const = default;
};

// Everything but the colour: what goes into a GDI font, and what a text's size depends on.
bool SameFace(const TFontDescription& a, const TFontDescription& b);

// number * numerator / denominator in 64 bits, rounded half away from zero; -1 when the
// denominator is 0 or the result leaves the 32-bit range (as the system's MulDiv).
std::int32_t MulDivRounded(std::int32_t number, std::int32_t numerator, std::int32_t denominator);
