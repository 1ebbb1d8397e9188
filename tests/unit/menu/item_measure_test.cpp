#include "menu/item_measure.h"

#include <gtest/gtest.h>

namespace {

TEST(ItemMeasure, OnlyASingleHyphenIsASeparator) {
  EXPECT_TRUE(IsSeparatorCaption(L"-"));
  EXPECT_FALSE(IsSeparatorCaption(L"--"));
  EXPECT_FALSE(IsSeparatorCaption(L"-x"));
  EXPECT_FALSE(IsSeparatorCaption(L""));
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

}  // namespace
