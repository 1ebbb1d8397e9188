#include "menu/banner_layout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

TEST(BannerLayout, HeightCountsVisibleTopLevelItems) {
  const std::vector<TBannerEntry> five{{}, {}, {}, {true, true}, {}, {}};
  EXPECT_EQ(BannerHeight(five, 20, 10), 110);
  const std::vector<TBannerEntry> hidden{{}, {false, false}, {false, true}};
  EXPECT_EQ(BannerHeight(hidden, 20, 10), 20);
  EXPECT_EQ(BannerHeight({}, 20, 10), 0);
  // Measured rows at 150 %, and only the first column: the strip is as tall as the window.
  const std::vector<TBannerEntry> split{{}, {}, {true, true}, {true, false, true}, {}, {}, {}};
  EXPECT_EQ(BannerHeight(split, 30, 15), 75);
  const std::vector<TBannerEntry> hiddenBreak{{}, {false, false, true}, {}};
  EXPECT_EQ(BannerHeight(hiddenBreak, 20, 10), 40);
}

TEST(BannerLayout, DefaultGradientRunsFromRedToYellow) {
  const TGradientTable table = BuildGradientTable(clRed, clYellow, SplitRgb(clRed), SplitRgb(clYellow));
  EXPECT_EQ(table[0], clRed);
  EXPECT_EQ(table[255], clYellow);
  EXPECT_EQ(table[1], RgbColor(255, 1, 0));
  EXPECT_EQ(table[128], RgbColor(255, 128, 0));
  EXPECT_EQ(table[254], RgbColor(255, 254, 0));
}

TEST(BannerLayout, EqualColoursGiveOneColourEverywhere) {
  const TColor teal = RgbColor(0, 128, 128);
  for (TColor entry : BuildGradientTable(teal, teal, SplitRgb(teal), SplitRgb(teal))) EXPECT_EQ(entry, teal);
}

TEST(BannerLayout, SystemColoursStayReferencesAtBothEnds) {
  const TGradientTable table = BuildGradientTable(clHighlight, clMenu, {0, 0, 128}, {192, 192, 192});
  EXPECT_EQ(table[0], clHighlight);
  EXPECT_EQ(table[255], clMenu);
  EXPECT_EQ(table[1], RgbColor(0, 0, 128));  // 128.25 truncated
  EXPECT_EQ(table[254], RgbColor(191, 191, 191));
}

TEST(BannerLayout, InnerEntriesStayWithinOneStepOfTheStraightLine) {
  const TRgb top{10, 200, 31}, bottom{250, 3, 77};
  const TGradientTable table = BuildGradientTable(RgbColor(10, 200, 31), RgbColor(250, 3, 77), top, bottom);
  for (int i = 1; i < 255; ++i) {
    const TRgb c = SplitRgb(table[i]);
    const auto near = [&](double from, double to, int got) {
      const double ideal = from + (to - from) * i / 255.0;
      return std::abs(got - ideal) < 1.0 && got >= std::min(from, to) && got <= std::max(from, to);
    };
    EXPECT_TRUE(near(10, 250, c.Red)) << i;
    EXPECT_TRUE(near(200, 3, c.Green)) << i;
    EXPECT_TRUE(near(31, 77, c.Blue)) << i;
  }
}

// The colour entry each row ends up with: later bands paint over earlier ones.
std::vector<int> PaintedRows(int height) {
  std::vector<int> rows(height, -1);
  const auto bands = BannerBandRows(height);
  for (int j = 0; j < GradientEntries; ++j) {
    for (int y = bands[j].Top; y < bands[j].Bottom && y < height; ++y) rows[y] = j;
  }
  return rows;
}

TEST(BannerLayout, BandsOfAHundredRowStrip) {
  const auto bands = BannerBandRows(100);
  EXPECT_EQ(bands[0].Top, 0);
  EXPECT_EQ(bands[1].Top, 0);
  EXPECT_EQ(bands[255].Top, 99);
  EXPECT_EQ(bands[255].Bottom, 100);
  for (const TBandRows& band : bands) EXPECT_EQ(band.Bottom - band.Top, 1);
  EXPECT_EQ(PaintedRows(100).back(), 255);
}

TEST(BannerLayout, TallStripsGetWiderBandsWithNoGaps) {
  for (int height : {110, 255, 256, 510, 1000}) {
    const std::vector<int> rows = PaintedRows(height);
    for (int y = 0; y < height; ++y) ASSERT_GE(rows[y], 1) << height << " row " << y;
    EXPECT_EQ(rows.back(), 255) << height;
    for (int y = 1; y < height; ++y) ASSERT_GE(rows[y], rows[y - 1]) << height;
  }
  EXPECT_EQ(BannerBandRows(510)[2].Top, 2);
  EXPECT_EQ(BannerBandRows(510)[2].Bottom, 5);
}

TEST(BannerLayout, CaptionIsCentredAcrossTheStripWhenItFits) {
  EXPECT_EQ(BannerCaptionOrigin(20, -12, 110), (TPoint{4, 105}));
  EXPECT_EQ(BannerCaptionOrigin(20, 13, 110), (TPoint{3, 105}));
  EXPECT_EQ(BannerCaptionOrigin(20, -30, 110), (TPoint{0, 105}));
  EXPECT_EQ(BannerCaptionOrigin(20, -20, 50), (TPoint{0, 45}));
  EXPECT_EQ(BannerCaptionOrigin(20, -19, 50), (TPoint{0, 45}));
}

}  // namespace
