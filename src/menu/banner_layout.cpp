#include "menu/banner_layout.h"

#include <cstdlib>

int BannerHeight(std::span<const TBannerEntry> items, int rowHeight, int separatorHeight) {
  // A strip as tall as every column together would be cut off by the window, its caption
  // with it.
  int total = 0;
  for (const TBannerEntry& item : items) {
    if (!item.Visible) continue;
    if (item.NewColumn && total > 0) break;
    total += item.Separator ? separatorHeight : rowHeight;
  }
  return total;
}

TGradientTable BuildGradientTable(TColor top, TColor bottom, TRgb topRgb, TRgb bottomRgb) {
  // Extended precision and repeated subtraction, so that the bands match the stored look.
  const long double dr = (static_cast<long double>(topRgb.Red) - bottomRgb.Red) / 255;
  const long double dg = (static_cast<long double>(topRgb.Green) - bottomRgb.Green) / 255;
  const long double db = (static_cast<long double>(topRgb.Blue) - bottomRgb.Blue) / 255;
  long double r = topRgb.Red, g = topRgb.Green, b = topRgb.Blue;
  TGradientTable table{};
  table[0] = top;
  for (int i = 1; i < GradientEntries - 1; ++i) {
    r -= dr;
    g -= dg;
    b -= db;
    table[i] = RgbColor(static_cast<std::uint8_t>(static_cast<int>(r)), static_cast<std::uint8_t>(static_cast<int>(g)),
                        static_cast<std::uint8_t>(static_cast<int>(b)));
  }
  table[GradientEntries - 1] = bottom;
  return table;
}

std::array<TBandRows, GradientEntries> BannerBandRows(int height) {
  const long double step = static_cast<long double>(height) / 255;
  const int band = static_cast<int>(step + 1);
  std::array<TBandRows, GradientEntries> rows{};
  int top = 0;
  for (int j = 0; j < GradientEntries; ++j) {
    rows[j] = {top, top + band};
    top = static_cast<int>(j * step);
  }
  return rows;
}

TPoint BannerCaptionOrigin(int bannerWidth, int fontHeight, int bannerBottom) {
  const int room = bannerWidth - std::abs(fontHeight);
  return {room >= 1 ? room / 2 : 0, bannerBottom - 5};
}
