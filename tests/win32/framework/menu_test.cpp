#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "framework/menu_item.h"
#include "framework/popup_list.h"
#include "framework/popup_menu.h"
#include "support/message_pump.h"

namespace {

std::wstring PlatformText(HMENU menu, UINT position) {
  wchar_t text[256] = {};
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_STRING;
  info.dwTypeData = text;
  info.cch = 255;
  ::GetMenuItemInfoW(menu, position, TRUE, &info);
  return text;
}

MENUITEMINFOW PlatformInfo(HMENU menu, UINT position) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU;
  EXPECT_TRUE(::GetMenuItemInfoW(menu, position, TRUE, &info));
  return info;
}

class MenuTest : public ::testing::Test {
protected:
  TMenuItem& NewItem(const std::wstring& caption) {
    TMenuItem& item = owner->Make<TMenuItem>();
    item.SetCaption(caption);
    return item;
  }

  TComponentPtr<TComponent> owner = MakeComponent<TComponent>();
  TPopupMenu& popup = owner->Make<TPopupMenu>();
};

TEST_F(MenuTest, HiddenItemsTakeNoPlatformPosition) {
  TMenuItem& dot = NewItem(L"<.>");
  dot.SetVisible(false);
  popup.Items().Add(dot);
  popup.Items().Add(NewItem(L"a.txt"));
  HMENU menu = popup.Handle();
  ASSERT_EQ(::GetMenuItemCount(menu), 1);
  EXPECT_EQ(PlatformText(menu, 0), L"a.txt");

  // Items inserted before, after and among hidden ones land in visible order.
  popup.Items().Insert(0, NewItem(L"first"));
  popup.Items().Add(NewItem(L"-"));
  popup.Items().Add(NewItem(L"キャンセル"));
  ASSERT_EQ(::GetMenuItemCount(menu), 4);
  EXPECT_EQ(PlatformText(menu, 0), L"first");
  EXPECT_EQ(PlatformText(menu, 1), L"a.txt");
  EXPECT_TRUE(PlatformInfo(menu, 2).fType & MFT_SEPARATOR);
  EXPECT_EQ(PlatformText(menu, 3), L"キャンセル");

  dot.SetVisible(true);
  EXPECT_EQ(PlatformText(menu, 1), L"<.>");
  EXPECT_EQ(popup.Items().IndexOf(dot), 1);
  dot.SetVisible(false);
  EXPECT_EQ(::GetMenuItemCount(menu), 4);
}

// Entries placed, changed and removed after a hidden item: positions count visible items only.
TEST_F(MenuTest, EntriesAfterAHiddenItemAreFoundAtTheirVisiblePositions) {
  TMenuItem& hidden = NewItem(L"<.>");
  hidden.SetVisible(false);
  TMenuItem& first = NewItem(L"first");
  TMenuItem& last = NewItem(L"last");
  popup.Items().Add(hidden);
  popup.Items().Add(first);
  popup.Items().Add(last);
  HMENU menu = popup.Handle();
  const auto texts = [menu] {
    std::vector<std::wstring> shown;
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) shown.push_back(PlatformText(menu, static_cast<UINT>(i)));
    return shown;
  };

  TMenuItem& alsoHidden = NewItem(L"<..>");
  alsoHidden.SetVisible(false);
  popup.Items().Insert(1, alsoHidden);  // the menu is made: nothing shows
  EXPECT_EQ(texts(), (std::vector<std::wstring>{L"first", L"last"}));
  popup.Items().Insert(3, NewItem(L"between"));
  EXPECT_EQ(texts(), (std::vector<std::wstring>{L"first", L"between", L"last"}));
  first.SetCaption(L"first, renamed");
  EXPECT_EQ(texts(), (std::vector<std::wstring>{L"first, renamed", L"between", L"last"}));
  popup.Items().Remove(first);
  EXPECT_EQ(texts(), (std::vector<std::wstring>{L"between", L"last"}));
}

