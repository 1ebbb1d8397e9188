// The launcher menu built from a real menu folder.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "folder/link_target.h"
#include "framework/menu_item.h"
#include "framework/popup_menu.h"
#include "launcher_fixture.h"
#include "menu/popup_cool.h"
#include "support/temp_folder.h"
#include "support/test_forms.h"
#include "tamarind_version.h"

namespace {

using Captions = std::vector<std::wstring>;

std::string Bytes(const std::wstring& ascii) { return std::string(ascii.begin(), ascii.end()); }

// A file shaped like an old shortcut: some header bytes, the pattern, the target path.
std::string OldShortcutBytes(const std::wstring& target) {
  return std::string("L\0\0\0junk", 8) + std::string("\0\0WINDOWS\x7f\x01\0", 12) + Bytes(target) + std::string("\0tail", 5);
}

}  // namespace

using MenuBuilderTest = LauncherTest;

// Visible captions of the root, each with "(off)" when the item is disabled.
Captions RootRows(const TMenuItem& root) {
  Captions rows;
  for (int i = 0; i < root.Count(); ++i) {
    const TMenuItem& item = *root.Items(i);
    if (item.Visible()) rows.push_back(item.Caption() + (item.Enabled() ? L"" : L" (off)"));
  }
  return rows;
}

// An empty menu folder explains itself: a grey note and an item that opens the folder. A menu
// folder that cannot be made says so. Anything in the folder gives the plain menu.
TEST_F(MenuBuilderTest, EmptyFolderExplainsItselfUntilAnythingIsInIt) {
  const Captions empty{L"(メニューフォルダは空です) (off)", L"登録フォルダを開く", L"-", L"キャンセル"};
  const Captions cannotMake{L"(メニューフォルダを作成できません) (off)", L"登録フォルダを開く (off)", L"-", L"キャンセル"};
  const std::wstring blocker = menuFolder;  // a file where the folder should be
  const struct {
    const char* name;
    std::function<void()> prepare;
    Captions rows;
  } cases[] = {
      {"empty", [] {}, empty},
      {"one file", [&] { WriteFile(L"notes.txt"); }, Captions{L"notes.txt", L"-", L"キャンセル"}},
      {"one empty folder", [&] { MakeFolder(L"Tools"); }, Captions{L"<Tools>", L"-", L"キャンセル"}},
      {"removed, made again", [&] { RemoveTree(menuFolder); }, empty},
      {"cannot be made", [&] {
         RemoveTree(menuFolder);
         std::ofstream(std::filesystem::path(blocker)) << "x";
       }, cannotMake},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    RemoveTree(menuFolder);
    ::DeleteFileW(blocker.c_str());
    ::CreateDirectoryW(menuFolder.c_str(), nullptr);
    c.prepare();
    win->RebuildMenu();
    EXPECT_EQ(RootRows(Root()), c.rows);
    EXPECT_EQ(Root().Tag(), -1);
    EXPECT_TRUE(win->Ready());
    if (c.rows == empty) {
      EXPECT_TRUE(IsExistingFolder(menuFolder));
    }
  }
  ::DeleteFileW(blocker.c_str());

  // The open item opens the menu folder as the command menu's item does; Cancel stays last.
  ::CreateDirectoryW(menuFolder.c_str(), nullptr);
  win->RebuildMenu();
  TMenuItem& open = *FindCaption(Root(), L"登録フォルダを開く");
  EXPECT_TRUE(open.OnClick);
  EXPECT_TRUE(open.Hint().empty());
  EXPECT_EQ(Root().Items(Root().Count() - 1)->Caption(), L"キャンセル");

  // Before the settings exist no pass runs, and an unfinished pass says nothing of emptiness.
  win->SetMenuBuildSettings(nullptr);
  win->RebuildMenu();
  EXPECT_EQ(VisibleCaptions(Root()), (Captions{L"-", L"キャンセル"}));
  ASSERT_FALSE(win->Ready());
  Root().Items(Root().Count() - 1)->Click();  // Cancel: the launcher is idle again
  EXPECT_TRUE(win->Ready());
  EXPECT_FALSE(win->MenuShown());
}

