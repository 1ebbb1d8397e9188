#include "menu/attach_flags.h"

#include <gtest/gtest.h>

namespace {

TEST(AttachFlags, EveryEntryBecomesOwnerDrawnWithItsStateAndBreak) {
  EXPECT_EQ(OwnerDrawFlags({}), 0x100u);
  EXPECT_EQ(OwnerDrawFlags({.Checked = true}), 0x108u);
  EXPECT_EQ(OwnerDrawFlags({.Enabled = false}), 0x103u);
  EXPECT_EQ(OwnerDrawFlags({.Default = true}), 0x1100u);
  EXPECT_EQ(OwnerDrawFlags({.RadioItem = true}), 0x300u);
  EXPECT_EQ(OwnerDrawFlags({.Separator = true}), 0x900u);
  EXPECT_EQ(OwnerDrawFlags({.Break = TColumnBreak::NewColumn}), 0x140u);
  EXPECT_EQ(OwnerDrawFlags({.Break = TColumnBreak::NewColumnWithBar}), 0x120u);
}

TEST(AttachFlags, TypeAndStateBitsAreApart) {
  const unsigned all = OwnerDrawFlags({true, false, true, true, true, TColumnBreak::NewColumn});
  EXPECT_EQ(all & AttachTypeMask, 0x100u | 0x200u | 0x800u | 0x40u);
  EXPECT_EQ(all & ~AttachTypeMask, 0x8u | 0x3u | 0x1000u);
}

}  // namespace