TEST_F(MenuTest, PropertiesReachThePlatformMenu) {
  TMenuItem& item = NewItem(L"表示の設定(&V)...");
  popup.Items().Add(item);
  HMENU menu = popup.Handle();
  item.SetDefault(true);
  item.SetChecked(true);
  item.SetEnabled(false);
  item.SetRadioItem(true);
  item.SetBreak(TMenuBreak::mbBarBreak);
  item.SetShortCut(ShortCut('S', scCtrl));
  const MENUITEMINFOW info = PlatformInfo(menu, 0);
  EXPECT_TRUE(info.fState & MFS_DEFAULT);
  EXPECT_TRUE(info.fState & MFS_CHECKED);
  EXPECT_TRUE(info.fState & MFS_GRAYED);
  EXPECT_TRUE(info.fType & MFT_RADIOCHECK);
  EXPECT_TRUE(info.fType & MFT_MENUBARBREAK);
  EXPECT_EQ(info.wID, item.Command());
  EXPECT_EQ(PlatformText(menu, 0), L"表示の設定(&V)...\tCtrl+S");
}

TEST_F(MenuTest, OnlyASingleHyphenIsASeparator) {
  const struct {
    const wchar_t* Caption;
    bool Separator;
  } cases[] = {{L"-", true}, {L"--", false}, {L"-x", false}, {L"", false}};
  for (const auto& c : cases) {
    TMenuItem& item = NewItem(c.Caption);
    popup.Items().Add(item);
    EXPECT_EQ(item.IsLine(), c.Separator) << c.Caption;
    EXPECT_EQ((PlatformInfo(popup.Handle(), popup.Items().Count() - 1).fType & MFT_SEPARATOR) != 0, c.Separator)
        << c.Caption;
  }
}

TEST_F(MenuTest, ChangesKeepAnOwnerDrawnEntryOwnerDrawn) {
  TMenuItem& item = NewItem(L"a");
  popup.Items().Add(item);
  MENUITEMINFOW ownerDraw{};
  ownerDraw.cbSize = sizeof(ownerDraw);
  ownerDraw.fMask = MIIM_FTYPE;
  ownerDraw.fType = MFT_OWNERDRAW;
  ::SetMenuItemInfoW(popup.Handle(), 0, TRUE, &ownerDraw);
  item.SetCaption(L"b");
  EXPECT_TRUE(PlatformInfo(popup.Handle(), 0).fType & MFT_OWNERDRAW);
}

TEST_F(MenuTest, SubItemsMakeASubmenuAndDetachingLeavesTheItemAlive) {
  TMenuItem& folder = NewItem(L"<Tools>");
  popup.Items().Add(folder);
  HMENU menu = popup.Handle();
  EXPECT_EQ(PlatformInfo(menu, 0).hSubMenu, nullptr);

  TMenuItem& open = NewItem(L"このフォルダを開く");
  folder.Add(open);
  EXPECT_EQ(PlatformInfo(menu, 0).hSubMenu, folder.Handle());
  EXPECT_EQ(::GetMenuItemCount(folder.Handle()), 1);
  EXPECT_EQ(open.Parent(), &folder);
  EXPECT_EQ(open.MenuIndex(), 0);

  popup.Items().Remove(folder);
  EXPECT_EQ(::GetMenuItemCount(menu), 0);
  EXPECT_TRUE(::IsMenu(folder.Handle()));  // still the folder item's own
  EXPECT_EQ(folder.Parent(), nullptr);
  popup.Items().Add(folder);
  EXPECT_EQ(PlatformInfo(menu, 0).hSubMenu, folder.Handle());
}

TEST_F(MenuTest, CommandsAreUniqueAndReused) {
  TMenuItem& a = NewItem(L"a");
  TMenuItem& b = NewItem(L"b");
  EXPECT_NE(a.Command(), 0u);
  EXPECT_NE(a.Command(), b.Command());
  EXPECT_EQ(TMenuItem::FindByCommand(b.Command()), &b);
  const UINT freed = a.Command();
  TComponentDeleter{}(&a);
  EXPECT_EQ(TMenuItem::FindByCommand(freed), nullptr);
  EXPECT_EQ(NewItem(L"c").Command(), freed);
}

