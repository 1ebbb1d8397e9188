#include "framework/monochrome.h"

#include <gtest/gtest.h>

namespace {

TEST(Monochrome, PixelsNearTheBackgroundBecomeSetBits) {
  EXPECT_TRUE(IsNearColor({0, 0, 0}, {0, 0, 0}));
  EXPECT_TRUE(IsNearColor({127, 90, 12}, {0, 0, 0}));
  EXPECT_FALSE(IsNearColor({0, 0, 128}, {0, 0, 0}));
  EXPECT_TRUE(IsNearColor({200, 200, 200}, {255, 255, 255}));
}

TEST(Monochrome, RowsArePackedHighBitFirstAndPaddedToWords) {
  // 17 pixels wide: three bytes of bits, padded to four.
  std::vector<std::uint32_t> pixels(17 * 2, 0xFFFFFF);
  pixels[0] = 0;        // row 0, x 0
  pixels[16] = 0x101010;  // row 0, x 16
  pixels[17 + 9] = 0;   // row 1, x 9
  const auto rows = MonochromeRows(pixels, 17, 2, {0, 0, 0});
  ASSERT_EQ(rows.size(), 8u);
  EXPECT_EQ(rows[0], 0x80);
  EXPECT_EQ(rows[1], 0x00);
  EXPECT_EQ(rows[2], 0x80);
  EXPECT_EQ(rows[3], 0x00);
  EXPECT_EQ(rows[4 + 1], 0x40);
}

}  // namespace
