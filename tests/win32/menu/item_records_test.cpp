// Owner-drawn items carry their names for screen readers, and a rebuilt menu leaves no stale
// item data behind.
#include <windows.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include "menu/item_records.h"
#include "styler_fixture.h"

namespace {

using ItemRecords = StylerFixture;

TEST_F(ItemRecords, EveryStyledItemTellsScreenReadersWhatItSays) {
  const struct {
    const wchar_t* Caption;
    const wchar_t* Name;
  } cases[] = {{L"&Open", L"Open"},           {L"開く(&O)", L"開く(O)"},
               {L"Save && exit", L"Save & exit"}, {L"Open|Opens the file", L"Open"},
               {L"メモ帳.txt", L"メモ帳.txt"},     {L"-", L""}};
  std::vector<TMenuItem*> items;
  for (const auto& c : cases) items.push_back(&AddItem(c.Caption));
  TMenuItem& folder = AddItem(L"<道具>");
  TMenuItem& inner = AddItem(L"&Inner", &folder);
  styler.AttachItems(menu.Items());
  for (size_t i = 0; i < items.size(); ++i)
    EXPECT_EQ(AccessibleName(menu.Handle(), items[i]->Command(), false), cases[i].Name) << cases[i].Caption;
  EXPECT_EQ(AccessibleName(folder.Handle(), inner.Command(), false), L"Inner");

  // A changed caption is what the menu says from its next attachment on.
  items[0]->SetCaption(L"&Close");
  styler.AttachItems(menu.Items());
  EXPECT_EQ(AccessibleName(menu.Handle(), items[0]->Command(), false), L"Close");
}

TEST_F(ItemRecords, AttachingTheWholeMenuFreesTheRecordsOfItemsItNoLongerHolds) {
  const int before = TItemRecords::LiveCount();
  TMenuItem& keep = AddItem(L"keep");
  TMenuItem& folder = AddItem(L"folder");
  for (int i = 0; i < 5; ++i) AddItem(L"child", &folder);
  styler.AttachItems(menu.Items());
  EXPECT_EQ(TItemRecords::LiveCount(), before + 7);
  TComponentDeleter{}(&folder);
  styler.AttachItems(keep);  // part of the menu only: nothing is freed yet
  EXPECT_EQ(TItemRecords::LiveCount(), before + 7);
  styler.AttachItems(menu.Items());
  EXPECT_EQ(TItemRecords::LiveCount(), before + 1);
  EXPECT_EQ(TCoolMenu::FromItemData(0), nullptr);
}

// With keyboard cues off the platform asks for items without mnemonic underlines until the menu
// is used from the keyboard.
TEST_F(ItemRecords, UnderlinesStayHiddenWhileThePlatformAsksSo) {
  TMenuItem& item = AddItem(L"&Underlined");
  SetStateColors(clHighlight, clHighlightText, RGB(255, 255, 255), RGB(0, 0, 0));
  TBitmap shown, hidden;
  Blank(shown, 200, 20);
  Blank(hidden, 200, 20);
  Paint(item, {0, 0, 200, 20}, 0, shown);
  Paint(item, {0, 0, 200, 20}, ODS_NOACCEL, hidden);
  const auto isText = [](COLORREF c) { return c == RGB(0, 0, 0); };
  const TInk withUnderline = FindInk(shown, {0, 0, 200, 20}, isText);
  const TInk without = FindInk(hidden, {0, 0, 200, 20}, isText);
  // The same letters; the underline adds a row of ink below them, as wide as the "U".
  EXPECT_GT(withUnderline.Count, without.Count + 4);
  EXPECT_NEAR(withUnderline.Bounds.Left, without.Bounds.Left, 1);
  EXPECT_GT(withUnderline.Bounds.Bottom, without.Bounds.Bottom);
}

}  // namespace
