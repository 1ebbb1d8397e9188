#include "menu/item_hint.h"

#include <gtest/gtest.h>

namespace {

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
