#include <gtest/gtest.h>

#include "styler_fixture.h"

namespace {

using StylerModel = StylerFixture;

MENUITEMINFOW PlatformEntry(HMENU menu, UINT command) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_DATA | MIIM_SUBMENU;
  EXPECT_TRUE(::GetMenuItemInfoW(menu, command, FALSE, &info)) << command;
  return info;
}

TEST(StylerDefaults, NewStylerLooksLikeTheSystemMenu) {
  auto form = MakeComponent<TForm>(StylerFormDesign());
  TCoolMenu& styler = form->Make<TCoolMenu>();
  EXPECT_EQ(styler.ItemHeight(), 20);
  EXPECT_EQ(styler.ImageSize(), 16);
  EXPECT_EQ(styler.MenuStyle(), msOffice);
  EXPECT_EQ(styler.ActiveColor(), clHighlight);
  EXPECT_EQ(styler.InActiveColor(), clMenu);
  EXPECT_EQ(styler.ActiveFont().Color(), clHighlightText);
  EXPECT_EQ(styler.InActiveFont().Color(), clMenuText);
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  EXPECT_EQ(styler.ActiveFont().Name(), metrics.lfMenuFont.lfFaceName);
  EXPECT_EQ(styler.InActiveFont().Height(), metrics.lfMenuFont.lfHeight);
  EXPECT_EQ(styler.Banner().BannerWidth(), 20);
  EXPECT_EQ(styler.Banner().TopColor(), clRed);
  EXPECT_EQ(styler.Banner().BottomColor(), clYellow);
  EXPECT_FALSE(styler.Banner().ShowBanner());
  EXPECT_EQ(styler.SysMenu().ItemHeight(), 20);
  EXPECT_EQ(styler.SysMenu().SysGlyphs().Count(), 4);
}

TEST(StylerDefaults, OnlyAFormMayOwnAStyler) {
  auto owner = MakeComponent<TComponent>();
  EXPECT_THROW(owner->Make<TCoolMenu>(), ECoolMenuError);
  EXPECT_TRUE(owner->Components().empty());
}

TEST_F(StylerModel, ItemHeightHasAMinimumThatLargeImagesRaise) {
  styler.SetItemHeight(17);
  EXPECT_EQ(styler.ItemHeight(), 20);
  styler.SetItemHeight(18);
  EXPECT_EQ(styler.ItemHeight(), 18);
  styler.SetItemHeight(20);
  styler.SetLargeImage(true);
  EXPECT_EQ(styler.ItemHeight(), 34);
  EXPECT_EQ(styler.ImageSize(), 32);
  styler.SetItemHeight(33);
  EXPECT_EQ(styler.ItemHeight(), 34);
  styler.SetLargeImage(false);
  EXPECT_EQ(styler.ItemHeight(), 34);
  EXPECT_EQ(styler.ImageSize(), 16);
}

TEST_F(StylerModel, ImageAssignmentsAreCheckedAgainstTheList) {
  TMenuItem& a = AddItem(L"a.txt");
  TMenuItem& b = AddItem(L"b.txt");
  AddImage(RGB(255, 0, 0), 0);
  AddImage(RGB(0, 255, 0), 0);
  styler.SetItemImage(a, 2, L"C:\\a.txt");
  EXPECT_EQ(styler.ItemImageIndex(a), -1);
  styler.SetItemImage(a, 1, L"最初|二番目");
  EXPECT_EQ(styler.ItemImageIndex(a), 1);
  EXPECT_EQ(styler.ItemHint(a), L"最初|二番目");
  EXPECT_EQ(styler.ItemImages().Count(), 1);  // one entry per item
  EXPECT_EQ(styler.ItemImageIndex(b), -1);
  EXPECT_EQ(styler.ItemHint(b), L"");

  styler.ItemImages().Items(0).SetImageIndex(-2);
  EXPECT_EQ(styler.ItemImageIndex(a), 1);

  images.Delete(1);  // the list shrinks: the assignment goes
  EXPECT_EQ(styler.ItemImageIndex(a), -1);

  styler.SetItemImage(b, 0, L"b");
  styler.SetImages(nullptr);
  EXPECT_EQ(styler.ItemImageIndex(b), -1);
  EXPECT_EQ(styler.ItemImages().Items(1).ImageIndex(), -1);
  EXPECT_EQ(styler.ItemHint(b), L"b");  // hints stay
}

TEST_F(StylerModel, AssignmentsNeverOutliveTheirItems) {
  TMenuItem& a = AddItem(L"a");
  TMenuItem& b = AddItem(L"b");
  AddImage(RGB(255, 0, 0), 0);
  styler.SetItemImage(a, 0, L"a");
  styler.SetItemImage(b, 0, L"b");
  TComponentDeleter{}(&a);
  ASSERT_EQ(styler.ItemImages().Count(), 1);
  EXPECT_EQ(styler.ItemImages().Items(0).MenuItem, &b);
  TComponentDeleter{}(&menu);
  EXPECT_EQ(styler.Menu(), nullptr);
  EXPECT_EQ(styler.ItemImages().Count(), 0);
}

