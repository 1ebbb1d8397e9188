// Rebuilding the launcher menu: after changes in the menu folder, while a pass or a menu is
// running, and a thousand times over without growing.
#include <windows.h>
#include <psapi.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#include "folder/dir_monitor.h"
#include "framework/image_list.h"
#include "framework/menu_item.h"
#include "framework/popup_menu.h"
#include "framework/system_paths.h"
#include "launcher_fixture.h"
#include "menu/item_records.h"
#include "menu/popup_cool.h"
#include "support/message_pump.h"

namespace {

constexpr UINT WM_TEST_REBUILD = WM_USER + 0x201;

int CountCaption(const TMenuItem& item, const std::wstring& caption) {
  int count = 0;
  for (int i = 0; i < item.Count(); ++i) count += item.Items(i)->Caption() == caption;
  return count;
}

std::function<void()> InMenu;

void CALLBACK InMenuTimer(HWND, UINT, UINT_PTR id, DWORD) {
  ::KillTimer(nullptr, id);
  InMenu();
}

struct TResources {
  int Images;
  int Components;
  int StyledItems;
  int ItemRecords;  // of the launcher's styler
  int LiveRecords;  // of every styler
  DWORD GdiObjects;
  DWORD UserObjects;
  unsigned long PrivateBytes;
};

int CountItems(const TMenuItem& parent) {
  int count = parent.Count();
  for (int i = 0; i < parent.Count(); ++i) count += CountItems(*parent.Items(i));
  return count;
}

}  // namespace

using RebuildTest = LauncherTest;

TEST_F(RebuildTest, ChangeInTheMenuFolderRebuildsWithinTwoSeconds) {
  win->DirMon().SetActive(true);
  win->RebuildMenu();
  PumpFor(300);
  WriteFile(L"new.txt");
  EXPECT_TRUE(PumpUntil([&] { return FindCaption(Root(), L"new.txt") != nullptr; }, 2500));
  EXPECT_EQ(CountCaption(Root(), L"キャンセル"), 1);
}

TEST_F(RebuildTest, RebuildAskedForDuringAPassRunsOnceAfterIt) {
  for (int i = 1; i <= 3; ++i) WriteFile(L"file" + std::to_wstring(i) + L".txt");
  win->SetMessageHandler(WM_TEST_REBUILD, [this](TMessage&) {
    WriteFile(L"late.txt");
    win->RebuildMenu();
  });
  ::PostMessageW(win->Handle(), WM_TEST_REBUILD, 0, 0);
  win->RebuildMenu();
  // The running pass finished undisturbed, with one separator and one Cancel.
  EXPECT_EQ(CountCaption(Root(), L"-"), 1);
  EXPECT_EQ(CountCaption(Root(), L"キャンセル"), 1);
  EXPECT_EQ(Root().Items(Root().Count() - 1)->Caption(), L"キャンセル");
  EXPECT_EQ(FindCaption(Root(), L"late.txt"), nullptr);
  EXPECT_TRUE(win->Ready());
  // Then the one that waited.
  EXPECT_TRUE(PumpUntil([&] { return FindCaption(Root(), L"late.txt") != nullptr; }, 2000));
  EXPECT_EQ(CountCaption(Root(), L"キャンセル"), 1);
}

TEST_F(RebuildTest, RebuildWaitsWhileTheMenuIsOpen) {
  WriteFile(L"before.txt");
  win->RebuildMenu();
  TMenuItem* shown = FindCaption(Root(), L"before.txt");
  bool keptWhileOpen = false;
  // Inside the menu's loop: the folder changes and a rebuild is asked for; then the menu closes.
  InMenu = [&] {
    WriteFile(L"after.txt");
    win->RebuildMenu();
    keptWhileOpen = FindCaption(Root(), L"before.txt") == shown && FindCaption(Root(), L"after.txt") == nullptr;
    ::EndMenu();
  };
  const UINT_PTR timer = ::SetTimer(nullptr, 0, 300, InMenuTimer);
  win->MainMenu().Popup(10, 10);
  ::KillTimer(nullptr, timer);
  EXPECT_TRUE(keptWhileOpen);
  EXPECT_TRUE(PumpUntil([&] { return FindCaption(Root(), L"after.txt") != nullptr; }, 2000));
}

// A thousand rebuilds of 200 entries (programs, shortcuts, documents, folders) end where the
// first one left images, items and system objects, and where the hundredth left private memory:
// by then the lookups' workers have grown to what rebuilds this fast keep busy.
TEST_F(RebuildTest, ResourcesStayFlatOverAThousandRebuilds) {
  FillWithMixedEntries(200);
  const auto measure = [&] {
    PROCESS_MEMORY_COUNTERS_EX memory{};
    ::GetProcessMemoryInfo(::GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof(memory));
    return TResources{win->ImageList().Count(),
                      static_cast<int>(win->Components().size()),
                      win->PCMain().ItemImages().Count(),
                      win->PCMain().ItemRecords().Count(),
                      TItemRecords::LiveCount(),
                      ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS),
                      ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS),
                      // Wine leaves PrivateUsage at 0; the commit charge is the same figure there.
                      static_cast<unsigned long>(memory.PrivateUsage ? memory.PrivateUsage : memory.PagefileUsage)};
  };
  // The search index reads the tree once, from 3 s after the start: its memory comes before the
  // figures start.
  PumpFor(6000);
  win->RebuildMenu();
  ASSERT_TRUE(WaitForIcons());
  TResources first = measure();
  ASSERT_EQ(first.StyledItems, 160);  // every entry but the folders has its image
  EXPECT_EQ(first.ItemRecords, CountItems(Root()));  // one item data record an item, no more
  for (int i = 1; i < 100; ++i) win->RebuildMenu();
  ASSERT_TRUE(WaitForIcons());
  first.PrivateBytes = measure().PrivateBytes;
  for (int i = 100; i < 1000; ++i) win->RebuildMenu();
  ASSERT_TRUE(WaitForIcons());
  const TResources last = measure();
  std::printf("after rebuild 1: images %d, components %d, styled items %d, GDI %lu, USER %lu, private %lu KB\n",
              first.Images, first.Components, first.StyledItems, first.GdiObjects, first.UserObjects,
              first.PrivateBytes / 1024);
  std::printf("after rebuild 1000: images %d, components %d, styled items %d, GDI %lu, USER %lu, private %lu KB\n",
              last.Images, last.Components, last.StyledItems, last.GdiObjects, last.UserObjects,
              last.PrivateBytes / 1024);
  EXPECT_EQ(last.Images, first.Images);
  EXPECT_EQ(last.Components, first.Components);
  EXPECT_EQ(last.StyledItems, first.StyledItems);
  EXPECT_EQ(last.ItemRecords, first.ItemRecords);
  EXPECT_EQ(last.LiveRecords, first.LiveRecords);
  EXPECT_EQ(last.GdiObjects, first.GdiObjects);
  EXPECT_EQ(last.UserObjects, first.UserObjects);
  // The heap may keep a little more after churning; growth per rebuild would show as megabytes.
  EXPECT_LT(last.PrivateBytes, first.PrivateBytes + 512 * 1024);
}
