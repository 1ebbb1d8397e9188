// Submenus listed by the worker: answers for a menu rebuilt or a wait ended since are dropped,
// never applied, and an open submenu is filled where it stands.
#include <windows.h>
#include <oleacc.h>
#include <psapi.h>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "framework/menu_item.h"
#include "framework/popup_menu.h"
#include "launcher_fixture.h"
#include "support/call_gate.h"
#include "support/message_pump.h"
#include "support/user_input.h"
#include "texts/texts.h"

namespace {

std::size_t CommitCharge() {
  PROCESS_MEMORY_COUNTERS memory{};
  ::GetProcessMemoryInfo(::GetCurrentProcess(), &memory, sizeof(memory));
  return memory.PagefileUsage;
}

// The window of the open menu that shows `menu`, or null.
HWND WindowOf(HMENU menu) {
  for (HWND window = ::FindWindowExW(nullptr, nullptr, L"#32768", nullptr); window;
       window = ::FindWindowExW(nullptr, window, L"#32768", nullptr))
    if (::IsWindowVisible(window) && reinterpret_cast<HMENU>(::SendMessageW(window, MN_GETHMENU, 0, 0)) == menu)
      return window;
  return nullptr;
}

// Whether the open submenu of `folder` holds its item `position` whole.
bool ShowsWhole(TMenuItem& folder, int position) {
  RECT item{};
  RECT window{};
  const HWND menuWindow = WindowOf(folder.Handle());
  return menuWindow && ::GetWindowRect(menuWindow, &window) &&
         ::GetMenuItemRect(nullptr, folder.Handle(), static_cast<UINT>(position), &item) && item.bottom > item.top &&
         item.top >= window.top && item.bottom <= window.bottom;
}

}  // namespace

class ListingTest : public LauncherTest {
protected:
  TMenuItem& Tools() const {
    TMenuItem* tools = FindCaption(Root(), L"<Tools>");
    EXPECT_NE(tools, nullptr);
    return *tools;
  }
};

// Each round asks for <Tools>'s listing and rebuilds the menu before the answer is back: the
// answer then belongs to freed items and must be dropped, every time.
TEST_F(ListingTest, NoAnswerIsAppliedAfterARebuildOverAThousandRounds) {
  MakeFolder(L"Tools");
  WriteFile(L"Tools\\inside.txt");
  win->RebuildMenu();
  const int before = win->Folders().StaleListings();
  const std::size_t components = win->Components().size();
  std::size_t firstCommit = 0;
  int lost = 0;
  for (int round = 0; round < 1000; ++round) {
    win->PCMainMenuSelect(&Tools(), L"");
    win->RebuildMenu();
    if (!PumpUntil([&] { return win->Folders().StaleListings() == before + round + 1 - lost; }, 2000)) ++lost;
    if (round == 99) firstCommit = CommitCharge();
  }
  EXPECT_EQ(lost, 0);
  EXPECT_EQ(win->Folders().StaleListings() - before, 1000);
  // Nothing reached the rebuilt menu, and nothing piled up.
  EXPECT_EQ(VisibleCaptions(Tools()), std::vector<std::wstring>{L"このフォルダを開く"});
  EXPECT_NE(Tools().Tag(), -1);
  EXPECT_EQ(win->Components().size(), components);
  EXPECT_LT(CommitCharge(), firstCommit + 2 * 1024 * 1024);
}

// Highlighting another item ends the wait and its answer is dropped; another folder is then read
// instead. The folder's own items, and the folder itself again, keep the wait.
TEST_F(ListingTest, AHighlightElsewhereEndsTheWaitOneWithinTheFolderKeepsIt) {
  MakeFolder(L"Tools");
  WriteFile(L"Tools\\inside.txt");
  MakeFolder(L"More");
  WriteFile(L"More\\more.txt");
  WriteFile(L"other.txt");
  win->RebuildMenu();
  const int before = win->Folders().StaleListings();
  TMenuItem& tools = Tools();
  win->PCMainMenuSelect(&tools, L"");
  win->PCMainMenuSelect(tools.Items(0), L"");
  win->PCMainMenuSelect(&tools, L"");
  EXPECT_EQ(win->Folders().Target(), &tools);
  ASSERT_TRUE(WaitForListing());
  EXPECT_EQ(VisibleCaptions(tools), (std::vector<std::wstring>{L"このフォルダを開く", L"inside.txt"}));
  EXPECT_EQ(win->Folders().StaleListings(), before);

  // Another folder: its listing is asked for instead (the first request, if not yet started, is
  // simply replaced).
  win->RebuildMenu();
  TMenuItem& more = *FindCaption(Root(), L"<More>");
  win->PCMainMenuSelect(&Tools(), L"");
  win->PCMainMenuSelect(&more, L"");
  EXPECT_EQ(win->Folders().Target(), &more);
  ASSERT_TRUE(WaitForListing());
  EXPECT_EQ(VisibleCaptions(more), (std::vector<std::wstring>{L"このフォルダを開く", L"more.txt"}));
  EXPECT_EQ(VisibleCaptions(Tools()), std::vector<std::wstring>{L"このフォルダを開く"});

  // A file: the wait ends, and the answer that still comes is dropped.
  win->RebuildMenu();
  const int stale = win->Folders().StaleListings();
  win->PCMainMenuSelect(&Tools(), L"");
  win->PCMainMenuSelect(FindCaption(Root(), L"other.txt"), L"");
  EXPECT_EQ(win->Folders().Target(), nullptr);
  EXPECT_TRUE(PumpUntil([&] { return win->Folders().StaleListings() == stale + 1; }, 2000));
  EXPECT_EQ(VisibleCaptions(Tools()), std::vector<std::wstring>{L"このフォルダを開く"});
}

