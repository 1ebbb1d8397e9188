#include "framework/font_description.h"

#include <gtest/gtest.h>

namespace {

TEST(FontDescription, SizeAndHeightFollowThePixelsPerInch) {
  TFontDescription font;
  font.SetSize(9, 96);
  EXPECT_EQ(font.Height, -12);
  EXPECT_EQ(font.Size(96), 9);
  EXPECT_EQ(font.Size(120), 7);  // the same pixels are fewer points on a finer screen
  font.SetSize(100, 96);
  EXPECT_EQ(font.Height, -133);
  font.SetSize(8, 96);
  EXPECT_EQ(font.Height, -11);  // 10.67 rounds away from zero
  font.Height = 16;               // a cell height gives a negative size
  EXPECT_EQ(font.Size(96), -12);
}

TEST(FontDescription, MulDivRoundedRoundsHalfAwayFromZeroAndReportsFailure) {
  EXPECT_EQ(MulDivRounded(3, 1, 2), 2);
  EXPECT_EQ(MulDivRounded(-3, 1, 2), -2);
  EXPECT_EQ(MulDivRounded(3, -1, 2), -2);
  EXPECT_EQ(MulDivRounded(3, 1, -2), -2);
  EXPECT_EQ(MulDivRounded(5, 1, 0), -1);
  EXPECT_EQ(MulDivRounded(INT32_MAX, 96, 72), -1);
  EXPECT_EQ(MulDivRounded(INT32_MAX, 72, 96), 1610612735);
}

}  // namespace
