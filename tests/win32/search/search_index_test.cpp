// The search index over a fake menu tree: read once per real folder however it is reached, to a
// bounded depth and size, read again where a folder changed, and searchable while a folder on a
// share that does not answer is still being read.
#include <gtest/gtest.h>

#include <algorithm>

#include "fake_menu_tree.h"
#include "search/search_index.h"
#include "support/call_gate.h"
#include "support/message_pump.h"

namespace {

const std::wstring Menu = L"C:\\M";

bool Settled(const TSearchIndex& index) {
  const auto& folders = index.Snapshot()->Folders;
  return std::none_of(folders.begin(), folders.end(), [](const TIndexFolder& folder) { return folder.Pending; });
}

// name|folder|path of each hit
std::vector<std::wstring> Found(const TSearchIndex& index, const std::wstring& text, const std::wstring& subtree = L"") {
  std::vector<std::wstring> found;
  for (const TSearchHit& hit : index.Search(text, {}, 50, subtree).Hits)
    found.push_back(hit.Name + L"|" + hit.Folder + L"|" + hit.Path);
  return found;
}

TEST(SearchIndex, EachFolderIsReadOnceAsTheMenusShowIt) {
  const auto tree = std::make_shared<TFakeMenuTree>();
  tree->AddFolder(Menu);
  tree->AddFolder(Menu + L"\\Tools");
  tree->AddFile(Menu + L"\\Tools\\Top.lnk", L"C:\\Links\\Root");  // the menu folder, by another path
  tree->AddFile(Menu + L"\\Tools\\Again.lnk", Menu + L"\\Tools");
  tree->AddAlias(L"C:\\Links\\Root", Menu);
  tree->AddFile(Menu + L"\\Editor.lnk", L"C:\\Apps\\editor.exe");
  tree->AddFolder(L"D:\\Docs");
  tree->AddFile(L"D:\\Docs\\Report.txt");
  tree->AddFile(Menu + L"\\Docs.lnk", L"D:\\Docs");
  std::wstring deep = Menu;
  for (int level = 1; level <= 10; ++level) {
    deep += L"\\L" + std::to_wstring(level);
    tree->AddFolder(deep);
    tree->AddFile(deep + L"\\file" + std::to_wstring(level) + L".txt");
  }
  TSearchIndex index(Menu, tree);
  int changes = 0;
  index.OnChange = [&] { ++changes; };
  index.Start();
  ASSERT_TRUE(PumpUntil([&] { return Settled(index) && changes > 0; }, 5000));

  for (const std::wstring& folder : {Menu, Menu + L"\\Tools", std::wstring(L"D:\\Docs")})
    EXPECT_EQ(tree->Listings(folder), 1) << folder;
  // A shortcut to a folder is shown as that folder, and not read again below itself.
  EXPECT_EQ(Found(index, L"root"), std::vector<std::wstring>{L"<Root>|Tools|C:\\Links\\Root"});
  EXPECT_EQ(Found(index, L"AGAIN"), std::vector<std::wstring>{});
  EXPECT_EQ(Found(index, L"tools"), (std::vector<std::wstring>{L"<Tools>||C:\\M\\Tools", L"<Tools>|Tools|C:\\M\\Tools"}));
  EXPECT_EQ(Found(index, L"editor"), std::vector<std::wstring>{L"Editor||C:\\M\\Editor.lnk"});
  EXPECT_EQ(Found(index, L"report"), std::vector<std::wstring>{L"Report.txt|Docs|D:\\Docs\\Report.txt"});
  EXPECT_EQ(Found(index, L"report", L"d:\\docs\\"), std::vector<std::wstring>{L"Report.txt||D:\\Docs\\Report.txt"});
  // Folders down to depth eight are read; those in the eighth are shown, not read.
  EXPECT_EQ(Found(index, L"file8").size(), 1u);
  EXPECT_EQ(Found(index, L"file9"), std::vector<std::wstring>{});
  EXPECT_EQ(Found(index, L"l9").size(), 1u);
  EXPECT_EQ(Found(index, L"l10"), std::vector<std::wstring>{});

  // Only the folder whose write time moved is read again.
  tree->AddFile(Menu + L"\\Tools\\New Tool.exe");
  index.FolderChanged();
  ASSERT_TRUE(PumpUntil([&] { return Found(index, L"new").size() == 1; }, 5000));
  EXPECT_EQ(tree->Listings(Menu + L"\\Tools"), 2);
  EXPECT_EQ(tree->Listings(Menu), 1);
  EXPECT_EQ(tree->Listings(L"D:\\Docs"), 1);
}

TEST(SearchIndex, NoMoreThanTheCapIsKept) {
  const auto tree = std::make_shared<TFakeMenuTree>();
  tree->AddFolder(Menu);
  for (int f = 0; f < 45; ++f) {
    const std::wstring folder = Menu + L"\\F" + std::to_wstring(f);
    tree->AddFolder(folder);
    for (int i = 0; i < 2500; ++i) tree->AddFile(folder + L"\\item" + std::to_wstring(i) + L".txt");
  }
  TSearchIndex index(Menu, tree);
  index.Start();
  ASSERT_TRUE(PumpUntil([&] { return Settled(index) && index.Snapshot()->Folders.size() > 1; }, 60000));
  std::size_t entries = 0;
  for (const TIndexFolder& folder : index.Snapshot()->Folders) entries += folder.Entries;
  EXPECT_EQ(entries, TIndexTree::MaxEntries);
  const TSearchResults items = index.Search(L"item", {}, 10);
  EXPECT_EQ(items.Hits.size() + items.More, TIndexTree::MaxEntries - 45);
}

TEST(SearchIndex, AFolderThatDoesNotAnswerHoldsBackNoSearch) {
  const auto gate = TCallGate::Make();
  const auto tree = std::make_shared<TFakeMenuTree>(gate);
  tree->AddFolder(Menu);
  tree->AddFile(Menu + L"\\Readme.txt");
  tree->AddFile(Menu + L"\\Share.lnk", L"\\\\dead\\hung");
  tree->AddFolder(L"\\\\dead\\hung");
  tree->AddFile(L"\\\\dead\\hung\\Remote.txt");
  TSearchIndex index(Menu, tree);
  index.Start();
  ASSERT_TRUE(PumpUntil([&] { return gate->Held() == 1 && !Found(index, L"readme").empty(); }, 5000));
  EXPECT_TRUE(index.Search(L"readme", {}, 5).Incomplete);
  EXPECT_EQ(Found(index, L"share"), std::vector<std::wstring>{L"Share||C:\\M\\Share.lnk"});  // a file until known
  gate->Open();
  ASSERT_TRUE(PumpUntil([&] { return Settled(index); }, 5000));
  EXPECT_FALSE(index.Search(L"readme", {}, 5).Incomplete);
  EXPECT_EQ(Found(index, L"remote"), std::vector<std::wstring>{L"Remote.txt|hung|\\\\dead\\hung\\Remote.txt"});
}

}  // namespace
