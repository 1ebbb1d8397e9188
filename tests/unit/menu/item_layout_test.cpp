#include "menu/item_layout.h"

#include <gtest/gtest.h>

namespace {

TEST(ItemLayout, WithoutBannerTheRowStartsAtTheItemsOwnLeftEdge) {
  // An item in the second column of a split menu: everything is relative to its own edge.
  const TItemRects r = ComputeItemRects({150, 40, 300, 60}, ItemMetricsAt(20, 16, 20, 96), false);
  EXPECT_EQ(r.Item, (TRect{150, 40, 300, 60}));
  EXPECT_EQ(r.ImageColumn, (TRect{150, 40, 170, 60}));
  EXPECT_EQ(r.TextArea, (TRect{171, 40, 300, 60}));
  EXPECT_TRUE(r.BannerStrip.IsEmpty());
}

TEST(ItemLayout, BannerItemsMakeRoomForTheStripAndItsGap) {
  const TItemRects r = ComputeItemRects({0, 40, 200, 60}, ItemMetricsAt(20, 16, 24, 96), true);
  EXPECT_EQ(r.BannerStrip, (TRect{0, 40, 24, 60}));
  EXPECT_EQ(r.Item, (TRect{24, 40, 224, 60}));
  EXPECT_EQ(r.ImageColumn, (TRect{26, 40, 46, 60}));
  EXPECT_EQ(r.TextArea, (TRect{47, 40, 200, 60}));
}

TEST(ItemLayout, PaintersFindTheSameColumnsFromThePaintedItemRectangle) {
  for (bool banner : {false, true}) {
    for (int dpi : {96, 144}) {
      const TItemMetrics m = ItemMetricsAt(22, 16, 30, dpi);
      const TItemRects r = ComputeItemRects({10, 0, 210, 20}, m, banner);
      EXPECT_EQ(ImageColumnOf(r.Item, m, banner), r.ImageColumn) << banner;
      EXPECT_EQ(CaptionRect(r.Item, m, banner).Left, r.TextArea.Left) << banner;
    }
  }
}

TEST(ItemLayout, CaptionStartsAfterImageColumnAndBanner) {
  const int h = 20, w = 20;
  const TItemMetrics m = ItemMetricsAt(h, 16, w, 96);
  EXPECT_EQ(CaptionRect(ComputeItemRects({0, 0, 200, 20}, m, false).Item, m, false).Left, h + 1);
  EXPECT_EQ(CaptionRect(ComputeItemRects({0, 0, 200, 20}, m, true).Item, m, true).Left, w + h + 3);
  // At 150 %: a 30-pixel column, a 30-pixel strip and a 3-pixel gap.
  const TItemMetrics large = ItemMetricsAt(h, 24, w, 144);
  EXPECT_EQ(CaptionRect(ComputeItemRects({0, 0, 300, 30}, large, true).Item, large, true).Left, 30 + 30 + 3 + 1);
}

TEST(ItemLayout, CaptionEndsAtAndShortcutFifteenPixelsBeforeThePlatformsItemEdge) {
  for (bool banner : {false, true}) {
    const TItemMetrics m = ItemMetricsAt(20, 16, 24, 96);
    const TRect item = ComputeItemRects({0, 0, 200, 20}, m, banner).Item;
    EXPECT_EQ(CaptionRect(item, m, banner).Right, 200) << banner;
    EXPECT_EQ(ShortcutRect(CaptionRect(item, m, banner), m).Right, 185) << banner;
  }
}

TEST(ItemLayout, ImagesAreCentredInTheirColumn) {
  EXPECT_EQ(CenteredImage({26, 40, 46, 60}, 20, 16), (TRect{28, 42, 44, 58}));
  EXPECT_EQ(CenteredImage({0, 0, 34, 34}, 34, 32), (TRect{1, 1, 33, 33}));
  // Odd room loses the odd pixel on the right and at the bottom.
  EXPECT_EQ(CenteredImage({0, 0, 19, 19}, 19, 16), (TRect{1, 1, 17, 17}));
  // A column narrower than the image truncates toward zero rather than rounding down.
  EXPECT_EQ(CenteredImage({0, 0, 15, 15}, 15, 16), (TRect{0, 0, 16, 16}));
}

TEST(ItemLayout, SeparatorLinesSitAtTheMiddleRow) {
  EXPECT_EQ(SeparatorMiddle({0, 30, 100, 40}), 35);
  EXPECT_EQ(SeparatorMiddle({0, 30, 100, 41}), 35);
}

TEST(ItemMeasure, ItemHeightHasAMinimumThatLargeImagesRaise) {
  EXPECT_FALSE(AcceptsItemHeight(17, false));
  EXPECT_TRUE(AcceptsItemHeight(18, false));
  EXPECT_FALSE(AcceptsItemHeight(33, true));
  EXPECT_TRUE(AcceptsItemHeight(34, true));
}

TEST(ItemMeasure, HeightsFollowItemHeightOrTheSystemMenuFont) {
  const TItemMetrics m = ItemMetricsAt(20, 16, 20, 96);
  EXPECT_EQ(MeasuredItemHeight(m, false, false, -12), 20);
  EXPECT_EQ(MeasuredItemHeight(m, false, false, -40), 45);  // a tall own font is not cut off
  EXPECT_EQ(MeasuredItemHeight(m, true, false, -12), 10);
  EXPECT_EQ(MeasuredItemHeight(m, false, true, -12), 17);
  EXPECT_EQ(MeasuredItemHeight(m, false, true, -13), 18);
  EXPECT_EQ(MeasuredItemHeight(m, true, true, -12), 10);
  EXPECT_EQ(MeasuredItemHeight(m, false, true, 12), 17);
  // At 150 % the 12-pixel font is 18 high: rows 30, separators 15.
  const TItemMetrics large = ItemMetricsAt(20, 24, 20, 144);
  EXPECT_EQ(MeasuredItemHeight(large, false, false, -18), 30);
  EXPECT_EQ(MeasuredItemHeight(large, true, false, -18), 15);
  EXPECT_EQ(MeasuredItemHeight(large, false, false, -27), 35);
}

TEST(ItemMeasure, MeasuredTextIsSpaceCaptionAndShortcut) {
  EXPECT_EQ(MeasuredText(L"開く(&O)", L"Ctrl+O"), L" 開く(&O)Ctrl+O");
  EXPECT_EQ(MeasuredText(L"", L""), L" ");
}

TEST(ItemMeasure, WidthAddsImageColumnMarginsAndBannerStrip) {
  const TItemMetrics m = ItemMetricsAt(20, 16, 20, 96);
  EXPECT_EQ(MeasuredItemWidth(50, m, false, 1000), 90);
  EXPECT_EQ(MeasuredItemWidth(50, m, true, 1000) - MeasuredItemWidth(50, m, false, 1000), 22);
  // A long name is cut to the limit, but the fixed parts stay.
  EXPECT_EQ(MeasuredItemWidth(5000, m, false, 960), 960);
  EXPECT_EQ(MeasuredItemWidth(5000, m, true, 30), 62);
  EXPECT_EQ(MeasuredItemWidth(50, ItemMetricsAt(20, 24, 20, 144), true, 1000), 50 + 30 + 30 + 30 + 3);
}

TEST(ItemHint, ShortPartEndsAtTheFirstBar) {
  EXPECT_EQ(HintShortPart(L"short|long|longer"), L"short");
  EXPECT_EQ(HintShortPart(L"C:\\Menu\\メモ帳.txt"), L"C:\\Menu\\メモ帳.txt");
  EXPECT_EQ(HintShortPart(L"|long"), L"");
  EXPECT_EQ(HintShortPart(L""), L"");
}

TEST(ItemHint, BoundsSitOneCaptionBelowTheCursorWithRoomForBorderAndIndent) {
  EXPECT_EQ(HintBounds({0, 0, 120, 16}, {300, 200}, 19, 96), (TRect{300, 219, 426, 237}));
  EXPECT_EQ(HintBounds({0, 0, 120, 16}, {300, 200}, 28, 144), (TRect{300, 228, 429, 247}));
}

}  // namespace
