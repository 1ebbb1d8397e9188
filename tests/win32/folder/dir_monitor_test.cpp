#include "folder/dir_monitor.h"

#include <gtest/gtest.h>

#include "support/message_pump.h"
#include "support/temp_folder.h"

using enum TDirMonitorFilterValue;

namespace {

class DirMonitorTest : public ::testing::Test {
protected:
  void SetUp() override { TDirMonitor::SetInterval(100); }
  void TearDown() override { TDirMonitor::SetInterval(2000); }

  TComponentPtr<TDirMonitor> Watch(const std::wstring& directory, bool subtree, int& changes) {
    auto monitor = MakeComponent<TDirMonitor>();
    monitor->SetDirectory(directory);
    monitor->SetIncludeSubDir(subtree);
    monitor->OnChange = [&changes](TComponent*) { ++changes; };
    monitor->SetActive(true);
    return monitor;
  }

  TTempFolder folder;
};

// Changes made in a sub-folder of a watched folder, counted as seen by one monitor.
int ChangesSeenFromSubFolder(bool includeSubDir, unsigned long long& firstSeenAfterMs) {
  TTempFolder tree;
  int changes = 0;
  auto monitor = MakeComponent<TDirMonitor>();
  monitor->SetDirectory(tree.Path());
  monitor->SetIncludeSubDir(includeSubDir);
  monitor->SetFilter({dmfFileName, dmfDirName, dmfAttributes, dmfSize, dmfLastWrite});
  monitor->OnChange = [&changes](TComponent*) { ++changes; };
  monitor->SetActive(true);
  TDirMonitor::SetInterval(1000);  // as the launcher runs it

  // The sub-folder is made while watching: Wine's subtree watch misses folders that existed
  // before it (Windows does not). Making it is a change in the folder itself.
  tree.MakeFolder(L"Sub");
  EXPECT_TRUE(PumpUntil([&] { return changes > 0; }, 3000));
  PumpFor(1100);
  changes = 0;

  const unsigned long long start = NowMs();
  tree.WriteFile(L"Sub\\new.txt");
  PumpUntil([&] { return changes > 0; }, 2500);
  firstSeenAfterMs = NowMs() - start;
  PumpFor(300);
  return changes;
}

TEST_F(DirMonitorTest, ChangeInASubFolderIsSeenOnlyWithIncludeSubDir) {
  unsigned long long seenAfterMs = 0;
  EXPECT_GT(ChangesSeenFromSubFolder(true, seenAfterMs), 0);
  EXPECT_LE(seenAfterMs, 1500u);
  EXPECT_EQ(ChangesSeenFromSubFolder(false, seenAfterMs), 0);
}

TEST_F(DirMonitorTest, AFolderThatKeepsChangingIsRaisedOnceATick) {
  TDirMonitor::SetInterval(1000);
  int changes = 0;
  auto monitor = Watch(folder.Path(), false, changes);
  monitor->OnChange = [&](TComponent*) {
    // Writes into the watched folder and waits until the re-armed handle has seen it, as a
    // busy folder does while the launcher rebuilds. Bounded, so a loop would still end.
    if (++changes > 20) return;
    folder.WriteFile(L"busy.txt", std::string(static_cast<std::size_t>(changes), 'x'));
    ::WaitForSingleObject(monitor->Handle(), 500);
  };
  folder.WriteFile(L"first.txt");
  ASSERT_TRUE(PumpUntil([&] { return changes > 0; }, 2500));
  PumpFor(400);  // less than one polling interval
  EXPECT_EQ(changes, 1);
  PumpFor(1200);  // the change made during the handler comes with the next tick
  EXPECT_EQ(changes, 2);
}

TEST_F(DirMonitorTest, AnEmptyDirectoryWatchesTheCurrentDirectory) {
  wchar_t saved[MAX_PATH];
  ::GetCurrentDirectoryW(MAX_PATH, saved);
  ::SetCurrentDirectoryW(folder.Path().c_str());
  int changes = 0;
  auto monitor = Watch(L"", false, changes);
  ::SetCurrentDirectoryW(saved);
  ASSERT_TRUE(monitor->Handle() != INVALID_HANDLE_VALUE);
  folder.WriteFile(L"here.txt");
  EXPECT_TRUE(PumpUntil([&] { return changes > 0; }, 3000));
}

TEST_F(DirMonitorTest, ARefusedWatchDoesNotSilenceTheOthers) {
  int brokenChanges = 0, goodChanges = 0;
  auto broken = Watch(folder / L"does-not-exist", false, brokenChanges);
  auto good = Watch(folder.Path(), false, goodChanges);
  EXPECT_EQ(broken->Handle(), INVALID_HANDLE_VALUE);
  folder.WriteFile(L"still-seen.txt");
  EXPECT_TRUE(PumpUntil([&] { return goodChanges > 0; }, 3000));
  EXPECT_EQ(brokenChanges, 0);

  // A later restart on a folder that exists watches again.
  broken->SetDirectory(folder.Path());
  EXPECT_NE(broken->Handle(), INVALID_HANDLE_VALUE);
}

TEST_F(DirMonitorTest, AWatchRefusedForAMissingFolderTakesWhenTheFolderAppears) {
  int changes = 0;
  auto monitor = Watch(folder / L"later", true, changes);
  EXPECT_EQ(monitor->Handle(), INVALID_HANDLE_VALUE);
  PumpFor(300);
  EXPECT_EQ(changes, 0);  // a missing folder is no change

  // The folder comes (back): that is one change, and from then on it is watched.
  folder.MakeFolder(L"later");
  EXPECT_TRUE(PumpUntil([&] { return changes == 1; }, 1000));
  EXPECT_NE(monitor->Handle(), INVALID_HANDLE_VALUE);
  folder.WriteFile(L"later\\inside.txt");
  EXPECT_TRUE(PumpUntil([&] { return changes == 2; }, 1000));
}

TEST_F(DirMonitorTest, SharedTimerStopsWithTheLastMonitorAndRestartsWithTheSharedInterval) {
  int changes = 0;
  auto first = Watch(folder.Path(), false, changes);
  auto second = Watch(folder.Path(), false, changes);
  second->SetInterval(700);
  EXPECT_EQ(first->Interval(), 700);
  EXPECT_EQ(MonitorTimerInterval(), 700u);
  first->SetActive(false);
  EXPECT_TRUE(MonitorTimerRunning());
  second->SetActive(false);
  EXPECT_FALSE(MonitorTimerRunning());
  EXPECT_EQ(second->Handle(), INVALID_HANDLE_VALUE);
  first->SetActive(true);
  EXPECT_TRUE(MonitorTimerRunning());
  EXPECT_EQ(MonitorTimerInterval(), 700u);
}

TEST_F(DirMonitorTest, OnlyADifferentDirectoryRestartsTheWatch) {
  int changes = 0;
  auto monitor = Watch(folder.Path(), false, changes);
  const HANDLE before = monitor->Handle();
  monitor->SetDirectory(folder.Path());
  EXPECT_EQ(monitor->Handle(), before);
  std::wstring otherCase = folder.Path();
  otherCase[0] = static_cast<wchar_t>(::towlower(otherCase[0]));  // C:\ becomes c:\, the same folder
  monitor->SetDirectory(otherCase);
  EXPECT_EQ(monitor->Directory(), otherCase);
  EXPECT_NE(monitor->Handle(), INVALID_HANDLE_VALUE);
  folder.WriteFile(L"after-restart.txt");
  EXPECT_TRUE(PumpUntil([&] { return changes > 0; }, 3000));
}

// The main window activates its monitor first and then widens what it watches; each setting
// must reach the system's watch.
TEST_F(DirMonitorTest, IncludeSubDirSetWhileActiveWatchesTheSubtree) {
  int changes = 0;
  auto monitor = Watch(folder.Path(), false, changes);
  monitor->SetFilter({dmfFileName, dmfDirName, dmfAttributes, dmfSize, dmfLastWrite});
  monitor->SetIncludeSubDir(true);
  folder.MakeFolder(L"Sub");  // made after the watch: Wine's subtree watch misses older ones
  ASSERT_TRUE(PumpUntil([&] { return changes > 0; }, 2000));
  PumpFor(300);
  changes = 0;
  folder.WriteFile(L"Sub\\deep.txt");
  EXPECT_TRUE(PumpUntil([&] { return changes > 0; }, 2000));
}

TEST_F(DirMonitorTest, FilterSetWhileActiveReachesTheSystem) {
  int changes = 0;
  auto monitor = MakeComponent<TDirMonitor>();
  monitor->SetDirectory(folder.Path());
  monitor->SetFilter({dmfDirName});  // a new file is no change for this watch
  monitor->OnChange = [&changes](TComponent*) { ++changes; };
  monitor->SetActive(true);
  folder.WriteFile(L"ignored.txt");
  PumpFor(400);
  ASSERT_EQ(changes, 0);

  monitor->SetFilter({dmfFileName});
  folder.WriteFile(L"counted.txt");
  EXPECT_TRUE(PumpUntil([&] { return changes > 0; }, 2000));
}

TEST_F(DirMonitorTest, NoEventsOnceInactiveOrWithoutAHandler) {
  int changes = 0;
  auto monitor = Watch(folder.Path(), false, changes);
  monitor->SetActive(false);
  folder.WriteFile(L"unseen.txt");
  PumpFor(400);
  EXPECT_EQ(changes, 0);

  monitor->OnChange = nullptr;
  monitor->SetActive(true);
  folder.WriteFile(L"unheard.txt");
  PumpFor(400);  // re-armed without a handler; nothing to crash into
  monitor->OnChange = [&](TComponent*) { ++changes; };
  folder.WriteFile(L"heard.txt");
  EXPECT_TRUE(PumpUntil([&] { return changes > 0; }, 3000));
}

TEST(DirMonitorFlags, FilterMapsToTheSystemsFlags) {
  EXPECT_EQ(NotifyFlags({dmfFileName, dmfAttributes, dmfSize, dmfLastWrite}), 0x01u | 0x04u | 0x08u | 0x10u);
  EXPECT_EQ(NotifyFlags({dmfDirName, dmfChangeSecurity}), 0x102u);
  EXPECT_EQ(NotifyFlags({}), 0u);
}

}  // namespace
