#include "controls/ud_layout.h"

#include <gtest/gtest.h>

namespace {

TEST(LayoutButtonPair, SmallSizesGrowTo15AndLeaveAGapRow) {
  const TButtonPairLayout layout = LayoutButtonPair(10, 10);
  EXPECT_EQ(layout.Width, 15);
  EXPECT_EQ(layout.Height, 15);
  EXPECT_EQ(layout.Up, (TRect{0, 0, 15, 7}));
  EXPECT_EQ(layout.Down, (TRect{0, 8, 15, 15}));
}

TEST(LayoutButtonPair, EvenHeightsSplitWithoutAGap) {
  const TButtonPairLayout layout = LayoutButtonPair(17, 20);
  EXPECT_EQ(layout.Width, 17);
  EXPECT_EQ(layout.Up, (TRect{0, 0, 17, 10}));
  EXPECT_EQ(layout.Down, (TRect{0, 10, 17, 20}));
}

TEST(ButtonPairArea, KeepsInsideTheBorder) {
  EXPECT_EQ(ButtonPairArea(121, 25, true), (TRect{0, 0, 116, 20}));
  EXPECT_EQ(ButtonPairArea(121, 25, false), (TRect{0, 1, 121, 23}));
}

TEST(EditTextRect, StopsBeforeTheButtons) {
  EXPECT_EQ(EditTextRect(117, 21, 15), (TRect{0, 0, 100, 22}));
}

}  // namespace