TEST_F(MenuTest, CommandMessageRunsTheChosenItemsClick) {
  TMenuItem& item = NewItem(L"終了(&X)");
  popup.Items().Add(item);
  TComponent* clicked = nullptr;
  item.OnClick = [&](TComponent* sender) { clicked = sender; };
  ::PostMessageW(TPopupList::Instance().Window(), WM_COMMAND, item.Command(), 0);
  ASSERT_TRUE(PumpUntil([&] { return clicked != nullptr; }, 2000));
  EXPECT_EQ(clicked, &item);

  wchar_t className[64] = {};
  ::GetClassNameW(TPopupList::Instance().Window(), className, 64);
  EXPECT_STREQ(className, L"TPUtilWindow");
}

TEST_F(MenuTest, FreeingAnItemFreesItsSubItemsAndLeavesItsParent) {
  TMenuItem& folder = NewItem(L"<Tools>");
  TMenuItem& child = NewItem(L"x");
  folder.Add(child);
  popup.Items().Add(folder);
  const HMENU menu = popup.Handle();
  const size_t before = owner->Components().size();
  TComponentDeleter{}(&folder);
  EXPECT_EQ(popup.Items().Count(), 0);
  EXPECT_EQ(::GetMenuItemCount(menu), 0);
  EXPECT_EQ(owner->Components().size(), before - 2);
}

// Clicks the first item of the open popup `menu` with `button` (MOUSEEVENTF_ down flag), from
// another thread as a user would; closes the menu instead if it does not show within 3 s, or
// if the click has not closed it within 2 s (Wine took it for a click elsewhere).
std::thread ClickFirstItem(HMENU menu, DWORD downFlag) {
  return std::thread([menu, downFlag] {
    RECT item{};
    for (int wait = 0; wait < 300 && !::GetMenuItemRect(nullptr, menu, 0, &item); ++wait) ::Sleep(10);
    if (item.right <= item.left) {
      ::PostMessageW(TPopupList::Instance().Window(), WM_CANCELMODE, 0, 0);
      return;
    }
    // Point at the item until the menu highlights it, then press and release.
    for (int wait = 0; wait < 300 && !(::GetMenuState(menu, 0, MF_BYPOSITION) & MF_HILITE); ++wait) {
      ::SetCursorPos((item.left + item.right) / 2 + wait % 2, (item.top + item.bottom) / 2);
      ::Sleep(10);
    }
    ::Sleep(50);
    INPUT press[2]{};
    press[0].type = press[1].type = INPUT_MOUSE;
    press[0].mi.dwFlags = downFlag;
    press[1].mi.dwFlags = downFlag << 1;  // the matching release
    ::SendInput(2, press, sizeof(INPUT));
    for (int wait = 0; wait < 200 && ::GetMenuItemRect(nullptr, menu, 0, &item); ++wait) ::Sleep(10);
    if (::GetMenuItemRect(nullptr, menu, 0, &item)) ::PostMessageW(TPopupList::Instance().Window(), WM_CANCELMODE, 0, 0);
  });
}

TEST_F(MenuTest, TheClickKnowsWhichButtonChoseTheItem) {
  TMenuItem& item = NewItem(L"open");
  popup.Items().Add(item);
  popup.Items().Add(NewItem(L"other"));
  for (const DWORD button : {MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_LEFTDOWN}) {
    int clicks = 0;
    bool byRight = false;
    item.OnClick = [&](TComponent*) {
      ++clicks;
      byRight = TPopupMenu::ChosenWithRightButton();
    };
    // Under Wine a click that follows the menu's opening closely is now and then taken for a
    // click elsewhere; a user would click again.
    for (int attempt = 0; attempt < 3 && clicks == 0; ++attempt) {
      ::SetCursorPos(0, 0);  // away from where the menu opens: the item lights only when pointed at
      std::thread user = ClickFirstItem(popup.Handle(), button);
      popup.Popup(200, 200);
      user.join();
      PumpFor(100);
    }
    ASSERT_EQ(clicks, 1);
    EXPECT_EQ(byRight, button == MOUSEEVENTF_RIGHTDOWN);
  }
}

}  // namespace
