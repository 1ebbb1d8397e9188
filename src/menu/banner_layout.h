#pragma once
// The side banner's arithmetic: its height, the 256-entry gradient and the rows of each
// colour band, and where the rotated caption starts.
#include <array>
#include <span>

#include "framework/color.h"
#include "framework/geometry.h"

inline constexpr int GradientEntries = 256;
using TGradientTable = std::array<TColor, GradientEntries>;

struct TBannerEntry {
  bool Visible = true;
  bool Separator = false;
  bool NewColumn = false;  // the item starts a column
};

// The height of the first column of the top level: the sum over its visible items of
// `separatorHeight` for a separator and `rowHeight` for any other, as they are measured.
int BannerHeight(std::span<const TBannerEntry> items, int rowHeight, int separatorHeight);

// Entry 0 is `top` and entry 255 `bottom` exactly as given (system colour references stay
// references); the entries between step from the top colour's bytes towards the bottom's by
// repeated subtraction, truncated. `topRgb` and `bottomRgb` are the resolved colours.
TGradientTable BuildGradientTable(TColor top, TColor bottom, TRgb topRgb, TRgb bottomRgb);

// The rows each band fills, in painting order: later bands paint over earlier ones.
struct TBandRows {
  int Top = 0;
  int Bottom = 0;
};
std::array<TBandRows, GradientEntries> BannerBandRows(int height);

// Start of the caption that rises from near the bottom of the strip.
TPoint BannerCaptionOrigin(int bannerWidth, int fontHeight, int bannerBottom);
