// The recent items on disk: loading drops the items whose files have gone once the check on a
// worker answers, and starting an item saves the list, which the next run reads back.
#include <gtest/gtest.h>

#include "framework/utf8.h"
#include "framework/whole_file.h"
#include "search/recent_items.h"
#include "support/message_pump.h"
#include "support/temp_folder.h"

TEST(RecentItems, GoneItemsLeaveAndStartedOnesAreKeptAcrossRuns) {
  const TTempFolder folder;
  const std::wstring kept = folder.WriteFile(L"\u30E1\u30E2.txt");
  const std::wstring gone = folder / L"gone.txt";
  const std::wstring file = folder / L"Tamarind.recent";
  ASSERT_TRUE(ReplaceWholeFile(file, ToUtf8(gone + L"\n" + kept + L"\n")));

  TRecentItems recent;
  recent.Load(file);
  EXPECT_EQ(recent.Paths(), (std::vector<std::wstring>{gone, kept}));
  ASSERT_TRUE(PumpUntil([&] { return recent.Paths().size() == 1; }, 5000));
  EXPECT_EQ(recent.Paths(), std::vector<std::wstring>{kept});

  const std::wstring started = folder.WriteFile(L"started.exe");
  EXPECT_TRUE(recent.Started(started));
  TRecentItems nextRun;
  nextRun.Load(file);
  EXPECT_EQ(nextRun.Paths(), (std::vector<std::wstring>{started, kept}));
}
