#include "framework/monochrome.h"

#include <gtest/gtest.h>

namespace {

TEST(Monochrome, DarkAndSaturatedPixelsAreInk) {
  EXPECT_TRUE(IsInkPixel({0, 0, 0}));
  EXPECT_TRUE(IsInkPixel({128, 128, 128}));
  EXPECT_TRUE(IsInkPixel({191, 191, 191}));
  EXPECT_TRUE(IsInkPixel({0, 0, 255}));
  EXPECT_FALSE(IsInkPixel({192, 192, 192}));
  EXPECT_FALSE(IsInkPixel({255, 255, 0}));  // yellow is light
  EXPECT_FALSE(IsInkPixel({255, 255, 255}));
}

TEST(Monochrome, RowsArePackedHighBitFirstAndPaddedToWords) {
  // 17 pixels wide: three bytes of bits, padded to four.
  std::vector<std::uint32_t> pixels(17 * 2, 0xFFFFFF);
  pixels[0] = 0;        // row 0, x 0
  pixels[16] = 0x101010;  // row 0, x 16
  pixels[17 + 9] = 0;   // row 1, x 9
  const auto rows = MonochromeRows(pixels, 17, 2);
  ASSERT_EQ(rows.size(), 8u);
  EXPECT_EQ(rows[0], 0x80);
  EXPECT_EQ(rows[1], 0x00);
  EXPECT_EQ(rows[2], 0x80);
  EXPECT_EQ(rows[3], 0x00);
  EXPECT_EQ(rows[4 + 1], 0x40);
}

}  // namespace