TEST_F(StylerModel, ALostImageListLeavesNoImages) {
  TMenuItem& a = AddItem(L"a");
  AddImage(RGB(255, 0, 0), 0);
  styler.SetItemImage(a, 0, L"a");
  TComponentDeleter{}(&images);
  EXPECT_EQ(styler.Images(), nullptr);
  EXPECT_EQ(styler.ItemImages().Items(0).ImageIndex(), -1);
}

TEST_F(StylerModel, AttachingCopiesStateIntoOwnerDrawnEntries) {
  TMenuItem& plain = AddItem(L"plain");
  TMenuItem& rich = AddItem(L"rich");
  rich.SetChecked(true);
  rich.SetEnabled(false);
  rich.SetDefault(true);
  rich.SetRadioItem(true);
  TMenuItem& line = AddItem(L"-");
  TMenuItem& dashes = AddItem(L"--");
  TMenuItem& column = AddItem(L"column");
  column.SetBreak(TMenuBreak::mbBreak);
  TMenuItem& barColumn = AddItem(L"bar column");
  barColumn.SetBreak(TMenuBreak::mbBarBreak);
  TMenuItem& folder = AddItem(L"<folder>");
  TMenuItem& inner = AddItem(L"inner", &folder);
  styler.AttachItems(menu.Items());

  HMENU handle = menu.Handle();
  const auto type = [&](TMenuItem& item) { return PlatformEntry(handle, item.Command()).fType; };
  const auto state = [&](TMenuItem& item) { return PlatformEntry(handle, item.Command()).fState; };
  for (TMenuItem* item : {&plain, &rich, &line, &dashes, &column, &barColumn, &folder, &inner}) {
    const MENUITEMINFOW info = PlatformEntry(handle, item->Command());
    EXPECT_TRUE(info.fType & MFT_OWNERDRAW) << item->Caption();
    EXPECT_EQ(TCoolMenu::FromItemData(info.dwItemData), &styler) << item->Caption();
  }
  EXPECT_EQ(type(plain), UINT{MFT_OWNERDRAW});
  EXPECT_EQ(state(plain), 0u);
  EXPECT_EQ(type(rich), UINT{MFT_OWNERDRAW | MFT_RADIOCHECK});
  EXPECT_EQ(state(rich), UINT{MFS_CHECKED | MFS_GRAYED | MFS_DEFAULT});
  EXPECT_TRUE(type(line) & MFT_SEPARATOR);
  EXPECT_FALSE(type(dashes) & MFT_SEPARATOR);
  EXPECT_EQ(type(column), UINT{MFT_OWNERDRAW | MFT_MENUBREAK});
  EXPECT_EQ(type(barColumn), UINT{MFT_OWNERDRAW | MFT_MENUBARBREAK});
  // The submenu stays with its entry.
  EXPECT_EQ(PlatformEntry(handle, folder.Command()).hSubMenu, folder.Handle());
  EXPECT_EQ(::GetMenuItemCount(folder.Handle()), 1);
}

TEST_F(StylerModel, ItemsAddedLaterAreAttachedOnTheNextPass) {
  TMenuItem& first = AddItem(L"first");
  TMenuItem& hidden = AddItem(L"hidden");
  hidden.SetVisible(false);
  styler.AttachItems(menu.Items());  // hidden items have no entry: nothing to do, no error
  TMenuItem& later = AddItem(L"later");
  HMENU handle = menu.Handle();
  EXPECT_FALSE(PlatformEntry(handle, later.Command()).fType & MFT_OWNERDRAW);
  styler.SetItemHeight(24);  // re-attaches
  EXPECT_TRUE(PlatformEntry(handle, later.Command()).fType & MFT_OWNERDRAW);
  EXPECT_TRUE(PlatformEntry(handle, first.Command()).fType & MFT_OWNERDRAW);
  EXPECT_TRUE(errors.empty());
}

TEST_F(StylerModel, FinishingLoadingAttachesTheMenu) {
  styler.BeginLoading();
  TMenuItem& item = AddItem(L"stored");
  EXPECT_FALSE(PlatformEntry(menu.Handle(), item.Command()).fType & MFT_OWNERDRAW);
  styler.EndLoading();
  EXPECT_TRUE(PlatformEntry(menu.Handle(), item.Command()).fType & MFT_OWNERDRAW);
}

TEST_F(StylerModel, SettingsChangeReattaches) {
  TMenuItem& item = AddItem(L"item");
  TMessage settings{WM_WININICHANGE, 0, 0, 0};
  const auto entryType = [&] { return PlatformEntry(menu.Handle(), item.Command()).fType; };
  EXPECT_FALSE(entryType() & MFT_OWNERDRAW);
  styler.Dispatch(settings);
  EXPECT_TRUE(entryType() & MFT_OWNERDRAW);
}

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