TEST_F(MenuBuilderTest, FoldersComeFirstAndAreFilledOnDemand) {
  WriteFile(L"notes.txt");
  SaveShellLink(MenuPath(L"Editor.lnk"), MenuPath(L"notes.txt"));
  SaveShellLink(MenuPath(L"Tool.Box.LNK"), MenuPath(L"notes.txt"));
  MakeFolder(L"Tools");
  WriteFile(L"Tools\\b.txt");
  WriteFile(L"Tools\\a.txt");
  win->RebuildMenu();
  EXPECT_EQ(VisibleCaptions(Root()), (Captions{L"<Tools>", L"Editor", L"notes.txt", L"Tool.Box", L"-", L"キャンセル"}));
  EXPECT_EQ(FindCaption(Root(), L"Editor")->Hint(), MenuPath(L"Editor.lnk"));
  EXPECT_EQ(FindCaption(Root(), L"notes.txt")->Hint(), MenuPath(L"notes.txt"));

  TMenuItem& tools = *FindCaption(Root(), L"<Tools>");
  EXPECT_EQ(tools.Hint(), MenuPath(L"Tools"));
  EXPECT_EQ(VisibleCaptions(tools), (Captions{L"このフォルダを開く"}));
  EXPECT_NE(tools.Tag(), -1);
  Open(tools);
  EXPECT_EQ(VisibleCaptions(tools), (Captions{L"このフォルダを開く", L"a.txt", L"b.txt"}));
  EXPECT_EQ(tools.Tag(), -1);
  for (int position = 0; position < 3; ++position) {
    MENUITEMINFOW drawn{};
    drawn.cbSize = sizeof(drawn);
    drawn.fMask = MIIM_FTYPE | MIIM_DATA;
    ASSERT_TRUE(::GetMenuItemInfoW(tools.Handle(), position, TRUE, &drawn));
    EXPECT_TRUE(drawn.fType & MFT_OWNERDRAW) << position;
    EXPECT_EQ(TCoolMenu::FromItemData(drawn.dwItemData), &win->PCMain()) << position;
  }
  TMenuItem& openFolder = *tools.Items(0);
  EXPECT_TRUE(openFolder.Default());
  EXPECT_EQ(openFolder.Hint(), MenuPath(L"Tools"));
  // The bold item is bold in the platform menu too.
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_STATE;
  ASSERT_TRUE(::GetMenuItemInfoW(tools.Handle(), 0, TRUE, &info));
  EXPECT_TRUE(info.fState & MFS_DEFAULT);
}

TEST_F(MenuBuilderTest, ShortcutsToFoldersAreSubmenus) {
  const std::wstring target = MakeFolder(L"Target");
  WriteFile(L"Target\\inside.txt");
  SaveShellLink(MenuPath(L"Shell folder.lnk"), target);
  WriteFile(L"Old folder.lnk", OldShortcutBytes(target));
  WriteFile(L"Nothing.lnk", "no pattern in here at all");
  win->FillListed(Listing(MenuPath()), Root(), true);

  // Both shortcuts and the folder itself: three submenus named after the target.
  int submenus = 0;
  for (int i = 0; i < Root().Count(); ++i) {
    TMenuItem& item = *Root().Items(i);
    if (item.Caption() != L"<Target>") continue;
    ++submenus;
    EXPECT_EQ(item.Hint(), target);
    Open(item);
    EXPECT_EQ(VisibleCaptions(item), (Captions{L"このフォルダを開く", L"inside.txt"}));
    EXPECT_EQ(item.Items(0)->Hint(), target);
  }
  EXPECT_EQ(submenus, 3);
  TMenuItem* nothing = FindCaption(Root(), L"Nothing");
  ASSERT_NE(nothing, nullptr);
  EXPECT_EQ(nothing->Count(), 0);
  EXPECT_EQ(nothing->Hint(), MenuPath(L"Nothing.lnk"));
}

