#include "framework/dpi_scale.h"

#include <gtest/gtest.h>

TEST(DpiScale, DesignSizesFollowTheScreenRoundedHalfAwayFromZero) {
  struct TCase {
    int Dpi, ItemHeight, Separator, Gap, Five, ButtonWidth, FontHeight, Icon;
  };
  // 125 %: 10 * 1.25 = 12.5 rounds up; 150 %: 15 * 1.5 = 22.5 rounds up, -12 * 1.5 = -18.
  const TCase cases[] = {
      {96, 20, 10, 2, 5, 15, -12, 16},
      {120, 25, 13, 3, 6, 19, -15, 20},
      {144, 30, 15, 3, 8, 23, -18, 24},
      {192, 40, 20, 4, 10, 30, -24, 32},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Dpi);
    EXPECT_EQ(ScaleForDpi(20, c.Dpi), c.ItemHeight);
    EXPECT_EQ(ScaleForDpi(10, c.Dpi), c.Separator);
    EXPECT_EQ(ScaleForDpi(2, c.Dpi), c.Gap);
    EXPECT_EQ(ScaleForDpi(5, c.Dpi), c.Five);
    EXPECT_EQ(ScaleForDpi(15, c.Dpi), c.ButtonWidth);
    EXPECT_EQ(ScaleForDpi(-12, c.Dpi), c.FontHeight);
    EXPECT_EQ(SmallIconSizeForDpi(c.Dpi), c.Icon);
  }
  EXPECT_EQ(ScaleForDpi(1, 143), 1);  // 1.49 rounds down
  EXPECT_EQ(ScaleForDpi(0, 192), 0);
}
