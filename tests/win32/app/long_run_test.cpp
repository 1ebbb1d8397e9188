// Months in the tray, compressed: thousands of rebuilds and hundreds of menu openings, with the
// process's objects, handles and memory recorded along the way. The regular run does a tenth;
// TAMARIND_LONG_TESTS=1 runs 10 000 rebuilds and 1 000 openings of each kind.
#include <windows.h>
#include <psapi.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "framework/image_list.h"
#include "framework/menu_item.h"
#include "framework/popup_menu.h"
#include "framework/system_paths.h"
#include "launcher_fixture.h"
#include "menu/popup_cool.h"
#include "support/message_pump.h"
#include "support/test_forms.h"
#include "tray/callback_window.h"
#include "tray/tray_icon.h"

namespace {

constexpr UINT WM_GESTUREPOPUP = WM_USER + 0x67;

// The gesture's popup handler comes with the gesture timer; until then that part is skipped.
template <typename T>
constexpr bool HasGesturePopup = requires { &T::WMGesturePopup; };

int Scaled(int regular, int longRun) { return std::getenv("TAMARIND_LONG_TESTS") ? longRun : regular; }

// What the process holds. Wine gives no GDI or USER object counts (0) and no private bytes, so
// the commit charge and the working set stand in for memory.
struct TFigures {
  int Images;
  int Components;
  int StyledItems;
  DWORD Handles;
  DWORD GdiObjects;
  DWORD UserObjects;
  SIZE_T CommitKB;
  SIZE_T WorkingSetKB;
};

class LongRunTest : public LauncherTest {
protected:
  void SetUp() override {
    LauncherTest::SetUp();
    FillWithMixedEntries(100);
  }

  TFigures Measure() const {
    PROCESS_MEMORY_COUNTERS memory{};
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &memory, sizeof(memory));
    DWORD handles = 0;
    ::GetProcessHandleCount(::GetCurrentProcess(), &handles);
    return {win->ImageList().Count(),
            static_cast<int>(win->Components().size()),
            win->PCMain().ItemImages().Count(),
            handles,
            ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS),
            ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS),
            memory.PagefileUsage / 1024,
            memory.WorkingSetSize / 1024};
  }

  // Runs `step` `count` times, recording the figures every tenth; the figures after the first
  // tenth (warm-up) must not move, memory within a small allowance.
  void ExpectFlat(const char* what, int count, const std::function<void(int)>& step) {
    std::vector<TFigures> samples;
    for (int i = 1; i <= count; ++i) {
      step(i);
      if (i % (count / 10) != 0) continue;
      EXPECT_TRUE(WaitForIcons());  // the figures of a settled menu
      samples.push_back(Measure());
      const TFigures& f = samples.back();
      std::printf("%s %5d: images %d, components %d, styled items %d, handles %lu, GDI %lu, USER %lu, commit %lu KB, "
                  "working set %lu KB\n",
                  what, i, f.Images, f.Components, f.StyledItems, f.Handles, f.GdiObjects, f.UserObjects,
                  static_cast<unsigned long>(f.CommitKB), static_cast<unsigned long>(f.WorkingSetKB));
    }
    const TFigures& warm = samples.front();
    for (const TFigures& f : samples) {
      EXPECT_EQ(f.Images, warm.Images);
      EXPECT_EQ(f.Components, warm.Components);
      EXPECT_EQ(f.StyledItems, warm.StyledItems);
      EXPECT_LE(f.Handles, warm.Handles + 2);
      EXPECT_EQ(f.GdiObjects, warm.GdiObjects);
      EXPECT_EQ(f.UserObjects, warm.UserObjects);
      // The heap may keep a little more after churning, and the lookups' workers come and go with
      // their stacks, a megabyte either way; a leak per step would show as many megabytes.
      EXPECT_LT(f.CommitKB, warm.CommitKB + 2048);
    }
  }

  // The menus of the root and of every submenu made so far.
  std::vector<HMENU> MenuHandles() const {
    std::vector<HMENU> menus{win->MainMenu().Handle()};
    for (int i = 0; i < Root().Count(); ++i) {
      TMenuItem& item = *Root().Items(i);
      if (item.Count() > 0 && item.HandleAllocated()) menus.push_back(item.Handle());
    }
    return menus;
  }

  TErrorBoxCapture errors;
};