TEST_F(MenuBuilderTest, ShortcutThatCannotBeReadIsAnOrdinaryItem) {
  const std::wstring path = WriteFile(L"Locked.lnk", OldShortcutBytes(MakeFolder(L"Target")));
  WriteFile(L"after.txt");
  HANDLE lock = ::CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  TErrorBoxCapture errors;
  win->RebuildMenu();
  ::CloseHandle(lock);
  EXPECT_TRUE(errors.Messages.empty());
  EXPECT_TRUE(win->Ready());
  EXPECT_EQ(VisibleCaptions(Root()), (Captions{L"<Target>", L"after.txt", L"Locked", L"-", L"キャンセル"}));
}

TEST_F(MenuBuilderTest, AnyUnicodeNameShowsAsItIs) {
  const std::wstring file = L"Ελληνικά ★ 한국어.txt";
  WriteFile(file);
  MakeFolder(L"Ünïcødé 📁");
  win->RebuildMenu();
  EXPECT_EQ(VisibleCaptions(Root()), (Captions{L"<Ünïcødé 📁>", file, L"-", L"キャンセル"}));
  EXPECT_EQ(FindCaption(Root(), file)->Hint(), MenuPath(file));
  EXPECT_EQ(FindCaption(Root(), L"<Ünïcødé 📁>")->Hint(), MenuPath(L"Ünïcødé 📁"));
}

TEST_F(MenuBuilderTest, ColumnsStartAtEveryLthVisibleItem) {
  for (int i = 1; i <= 7; ++i) WriteFile(L"file" + std::to_wstring(i) + L".txt");
  settings.SetColumnLength(3);
  win->FillListed(Listing(MenuPath()), Root(), true);
  std::vector<std::wstring> breaks;
  for (int i = 0; i < Root().Count(); ++i) {
    const TMenuItem& item = *Root().Items(i);
    if (item.Visible() && item.Break() != TMenuBreak::mbNone) {
      breaks.push_back(item.Caption());
      EXPECT_EQ(item.Break(), TMenuBreak::mbBarBreak);
    }
  }
  EXPECT_EQ(breaks, (Captions{L"file3.txt", L"file6.txt"}));

  TMenuItem& file3 = *FindCaption(Root(), L"file3.txt");
  EXPECT_TRUE(::GetMenuState(Root().Handle(), file3.Command(), MF_BYCOMMAND) & MF_MENUBARBREAK);

  settings.SetVerticalBars(false);
  win->RebuildMenu();
  EXPECT_EQ(FindCaption(Root(), L"file3.txt")->Break(), TMenuBreak::mbBreak);
  settings.SetSplitColumns(false);
  win->RebuildMenu();
  EXPECT_EQ(FindCaption(Root(), L"file3.txt")->Break(), TMenuBreak::mbNone);

  // In a submenu the count starts after the open-this-folder item.
  MakeFolder(L"Sub");
  for (int i = 1; i <= 4; ++i) WriteFile(L"Sub\\in" + std::to_wstring(i) + L".txt");
  settings.SetSplitColumns(true);
  settings.SetVerticalBars(true);
  settings.SetColumnLength(2);
  win->RebuildMenu();
  TMenuItem& sub = *FindCaption(Root(), L"<Sub>");
  Open(sub);
  std::vector<std::wstring> subBreaks;
  for (int i = 0; i < sub.Count(); ++i) {
    const TMenuItem& item = *sub.Items(i);
    if (!item.Visible()) continue;
    const UINT state = ::GetMenuState(sub.Handle(), item.Command(), MF_BYCOMMAND);
    ASSERT_NE(state, static_cast<UINT>(-1)) << i;
    EXPECT_EQ((state & MF_MENUBARBREAK) != 0, item.Break() != TMenuBreak::mbNone) << i;
    if (state & MF_MENUBARBREAK) subBreaks.push_back(item.Caption());
  }
  EXPECT_EQ(subBreaks, (Captions{L"in2.txt", L"in4.txt"}));
}

