// The menu tree on disk as the index reads it: a folder is known by its identity, however the
// path to it is spelt; a folder's write time moves with its entries; entries come as the menus
// show them, a shortcut with the path it names.
#include <algorithm>

#include "search/menu_file_system.h"
#include "shell/shell_test_support.h"

using MenuFileSystemTest = ShellTest;

TEST_F(MenuFileSystemTest, FoldersAreKnownByIdentityAndListedAsTheMenusShowThem) {
  using enum TFileAttr;
  const TMenuFileSystem fileSystem({{ftReadOnly, ftHidden, ftSystem, ftDirectory, ftArchive, ftNormal}, {L"*.*"}});
  folder.WriteFile(L"Tools\\Editor.txt");
  MakeShortcut(folder / L"Tools\\Up.lnk", folder.Path());

  const auto menu = fileSystem.Stamp(folder.Path());
  const auto again = fileSystem.Stamp(folder / L"TOOLS\\..\\");
  const auto tools = fileSystem.Stamp(folder / L"Tools");
  ASSERT_TRUE(menu && again && tools);
  EXPECT_TRUE(menu->SameFolder(*again));
  EXPECT_FALSE(menu->SameFolder(*tools));
  EXPECT_FALSE(fileSystem.Stamp(folder / L"Tools\\Editor.txt"));
  EXPECT_FALSE(fileSystem.Stamp(folder / L"missing"));

  const std::vector<TFolderItem> top = fileSystem.List(folder.Path());
  ASSERT_EQ(top.size(), 1u);  // no <.> or <..>
  EXPECT_EQ(top[0].Name, L"Tools");
  EXPECT_TRUE(top[0].IsFolder);
  const std::vector<TFolderItem> inTools = fileSystem.List(folder / L"Tools");
  ASSERT_EQ(inTools.size(), 2u);
  const auto up = std::find_if(inTools.begin(), inTools.end(), [](const TFolderItem& item) { return item.IsShortcut; });
  ASSERT_NE(up, inTools.end());
  EXPECT_EQ(up->Name, L"Up.lnk");
  EXPECT_TRUE(fileSystem.Stamp(up->Target)->SameFolder(*menu)) << up->Target;

  folder.WriteFile(L"Tools\\New.txt");
  EXPECT_NE(fileSystem.Stamp(folder / L"Tools")->WriteTime, tools->WriteTime);
}
