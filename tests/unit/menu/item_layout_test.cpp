#include "menu/item_layout.h"

#include <gtest/gtest.h>

namespace {

TEST(ItemLayout, WithoutBannerTheRowStartsAtTheItemsOwnLeftEdge) {
  // An item in the second column of a split menu: everything is relative to its own edge.
  const TItemRects r = ComputeItemRects({150, 40, 300, 60}, 20, 20, false);
  EXPECT_EQ(r.Item, (TRect{150, 40, 300, 60}));
  EXPECT_EQ(r.ImageColumn, (TRect{150, 40, 170, 60}));
  EXPECT_EQ(r.TextArea, (TRect{171, 40, 300, 60}));
  EXPECT_TRUE(r.BannerStrip.IsEmpty());
}

TEST(ItemLayout, BannerItemsMakeRoomForTheStripAndItsGap) {
  const TItemRects r = ComputeItemRects({0, 40, 200, 60}, 20, 24, true);
  EXPECT_EQ(r.BannerStrip, (TRect{0, 40, 24, 60}));
  EXPECT_EQ(r.Item, (TRect{24, 40, 224, 60}));
  EXPECT_EQ(r.ImageColumn, (TRect{26, 40, 46, 60}));
  EXPECT_EQ(r.TextArea, (TRect{47, 40, 200, 60}));
}

TEST(ItemLayout, PaintersFindTheSameColumnsFromThePaintedItemRectangle) {
  for (bool banner : {false, true}) {
    const TItemRects r = ComputeItemRects({10, 0, 210, 20}, 22, 30, banner);
    EXPECT_EQ(ImageColumnOf(r.Item, 22, banner), r.ImageColumn) << banner;
    EXPECT_EQ(CaptionRect(r.Item, 22, banner).Left, r.TextArea.Left) << banner;
  }
}

TEST(ItemLayout, CaptionStartsAfterImageColumnAndBanner) {
  const int h = 20, w = 20;
  EXPECT_EQ(CaptionRect(ComputeItemRects({0, 0, 200, 20}, h, w, false).Item, h, false).Left, h + 1);
  EXPECT_EQ(CaptionRect(ComputeItemRects({0, 0, 200, 20}, h, w, true).Item, h, true).Left, w + h + 3);
}

TEST(ItemLayout, ShortcutEndsFifteenPixelsBeforeThePlatformsItemEdge) {
  for (bool banner : {false, true}) {
    const TRect item = ComputeItemRects({0, 0, 200, 20}, 20, 24, banner).Item;
    EXPECT_EQ(ShortcutRect(CaptionRect(item, 20, banner), 24, banner).Right, 185) << banner;
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
  EXPECT_EQ(MeasuredItemHeight(20, false, false, -40), 20);  // a tall own font changes nothing
  EXPECT_EQ(MeasuredItemHeight(20, true, false, -12), 10);
  EXPECT_EQ(MeasuredItemHeight(20, false, true, -12), 17);
  EXPECT_EQ(MeasuredItemHeight(20, false, true, -13), 18);
  EXPECT_EQ(MeasuredItemHeight(20, true, true, -12), 10);
  EXPECT_EQ(MeasuredItemHeight(20, false, true, 12), 17);
}

TEST(ItemMeasure, MeasuredTextIsSpaceCaptionAndShortcut) {
  EXPECT_EQ(MeasuredText(L"開く(&O)", L"Ctrl+O"), L" 開く(&O)Ctrl+O");
  EXPECT_EQ(MeasuredText(L"", L""), L" ");
}

TEST(ItemMeasure, WidthAddsImageColumnMarginsAndBannerStrip) {
  EXPECT_EQ(MeasuredItemWidth(50, 20, false, 20), 90);
  EXPECT_EQ(MeasuredItemWidth(50, 20, true, 20) - MeasuredItemWidth(50, 20, false, 20), 22);
}

TEST(ItemHint, ShortPartEndsAtTheFirstBar) {
  EXPECT_EQ(HintShortPart(L"short|long|longer"), L"short");
  EXPECT_EQ(HintShortPart(L"C:\\Menu\\メモ帳.txt"), L"C:\\Menu\\メモ帳.txt");
  EXPECT_EQ(HintShortPart(L"|long"), L"");
  EXPECT_EQ(HintShortPart(L""), L"");
}

TEST(ItemHint, BoundsSitOneCaptionBelowTheCursorWithRoomForBorderAndIndent) {
  EXPECT_EQ(HintBounds({0, 0, 120, 16}, {300, 200}, 19), (TRect{300, 219, 426, 237}));
}

}  // namespace