TEST_F(MenuBuilderTest, NoSettingsHolderBuildsNothing) {
  WriteFile(L"notes.txt");
  win->SetMenuBuildSettings(nullptr);
  win->FillListed(Listing(MenuPath()), Root(), true);
  EXPECT_EQ(Root().Count(), 0);
  EXPECT_FALSE(win->Ready());
}

TEST_F(MenuBuilderTest, CancelledPassKeepsItsItemsAndResumes) {
  for (int i = 1; i <= 5; ++i) WriteFile(L"file" + std::to_wstring(i) + L".txt");
  PostCancel();
  win->FillListed(Listing(MenuPath()), Root(), true);
  ASSERT_EQ(Root().Count(), 1);  // stopped after the first entry
  EXPECT_NE(Root().Tag(), -1);
  EXPECT_TRUE(win->Ready());

  win->FillListed(Listing(MenuPath()), Root(), true);
  EXPECT_EQ(VisibleCaptions(Root()), (Captions{L"file1.txt", L"file2.txt", L"file3.txt", L"file4.txt", L"file5.txt"}));
  EXPECT_EQ(Root().Count(), 7);  // with the hidden <.> and <..>, each once
  EXPECT_EQ(Root().Tag(), -1);
}

// Cancels the pass as soon as its icon stage asks whether icons are wanted.
class TCancelAtIcons final : public TMenuBuildSettings {
public:
  explicit TCancelAtIcons(std::function<void()> cancel) : FCancel(std::move(cancel)) {}
  bool ShowIcons() const override {
    FCancel();
    return true;
  }
  bool SplitColumns() const override { return false; }
  std::int32_t ColumnLength() const override { return 20; }
  bool VerticalBars() const override { return false; }

private:
  std::function<void()> FCancel;
};

TEST_F(MenuBuilderTest, CancelledIconPassLeavesTheRestWithoutIcons) {
  for (int i = 1; i <= 4; ++i) WriteFile(L"file" + std::to_wstring(i) + L".txt");
  TCancelAtIcons cancelling([this] { PostCancel(); });
  win->SetMenuBuildSettings(&cancelling);
  win->FillListed(Listing(MenuPath()), Root(), true);
  EXPECT_EQ(Root().Tag(), -1);
  ASSERT_TRUE(WaitForIcons());
  EXPECT_GE(win->PCMain().ItemImageIndex(*FindCaption(Root(), L"file1.txt")), 0);
  for (const wchar_t* name : {L"file2.txt", L"file3.txt", L"file4.txt"}) {
    EXPECT_EQ(win->PCMain().ItemImageIndex(*FindCaption(Root(), name)), -1) << name;
  }
}

// The command menu ends with a disabled line that tells which build runs and where its menu
// folder is, for a bug report.
TEST_F(MenuBuilderTest, CommandMenuEndsWithTheVersionLine) {
  const TMenuItem& items = win->PopupMenu1().Items();
  ASSERT_EQ(items.Count(), 6);
  const std::wstring architecture = sizeof(void*) == 8 ? L"64-bit" : L"32-bit";
  const Captions expected{L"表示の設定(&V)...", L"登録フォルダを開く(&R)...", L"-", L"終了(&X)", L"-",
                          L"Tamarind " TAMARIND_VERSION_STRING " (" + architecture + L")\t" + menuFolder};
  Captions captions;
  for (int i = 0; i < items.Count(); ++i) captions.push_back(items.Items(i)->Caption());
  EXPECT_EQ(captions, expected);
  EXPECT_FALSE(items.Items(5)->Enabled());
  EXPECT_TRUE(items.Items(3)->Enabled());
}
