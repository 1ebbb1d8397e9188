// File icons come from a worker after the items: the items are there at once, each icon follows
// when its answer is handled, one lookup serves every file of a type, and an answer asked for
// before a rebuild is dropped, never applied to the new items.
#include <windows.h>
#include <psapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/icon_fetcher.h"
#include "framework/image_list.h"
#include "framework/menu_item.h"
#include "framework/popup_menu.h"
#include "framework/system_paths.h"
#include "launcher_fixture.h"
#include "menu/popup_cool.h"
#include "support/call_gate.h"
#include "support/message_pump.h"

namespace {

std::size_t CommitCharge() {
  PROCESS_MEMORY_COUNTERS memory{};
  ::GetProcessMemoryInfo(::GetCurrentProcess(), &memory, sizeof(memory));
  return memory.PagefileUsage;
}

}  // namespace

class IconArrivalTest : public LauncherTest {
protected:
  // From now on the lookups wait for the test before they answer.
  void HoldIcons() {
    win->Icons().SetLookUp([gate = gate](TIconRequest request) {
      gate->Pass();
      return LookUpIcon(std::move(request));
    });
  }
  // Lets the lookups held so far answer, and handles the answers.
  void DeliverHeld() {
    gate->Release();
    EXPECT_TRUE(WaitForIcons());
  }
  int ImageOf(const std::wstring& caption) const {
    const TMenuItem* item = FindCaption(Root(), caption);
    EXPECT_NE(item, nullptr) << caption;
    return item ? win->PCMain().ItemImageIndex(*item) : -2;
  }

  std::shared_ptr<TCallGate> gate = TCallGate::Make();
};

TEST_F(IconArrivalTest, ItemsComeFirstAndEachIconFollowsFromOneLookupPerTypeOrFile) {
  const std::wstring program = ExecutablePath();
  ASSERT_TRUE(::CopyFileW(program.c_str(), MenuPath(L"tool.exe").c_str(), FALSE));
  ASSERT_TRUE(::CopyFileW(program.c_str(), MenuPath(L"other.exe").c_str(), FALSE));
  SaveShellLink(MenuPath(L"Tool.lnk"), program);
  for (const wchar_t* name : {L"a.txt", L"b.txt", L"c.TXT", L"d.log"}) WriteFile(name);
  MakeFolder(L"Tools");

  // The image each file ends with: files of one type share theirs, every other file has its own.
  struct TCase {
    const wchar_t* Caption;
    const wchar_t* SharesWith;  // null: an image of its own
  };
  const TCase cases[] = {{L"a.txt", nullptr}, {L"b.txt", L"a.txt"}, {L"c.TXT", L"a.txt"}, {L"d.log", nullptr},
                         {L"tool.exe", nullptr}, {L"other.exe", nullptr}, {L"Tool", nullptr}};
  const int lookups = win->Icons().Lookups();
  const int hits = win->Icons().Hits();
  HoldIcons();
  win->RebuildMenu();
  // Every item is there, with its path for the hint, and no picture yet.
  for (const TCase& c : cases) {
    const TMenuItem* item = FindCaption(Root(), c.Caption);
    ASSERT_NE(item, nullptr) << c.Caption;
    EXPECT_EQ(win->PCMain().ItemImageIndex(*item), -1) << c.Caption;
    EXPECT_EQ(win->PCMain().ItemHint(*item), item->Hint()) << c.Caption;
  }
  EXPECT_NE(FindCaption(Root(), L"<Tools>"), nullptr);
  EXPECT_TRUE(win->Icons().Awaited());
  EXPECT_EQ(win->Icons().Lookups(), lookups + 7);
  EXPECT_EQ(win->Icons().Hits(), hits + 2);  // b.txt and c.TXT wait for a.txt's lookup
  // Two types and three files of their own: five lookups.
  ASSERT_TRUE(PumpUntil([&] { return gate->Held() >= 5; }, 10000));
  PumpFor(100);
  EXPECT_EQ(gate->Held(), 5);
  DeliverHeld();
  EXPECT_FALSE(win->Icons().Awaited());
  std::vector<int> ownImages;
  for (const TCase& c : cases) {
    const int image = ImageOf(c.Caption);
    EXPECT_GE(image, 0) << c.Caption;
    if (c.SharesWith) {
      EXPECT_EQ(image, ImageOf(c.SharesWith)) << c.Caption;
    } else {
      EXPECT_EQ(std::count(ownImages.begin(), ownImages.end(), image), 0) << c.Caption;
      ownImages.push_back(image);
    }
  }
  EXPECT_EQ(win->ImageList().Count(), 5);
  EXPECT_EQ(win->Icons().CachedTypes(), 2);

  // Built again, the types come from the cache at once; the files of their own are looked at
  // again and keep their images, being unchanged.
  win->RebuildMenu();
  EXPECT_EQ(ImageOf(L"b.txt"), ownImages[0]);
  EXPECT_EQ(ImageOf(L"d.log"), ownImages[1]);
  EXPECT_EQ(ImageOf(L"tool.exe"), -1);
  ASSERT_TRUE(PumpUntil([&] { return gate->Held() >= 3; }, 10000));
  DeliverHeld();
  EXPECT_EQ(ImageOf(L"tool.exe"), ownImages[2]);
  EXPECT_EQ(ImageOf(L"other.exe"), ownImages[3]);
  EXPECT_EQ(ImageOf(L"Tool"), ownImages[4]);
  EXPECT_EQ(win->ImageList().Count(), 5);
}