TEST_F(LongRunTest, RebuildsLeaveNothingBehind) {
  // The first item is the hidden <..>, the test program's own folder, whose program has an icon
  // of its own: it is kept before the figures start, not whenever its lookup first beats the
  // rebuild that follows the opening.
  win->RebuildMenu();
  Open(*Root().Items(0));
  ASSERT_TRUE(WaitForIcons());
  win->RebuildMenu();
  int staleMenus = 0;
  ExpectFlat("rebuild", Scaled(1000, 10000), [&](int i) {
    // Now and then a submenu is opened up, so its menu exists; the next rebuild must free it.
    if (i % 100 != 0) return win->RebuildMenu();
    TMenuItem& folder = *Root().Items(0);
    Open(folder);
    win->PCMain().AttachItems(Root());
    const std::vector<HMENU> before = MenuHandles();
    win->RebuildMenu();
    for (size_t k = 1; k < before.size(); ++k) staleMenus += ::IsMenu(before[k]) != FALSE;
  });
  std::printf("menus of replaced submenus still alive: %d\n", staleMenus);
  EXPECT_EQ(staleMenus, 0);
  EXPECT_TRUE(errors.Messages.empty());
}

TEST_F(LongRunTest, TrayOpeningsLeaveNothingBehind) {
  win->RebuildMenu();
  const HWND tray = TCallbackWindow::Instance()->Handle();
  const WPARAM icon = static_cast<WPARAM>(win->TrayIcon1().IconID());
  int opened = 0;
  ExpectFlat("tray opening", Scaled(100, 1000), [&](int) {
    // A right press on the icon, as the shell reports it.
    opened += OpensAMenu([&] { ::SendMessageW(tray, WM_TRAYNOTIFY, icon, WM_RBUTTONDOWN); });
  });
  EXPECT_EQ(opened, Scaled(100, 1000));
  EXPECT_TRUE(errors.Messages.empty());
}

TEST_F(LongRunTest, TheLauncherIconComesBackWithANewTaskbar) {
  win->RebuildMenu();
  NOTIFYICONDATAW data{};
  data.cbSize = NOTIFYICONDATAW_V1_SIZE;
  data.hWnd = TCallbackWindow::Instance()->Handle();
  data.uID = static_cast<UINT>(win->TrayIcon1().IconID());
  // The shell restarts and has forgotten the icon.
  ASSERT_TRUE(::Shell_NotifyIconW(NIM_DELETE, &data));
  ASSERT_FALSE(::Shell_NotifyIconW(NIM_MODIFY, &data));
  // The new shell's announcement, as it reaches the icon's window.
  ::SendMessageW(data.hWnd, ::RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  EXPECT_TRUE(::Shell_NotifyIconW(NIM_MODIFY, &data));
  EXPECT_TRUE(OpensAMenu([&] { ::SendMessageW(data.hWnd, WM_TRAYNOTIFY, data.uID, WM_RBUTTONDOWN); }));
}

TEST_F(LongRunTest, GestureOpeningsLeaveNothingBehind) {
  if (!HasGesturePopup<TWinMain>) GTEST_SKIP() << "the main window does not handle the gesture message yet";
  win->RebuildMenu();
  int opened = 0;
  ExpectFlat("gesture opening", Scaled(100, 1000), [&](int) {
    opened += OpensAMenu([&] { ::PostMessageW(win->Handle(), WM_GESTUREPOPUP, 0, 0); });
    win->FormDeactivate(win.get());  // as the user clicking elsewhere: the next gesture shows again
  });
  EXPECT_EQ(opened, Scaled(100, 1000));
  EXPECT_TRUE(errors.Messages.empty());
}

}  // namespace
