// The loaders against a fake file system that answers when the test says so: a call that hangs
// on one folder, file or share holds back no other, and an answer to a request forgotten since
// is dropped.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/folder_loader.h"
#include "app/icon_fetcher.h"
#include "app/shortcut_checker.h"
#include "framework/image_list.h"
#include "framework/menu_item.h"
#include "support/call_gate.h"
#include "support/message_pump.h"

namespace {

TComponentPtr<TMenuItem> ItemFor(const std::wstring& path) {
  auto item = MakeComponent<TMenuItem>();
  item->SetHint(path);
  return item;
}

bool Hangs(const std::wstring& path) { return path.find(L"hung") != std::wstring::npos; }

TListedEntry Entry(const std::wstring& name) {
  TListedEntry listed{};
  listed.Entry.Name = name;
  return listed;
}

}  // namespace

TEST(CallQueuesTest, CallsAreQueuedByServerOrDrive) {
  const std::pair<const wchar_t*, const wchar_t*> cases[] = {
      {L"c:\\Menu\\a.txt", L"C:"},          {L"D:", L"D:"},
      {L"\\\\Host\\share\\x", L"\\\\HOST"}, {L"\\\\?\\UNC\\host\\share\\x", L"\\\\HOST"},
      {L"\\\\?\\c:\\deep\\x", L"C:"},       {L"types", L"types"},
  };
  for (const auto& [path, queue] : cases) EXPECT_EQ(QueueOf(path), queue) << path;
}

// A folder whose listing hangs, highlighted first, and a local folder of seven files highlighted
// after it: on the same drive and on another server alike, the local one is listed at once.
TEST(FolderLoaderTest, AHungFolderHoldsBackNoOther) {
  for (const std::wstring hung : {L"C:\\Menu\\hung", L"\\\\dead\\share\\hung"}) {
    const auto gate = TCallGate::Make();
    std::vector<std::wstring> listed;
    std::vector<TListingNote> notes;
    TFolderLoader loader(
        [gate](const std::wstring& folder) {
          if (Hangs(folder)) gate->Pass();
          TFolderListing listing;
          listing.FolderExists = true;
          for (int i = 0; i < 7; ++i) listing.Entries.push_back(Entry(folder + L"\\file" + std::to_wstring(i)));
          return listing;
        },
        [&](TMenuItem& folder, const TFolderListing& listing) {
          EXPECT_EQ(listing.Entries.size(), 7u);
          listed.push_back(folder.Hint());
        },
        [&](TMenuItem&, TListingNote note) { notes.push_back(note); });
    const auto hungFolder = ItemFor(hung);
    const auto localFolder = ItemFor(L"C:\\Menu\\local");
    loader.Request(*hungFolder);
    ASSERT_TRUE(PumpUntil([&] { return gate->Held() == 1; }, 2000)) << hung;
    EXPECT_TRUE(PumpUntil([&] { return !notes.empty(); }, 1000)) << "a slow folder says it is being read";
    loader.Request(*localFolder);
    EXPECT_TRUE(PumpUntil([&] { return !listed.empty(); }, 1500)) << hung;
    EXPECT_EQ(listed, std::vector<std::wstring>{L"C:\\Menu\\local"});
    EXPECT_EQ(loader.Target(), nullptr);
    gate->Open();  // the hung call returns at last, long after it was given up
    EXPECT_TRUE(PumpUntil([&] { return loader.StaleListings() == 1; }, 2000)) << hung;
    EXPECT_EQ(listed.size(), 1u);
    // The local folder may have waited long enough to say it was being read, never more.
    EXPECT_EQ(std::count(notes.begin(), notes.end(), TListingNote::lnNoAnswer), 0);
  }
}

// Icons of a file on a hung share hold back neither the icons by type nor other files' own.
TEST(IconFetcherTest, AHungFileHoldsBackNoOtherIcon) {
  const auto gate = TCallGate::Make();
  const auto images = MakeComponent<TImageList>(16, 16);
  std::vector<std::wstring> shown;
  TIconFetcher fetcher(
      *images,
      [gate](TIconRequest request) {
        if (Hangs(request.Path)) gate->Pass();
        TIconAnswer answer;
        answer.Icon = TIconHandle(::CopyIcon(::LoadIconW(nullptr, IDI_APPLICATION)));
        answer.Request = std::move(request);
        return answer;
      },
      [&](std::span<TMenuItem* const> items, int) {
        for (const TMenuItem* item : items) shown.push_back(item->Hint());
      });
  const auto hung = ItemFor(L"\\\\dead\\share\\hung.exe");
  const auto program = ItemFor(L"C:\\Menu\\tool.exe");
  const auto first = ItemFor(L"C:\\Menu\\a.txt");
  const auto second = ItemFor(L"C:\\Menu\\b.TXT");
  for (TMenuItem* item : {hung.get(), program.get(), first.get(), second.get()}) fetcher.Fetch(*item);
  EXPECT_EQ(fetcher.Hits(), 1);  // b.TXT waits for a.txt's lookup
  ASSERT_TRUE(PumpUntil([&] { return shown.size() == 3; }, 1000));
  EXPECT_EQ(images->Count(), 2);  // the type's, and the program's own
  EXPECT_TRUE(fetcher.Awaited());

  // Built again: the type comes from the cache at once, the hung file's late answer is dropped.
  fetcher.Forget();
  fetcher.Fetch(*first);
  EXPECT_EQ(shown.back(), L"C:\\Menu\\a.txt");
  EXPECT_EQ(fetcher.CachedTypes(), 1);
  gate->Open();
  EXPECT_TRUE(PumpUntil([&] { return fetcher.StaleIcons() == 1; }, 2000));
  EXPECT_EQ(images->Count(), 2);
  EXPECT_FALSE(fetcher.Awaited());
}

// The root never waits for its shortcuts: each shows as the last check found it, a check that
// finds otherwise asks for one rebuild, and a check overtaken by a newer one is dropped.
TEST(ShortcutCheckerTest, ShortcutsShowAsLastFoundAndAChangeAsksForARebuild) {
  const auto gate = TCallGate::Make();
  int rebuilds = 0;
  TShortcutChecker checker(
      [gate](const std::wstring& shortcut) {
        gate->Pass();
        return shortcut.find(L"folder") != std::wstring::npos ? std::wstring(L"C:\\Target") : std::wstring();
      },
      [&] { ++rebuilds; });
  const auto root = [] {
    TFolderListing listing;
    for (const wchar_t* name : {L"C:\\Menu\\to folder.lnk", L"C:\\Menu\\to file.lnk", L"C:\\Menu\\notes.txt"})
      listing.Entries.push_back(Entry(name));
    return listing;
  };
  TFolderListing first = root();
  checker.Apply(first);
  EXPECT_EQ(first.Entries[0].FolderTarget, L"");
  ASSERT_TRUE(PumpUntil([&] { return gate->Held() == 1; }, 2000));
  TFolderListing second = root();
  checker.Apply(second);  // overtakes the first check
  ASSERT_TRUE(PumpUntil([&] { return gate->Held() == 2; }, 2000));
  gate->Open();
  ASSERT_TRUE(PumpUntil([&] { return rebuilds == 1 && checker.StaleChecks() == 1; }, 2000));

  TFolderListing third = root();
  checker.Apply(third);
  EXPECT_EQ(third.Entries[0].FolderTarget, L"C:\\Target");
  EXPECT_EQ(third.Entries[1].FolderTarget, L"");
  PumpFor(300);
  EXPECT_EQ(rebuilds, 1);  // found as before
}
