#pragma once
// Colours: an RGB value in the low three bytes (red lowest), or a reference to a system colour,
// 0x80000000 plus the system's colour index, resolved when the colour is used.
#include <array>
#include <cstdint>
#include <optional>

using TColor = std::uint32_t;

inline constexpr TColor SystemColorBase = 0x80000000;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clWhite = 0xFFFFFF;

inline constexpr TColor clMenu = SystemColorBase + 4;
inline constexpr TColor clWindow = SystemColorBase + 5;
inline constexpr TColor clMenuText = SystemColorBase + 7;
inline constexpr TColor clWindowText = SystemColorBase + 8;
inline constexpr TColor clHighlight = SystemColorBase + 13;
inline constexpr TColor clHighlightText = SystemColorBase + 14;
inline constexpr TColor clBtnFace = SystemColorBase + 15;
inline constexpr TColor clBtnShadow = SystemColorBase + 16;
inline constexpr TColor clGrayText = SystemColorBase + 17;
inline constexpr TColor clBtnHighlight = SystemColorBase + 20;
inline constexpr TColor clInfoText = SystemColorBase + 23;
inline constexpr TColor clInfoBk = SystemColorBase + 24;

// The highest index of the system's colour table (the menu bar colour).
inline constexpr int MaxSystemColorIndex = 30;

struct TRgb {
  std::uint8_t Red = 0;
  std::uint8_t Green = 0;
  std::uint8_t Blue = 0;
  constexpr bool operator==(const TRgb&) const = default;
};

// RGB values that stand in for some of the system's colours on a surface with a look of its
// own; the colours it leaves empty stay the system's.
using TColorScheme = std::array<std::optional<TRgb>, MaxSystemColorIndex + 1>;

constexpr bool IsSystemColor(TColor color) {
  return color >= SystemColorBase && color <= SystemColorBase + MaxSystemColorIndex;
}
constexpr int SystemColorIndex(TColor color) { return static_cast<int>(color - SystemColorBase); }

constexpr TColor RgbColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return TColor{red} | TColor{green} << 8 | TColor{blue} << 16;
}
// The bytes of an RGB value; a system colour reference must be resolved first.
constexpr TRgb SplitRgb(TColor color) {
  return {static_cast<std::uint8_t>(color), static_cast<std::uint8_t>(color >> 8),
          static_cast<std::uint8_t>(color >> 16)};
}
