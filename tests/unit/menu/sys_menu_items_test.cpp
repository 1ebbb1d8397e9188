#include "menu/sys_menu_items.h"

#include <gtest/gtest.h>

namespace {

TEST(SysMenuItems, WindowCommandsHaveJapaneseCaptionsAndGlyphs) {
  EXPECT_EQ(SysMenuEntry(scRestore).Caption, L"元のサイズに戻す(&R)");
  EXPECT_EQ(SysMenuEntry(scRestore).Glyph, sgRestore);
  EXPECT_EQ(SysMenuEntry(scMove).Glyph, sgNone);
  EXPECT_EQ(SysMenuEntry(scMinimize).Glyph, sgMinimize);
  EXPECT_EQ(SysMenuEntry(scMaximize).Caption, L"最大化(&X)");
  EXPECT_EQ(SysMenuEntry(scSize).Caption, L"サイズ変更(&S)");
}

TEST(SysMenuItems, OnlyCloseShowsItsShortcut) {
  EXPECT_EQ(SysMenuEntry(scClose).ShortcutText, L"Alt+F4");
  EXPECT_EQ(SysMenuEntry(scClose).Glyph, sgClose);
  EXPECT_TRUE(SysMenuEntry(scMaximize).ShortcutText.empty());
}

TEST(SysMenuItems, UnknownCommandsAreBlank) {
  const TSysMenuEntry unknown = SysMenuEntry(0x1234);
  EXPECT_TRUE(unknown.Caption.empty());
  EXPECT_EQ(unknown.Glyph, sgNone);
}

}  // namespace