// An icon that comes while the menu is open shows at once, the menu staying open.
TEST_F(IconArrivalTest, AnOpenMenuShowsAnIconWhenItComes) {
  WriteFile(L"notes.txt");
  HoldIcons();
  win->RebuildMenu();
  ASSERT_TRUE(PumpUntil([&] { return gate->Held() == 1; }, 10000));
  // The pixels at the left end of notes.txt's row, where its icon goes.
  const auto iconArea = [&] {
    std::vector<COLORREF> pixels;
    const HWND menuWindow = OwnMenuWindow();
    RECT row{};
    if (!menuWindow || !::GetMenuItemRect(nullptr, win->MainMenu().Handle(), 0, &row)) return pixels;
    POINT corner{row.left, row.top};
    ::ScreenToClient(menuWindow, &corner);
    const HDC dc = ::GetDC(menuWindow);
    for (int y = corner.y; y < corner.y + (row.bottom - row.top); ++y)
      for (int x = corner.x; x < corner.x + 40; ++x) pixels.push_back(::GetPixel(dc, x, y));
    ::ReleaseDC(menuWindow, dc);
    return pixels;
  };
  std::vector<COLORREF> before;
  std::vector<COLORREF> after;
  bool stillOpen = false;
  RunInOpenMenu({[&] {
                   before = iconArea();
                   DeliverHeld();
                 },
                 [&] {
                   after = iconArea();
                   stillOpen = OwnMenuWindow() != nullptr;
                 },
                 [] { ::EndMenu(); }});
  ASSERT_FALSE(before.empty());
  EXPECT_TRUE(stillOpen);
  EXPECT_GE(ImageOf(L"notes.txt"), 0);
  EXPECT_NE(after, before);
}

// Each round rebuilds the menu while the icons of the build before are on their way: every one
// of those answers is dropped, and nothing of them reaches the new items or the image list.
TEST_F(IconArrivalTest, NoIconIsAppliedAfterARebuildOverAThousandRounds) {
  ASSERT_TRUE(::CopyFileW(ExecutablePath().c_str(), MenuPath(L"tool.exe").c_str(), FALSE));
  WriteFile(L"notes.txt");
  HoldIcons();
  win->RebuildMenu();
  const int stale = win->Icons().StaleIcons();
  const std::size_t components = win->Components().size();
  std::size_t firstCommit = 0;
  int lost = 0;
  for (int round = 0; round < 1000; ++round) {
    // The answers for notes.txt's type and for tool.exe.
    if (!PumpUntil([&] { return gate->Held() == 2; }, 2000)) ++lost;
    // Only the lookups of the build before go: one of the new build's may already be at the gate.
    const std::uint64_t before = gate->Came();
    win->RebuildMenu();
    gate->Release(before);
    if (!PumpUntil([&] { return win->Icons().StaleIcons() - stale == 2 * (round + 1); }, 2000)) ++lost;
    if (round == 99) firstCommit = CommitCharge();
  }
  EXPECT_EQ(lost, 0);
  EXPECT_EQ(win->Icons().StaleIcons() - stale, 2000);
  EXPECT_EQ(win->ImageList().Count(), 0);
  EXPECT_EQ(ImageOf(L"notes.txt"), -1);
  EXPECT_EQ(ImageOf(L"tool.exe"), -1);
  EXPECT_EQ(win->Components().size(), components);
  EXPECT_LT(CommitCharge(), firstCommit + 2 * 1024 * 1024);
  // The last build's own answers are no stale ones: handled, they show.
  ASSERT_TRUE(PumpUntil([&] { return gate->Held() == 2; }, 2000));
  DeliverHeld();
  EXPECT_GE(ImageOf(L"notes.txt"), 0);
  EXPECT_GE(ImageOf(L"tool.exe"), 0);
  EXPECT_EQ(win->ImageList().Count(), 2);
}