// The submenu opens before its listing is back; when it comes, the open submenu shows it.
TEST_F(ListingTest, AnOpenSubmenuIsFilledWhereItStands) {
  MakeFolder(L"Tools");
  for (const wchar_t* name : {L"a.txt", L"b.txt", L"c.txt"}) WriteFile(std::wstring(L"Tools\\") + name);
  win->RebuildMenu();
  TMenuItem& tools = Tools();
  // The listing is held back until the submenu is open.
  const auto gate = TCallGate::Make();
  win->Folders().SetLister([gate, listing = Listing(tools.Hint())](const std::wstring&) {
    gate->Pass();
    return listing;
  });
  bool openFirst = false;
  bool insideLater = false;
  int heldWhileOpen = 0;
  RunInOpenMenu({[] { PressKey(VK_DOWN); },  // highlights <Tools>, which asks for its listing
                 [] { PressKey(VK_RIGHT); },
                 [&] {
                   // Opened after 150 ms without an answer: the note shows.
                   openFirst = ShowsWhole(tools, 1) && tools.Items(1)->Caption() == Text(TText::Loading) &&
                               !ShowsWhole(tools, 3);
                   heldWhileOpen = gate->Held();
                   gate->Open();
                 },
                 [&] { insideLater = ShowsWhole(tools, 3); },
                 [] { ::EndMenu(); }});
  EXPECT_EQ(heldWhileOpen, 1);
  EXPECT_TRUE(openFirst);
  EXPECT_TRUE(insideLater);
  EXPECT_EQ(VisibleCaptions(tools), (std::vector<std::wstring>{L"このフォルダを開く", L"a.txt", L"b.txt", L"c.txt"}));

  // Opened by pointing, not entered: the submenu has no highlight, and on Windows its parent
  // still has the keyboard. The note and then the listing fill it where it stands, and the menu
  // stays open.
  win->RebuildMenu();
  ::SendMessageW(win->Handle(), TWinMain::WM_GESTUREPOPUP, 0, 0);  // after a shown menu one only clears
  TMenuItem& pointed = Tools();
  const auto pointedGate = TCallGate::Make();
  win->Folders().SetLister([pointedGate, listing = Listing(pointed.Hint())](const std::wstring&) {
    pointedGate->Pass();
    return listing;
  });
  bool noteWhilePointed = false;
  bool filledWhilePointed = false;
  RunInOpenMenu({[&] {
                   RECT item{};
                   POINT at{};
                   const auto position = static_cast<UINT>(Root().PlatformPosition(pointed));
                   ::GetMenuItemRect(nullptr, Root().Handle(), position, &item);
                   ::GetCursorPos(&at);
                   MovePointerBy((item.left + item.right) / 2 - at.x, (item.top + item.bottom) / 2 - at.y);
                 },
                 [] {},
                 [&] {
                   noteWhilePointed = ShowsWhole(pointed, 1) && pointed.Items(1)->Caption() == Text(TText::Loading);
                   heldWhileOpen = pointedGate->Held();
                   pointedGate->Open();
                 },
                 [&] { filledWhilePointed = ShowsWhole(pointed, 3) && WindowOf(Root().Handle()); },
                 [] { ::EndMenu(); }});
  EXPECT_EQ(heldWhileOpen, 1);
  EXPECT_TRUE(noteWhilePointed);
  EXPECT_TRUE(filledWhilePointed);
}

// A folder that never answers: after 10 s its note says so, and a screen reader hears the new
// caption, not the one the note was made with.
TEST_F(ListingTest, TheNoteOfAFolderThatDoesNotAnswerIsSpokenAsShown) {
  MakeFolder(L"Tools");
  win->RebuildMenu();
  const auto gate = TCallGate::Make();
  win->Folders().SetLister([gate](const std::wstring&) {
    gate->Pass();
    return TFolderListing{};
  });
  TMenuItem& tools = Tools();
  const auto spoken = [&] {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_DATA;
    if (tools.Count() < 2 || !::GetMenuItemInfoW(tools.Handle(), tools.Items(1)->Command(), FALSE, &info) ||
        !info.dwItemData)
      return std::wstring();
    const auto& accessible = *reinterpret_cast<const MSAAMENUINFO*>(info.dwItemData);
    return std::wstring(accessible.pszWText, accessible.cchWText);
  };
  win->PCMainMenuSelect(&tools, L"");
  ASSERT_TRUE(PumpUntil([&] { return tools.Count() == 2; }, 2000));
  EXPECT_EQ(spoken(), Text(TText::Loading));
  ASSERT_TRUE(PumpUntil([&] { return tools.Items(1)->Caption() == Text(TText::NoAnswer); }, 12000));
  EXPECT_EQ(spoken(), Text(TText::NoAnswer));
  gate->Open();
}
