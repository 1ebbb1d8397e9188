#include <gtest/gtest.h>

#include "framework/system_colors.h"
#include "menu/mnemonic.h"
#include "menu/sys_menu.h"
#include "styler_fixture.h"
#include "support/test_pictures.h"

namespace {

class SysMenuTest : public StylerFixture {
protected:
  TSysMenu& sys() { return styler.SysMenu(); }
  HMENU SystemMenu() { return ::GetSystemMenu(form->Handle(), FALSE); }
  int OwnerDrawnEntries() {
    int count = 0;
    for (int i = 0; i < ::GetMenuItemCount(SystemMenu()); ++i) {
      MENUITEMINFOW info{};
      info.cbSize = sizeof(info);
      info.fMask = MIIM_FTYPE | MIIM_DATA;
      ::GetMenuItemInfoW(SystemMenu(), i, TRUE, &info);
      if ((info.fType & MFT_OWNERDRAW) && TCoolMenu::FromItemData(info.dwItemData) == &styler) ++count;
    }
    return count;
  }
};

TEST_F(SysMenuTest, ItemHeightHasAMinimum) {
  sys().SetItemHeight(17);
  EXPECT_EQ(sys().ItemHeight(), 20);
  sys().SetItemHeight(18);
  EXPECT_EQ(sys().ItemHeight(), 18);
}

TEST_F(SysMenuTest, DrawingMakesEveryEntryOwnerDrawn) {
  ASSERT_GT(::GetMenuItemCount(SystemMenu()), 3);
  sys().ApplyDrawing();
  EXPECT_EQ(OwnerDrawnEntries(), 0);
  EXPECT_EQ(sys().SysMenuHandle(), SystemMenu());
  sys().SetDrawing(true);
  EXPECT_EQ(OwnerDrawnEntries(), ::GetMenuItemCount(SystemMenu()));  // separators included
  int separators = 0;
  for (int i = 0; i < ::GetMenuItemCount(SystemMenu()); ++i) {
    if (::GetMenuState(SystemMenu(), static_cast<UINT>(i), MF_BYPOSITION) & MF_SEPARATOR) ++separators;
  }
  EXPECT_GT(separators, 0) << "separators stay separators";
  EXPECT_EQ(Measure(0).itemHeight, 10u);  // a separator, which has no command of its own
  EXPECT_EQ(Measure(SC_CLOSE).itemHeight, 20u);
  sys().SetDrawing(false);
  EXPECT_EQ(OwnerDrawnEntries(), ::GetMenuItemCount(SystemMenu()));  // never taken back
}

TEST_F(SysMenuTest, StyledEntriesTellScreenReadersWhatTheySay) {
  sys().SetDrawing(true);
  EXPECT_EQ(AccessibleName(SystemMenu(), SC_CLOSE, false), L"閉じる(C)");
  EXPECT_EQ(AccessibleName(SystemMenu(), SC_MOVE, false), L"移動(M)");
  for (int position = 0; position < ::GetMenuItemCount(SystemMenu()); ++position) {
    const UINT command = ::GetMenuItemID(SystemMenu(), position);
    const bool separator = ::GetMenuState(SystemMenu(), static_cast<UINT>(position), MF_BYPOSITION) & MF_SEPARATOR;
    EXPECT_EQ(AccessibleName(SystemMenu(), static_cast<UINT>(position), true),
              separator ? L"" : SpokenCaption(SysMenuEntry(command).Caption))
        << position;
  }
}

TEST_F(SysMenuTest, UnknownCommandsAreBlank) {
  TBitmap picture;
  Blank(picture, 150, 20);
  Paint(0x1234, {0, 0, 150, 20}, 0, picture, SystemMenu());
  EXPECT_EQ(FindInkOtherThan(picture, {0, 0, 150, 20}, ColorToRGB(TestInactive)).Count, 0);
}

TEST_F(SysMenuTest, WindowCommandsGetTheirGlyphs) {
  TBitmap picture;
  Blank(picture, 150, 20);
  Paint(SC_MINIMIZE, {0, 0, 150, 20}, 0, picture, SystemMenu());
  // The bar of the minimise glyph, rows 11 and 12, columns 4 to 9, drawn at (2, 2).
  for (int x = 0; x < 16; ++x) {
    const bool bar = x >= 4 && x <= 9;
    EXPECT_EQ(PixelAt(picture, 2 + x, 2 + 11), bar ? RGB(0, 0, 0) : ColorToRGB(TestInactive)) << x;
  }
  EXPECT_GT(FindInkOtherThan(picture, {25, 0, 150, 20}, ColorToRGB(TestInactive)).Count, 0);  // caption
}

TEST_F(SysMenuTest, DisabledCloseShowsItsShortcutInTwoPasses) {
  const TRect rect{0, 0, 200, 20};
  const TRect shortcutArea{120, 0, 200, 20};
  const COLORREF background = ColorToRGB(TestInactive);
  TBitmap enabled, disabled, selected;
  Blank(enabled, 200, 20);
  Blank(disabled, 200, 20);
  Blank(selected, 200, 20);
  Paint(SC_CLOSE, rect, 0, enabled, SystemMenu());
  ::EnableMenuItem(SystemMenu(), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
  Paint(SC_CLOSE, rect, 0, disabled, SystemMenu());
  styler.SysMenu().SetMenuStyle(msWindows);
  Paint(SC_CLOSE, rect, ODS_SELECTED, selected, SystemMenu());
  ::EnableMenuItem(SystemMenu(), SC_CLOSE, MF_BYCOMMAND | MF_ENABLED);

  const TInk normal = FindInkOtherThan(enabled, shortcutArea, background);
  ASSERT_GT(normal.Count, 0);
  EXPECT_LE(normal.Bounds.Right, 200 - 15);
  const COLORREF grey = ::GetSysColor(COLOR_GRAYTEXT);
  const TInk greyPass = FindInk(disabled, shortcutArea, [=](COLORREF c) { return c == grey; });
  ASSERT_GT(greyPass.Count, 0);
  EXPECT_GE(greyPass.Bounds.Left, normal.Bounds.Left);
  EXPECT_LE(greyPass.Bounds.Right, normal.Bounds.Right);
  const TInk both = FindInkOtherThan(disabled, shortcutArea, background);
  EXPECT_EQ(both.Bounds.Right, normal.Bounds.Right + 1);  // the highlight pass, one pixel over
  EXPECT_EQ(both.Bounds.Bottom, normal.Bounds.Bottom + 1);
  // Selected in the Windows style: only the grey pass.
  const TInk greyOnly = FindInkOtherThan(selected, shortcutArea, ColorToRGB(TestActive));
  EXPECT_EQ(greyOnly.Bounds.Right, normal.Bounds.Right);
  // The glyph is embossed in every state; black is the enabled glyph's ink.
  for (TBitmap* picture : {&disabled, &selected}) {
    EXPECT_EQ(FindInk(*picture, {0, 0, 20, 20}, [](COLORREF c) { return c == RGB(0, 0, 0); }).Count, 0);
  }
}

TEST(SysMenuItems, WindowCommandsHaveJapaneseCaptionsAndGlyphs) {
  EXPECT_EQ(SysMenuEntry(SC_RESTORE).Caption, L"元のサイズに戻す(&R)");
  EXPECT_EQ(SysMenuEntry(SC_RESTORE).Glyph, sgRestore);
  EXPECT_EQ(SysMenuEntry(SC_MOVE).Glyph, sgNone);
  EXPECT_EQ(SysMenuEntry(SC_MINIMIZE).Glyph, sgMinimize);
  EXPECT_EQ(SysMenuEntry(SC_MAXIMIZE).Caption, L"最大化(&X)");
  EXPECT_EQ(SysMenuEntry(SC_SIZE).Caption, L"サイズ変更(&S)");
}

TEST(SysMenuItems, OnlyCloseShowsItsShortcut) {
  EXPECT_EQ(SysMenuEntry(SC_CLOSE).ShortcutText, L"Alt+F4");
  EXPECT_EQ(SysMenuEntry(SC_CLOSE).Glyph, sgClose);
  EXPECT_TRUE(SysMenuEntry(SC_MAXIMIZE).ShortcutText.empty());
}

TEST(SysMenuItems, UnknownCommandsAreBlank) {
  const TSysMenuEntry unknown = SysMenuEntry(0x1234);
  EXPECT_TRUE(unknown.Caption.empty());
  EXPECT_EQ(unknown.Glyph, sgNone);
}

}  // namespace
