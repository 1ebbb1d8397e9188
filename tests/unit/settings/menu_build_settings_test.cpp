#include "settings/menu_build_settings.h"

#include <gtest/gtest.h>

namespace {

TEST(MenuBuildSettings, WithoutStoredValuesEverythingIsOnWithColumnsOf20) {
  const TMenuBuildValues values;
  const TMenuBuildSettings& settings = values;
  EXPECT_TRUE(settings.ShowIcons());
  EXPECT_TRUE(settings.SplitColumns());
  EXPECT_TRUE(settings.VerticalBars());
  EXPECT_EQ(settings.ColumnLength(), 20);
}

TEST(MenuBuildSettings, ColumnLengthStaysWithin2To100) {
  TMenuBuildValues values;
  values.SetColumnLength(0);
  EXPECT_EQ(values.ColumnLength(), 2);
  values.SetColumnLength(500);
  EXPECT_EQ(values.ColumnLength(), 100);
  values.SetColumnLength(INT32_MIN);
  EXPECT_EQ(values.ColumnLength(), 2);
  values.SetColumnLength(37);
  EXPECT_EQ(values.ColumnLength(), 37);
}

}  // namespace
