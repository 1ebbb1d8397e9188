// The launcher menu shown by the circle gesture, the fill of a folder on highlight, and the
// gesture timer that sleeps while the pointer rests.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "framework/menu_item.h"
#include "framework/popup_menu.h"
#include "framework/timer.h"
#include "launcher_fixture.h"
#include "menu/popup_cool.h"
#include "support/message_pump.h"
#include "support/user_input.h"
#include "support/test_forms.h"

namespace {

// Steps run one after another from a timer while a menu loop runs; the last should close it.
std::vector<std::function<void()>> MenuSteps;

void CALLBACK NextMenuStep(HWND, UINT, UINT_PTR id, DWORD) {
  if (MenuSteps.empty()) {
    ::KillTimer(nullptr, id);
    return;
  }
  const std::function<void()> step = MenuSteps.front();
  MenuSteps.erase(MenuSteps.begin());
  step();
}

// Runs `steps` 250 ms apart while `action` runs a menu; a menu still open after them is ended.
void WithMenuSteps(std::vector<std::function<void()>> steps, const std::function<void()>& action) {
  MenuSteps = std::move(steps);
  MenuSteps.push_back([] { ::EndMenu(); });
  const UINT_PTR timer = ::SetTimer(nullptr, 0, 250, NextMenuStep);
  action();
  ::KillTimer(nullptr, timer);
  MenuSteps.clear();
}



}  // namespace

class GesturePopupTest : public LauncherTest {
protected:
  void SetUp() override {
    LauncherTest::SetUp();
    win->HiTimer().SetEnabled(false);  // the tests post the gesture message themselves
    ::SetCursorPos(200, 150);
  }

  void GesturePopup() const { ::SendMessageW(win->Handle(), TWinMain::WM_GESTUREPOPUP, 0, 0); }
  POINT WindowPlace() const { return {win->Left(), win->Top()}; }
};

TEST_F(GesturePopupTest, ShowsTheMenuAtThePointerThenAfterItClosedOneMoreGestureOnlyClears) {
  WriteFile(L"notes.txt");
  win->RebuildMenu();
  TForm other(nullptr, TestFormDesign(L"GestureOther", 50, 50));
  other.Show();
  ::SetForegroundWindow(other.Handle());
  PumpFor(100);

  POINT placeInMenu{};
  bool shown = false;
  bool foregroundInMenu = false;
  WithMenuSteps({[&] {
                  shown = InMenuMode();
                  placeInMenu = WindowPlace();
                  foregroundInMenu = ::GetForegroundWindow() == win->Handle();
                }},
                [&] { GesturePopup(); });
  EXPECT_TRUE(shown);
  EXPECT_EQ(placeInMenu.x, 200);
  EXPECT_EQ(placeInMenu.y, 150);
  EXPECT_TRUE(foregroundInMenu);  // so that a click elsewhere or Esc closes it
  EXPECT_TRUE(win->MenuShown());
  // The foreground went back where it was, which left the menu counted as shown.
  EXPECT_EQ(::GetForegroundWindow(), other.Handle());
  PumpFor(100);
  EXPECT_EQ(WindowPlace().x, -1);
  EXPECT_EQ(WindowPlace().y, -1);

  shown = false;
  WithMenuSteps({[&] { shown = InMenuMode(); }}, [&] { GesturePopup(); });
  EXPECT_FALSE(shown);
  EXPECT_FALSE(win->MenuShown());
  EXPECT_TRUE(win->Ready());

  WithMenuSteps({[&] { shown = InMenuMode(); }}, [&] { GesturePopup(); });
  EXPECT_TRUE(shown);
  other.Hide();
}

TEST_F(GesturePopupTest, TheUserLeavingTheLauncherClearsTheShownMenu) {
  win->RebuildMenu();
  WithMenuSteps({}, [&] { GesturePopup(); });
  ASSERT_TRUE(win->MenuShown());
  TForm other(nullptr, TestFormDesign(L"GestureLeave", 50, 50));
  other.Show();
  ::SetForegroundWindow(win->Handle());
  ::SetForegroundWindow(other.Handle());
  PumpFor(100);
  EXPECT_FALSE(win->MenuShown());
  other.Hide();
}

TEST_F(GesturePopupTest, WhileABuildRunsAGestureShowsNothingAndLeavesTheWindowParked) {
  win->RebuildMenu();
  // A pass that gets a gesture message while it pumps: FReady is false then.
  for (int i = 0; i < 300; ++i) WriteFile(L"file" + std::to_wstring(i) + L".txt");
  bool shown = false;
  bool handled = false;
  win->SetMessageHandler(WM_USER + 0x300, [&](TMessage&) {
    WithMenuSteps({[&] { shown = InMenuMode(); }}, [&] { GesturePopup(); });
    handled = true;
  });
  ::PostMessageW(win->Handle(), WM_USER + 0x300, 0, 0);
  win->RebuildMenu();
  ASSERT_TRUE(handled);
  EXPECT_FALSE(shown);
  EXPECT_FALSE(win->MenuShown());
  EXPECT_EQ(WindowPlace().x, -1);
  EXPECT_EQ(WindowPlace().y, -1);
}

TEST_F(GesturePopupTest, HighlightingAFolderFillsItsSubmenuButTheOpenFolderItemFillsNothing) {
  MakeFolder(L"Tools");
  WriteFile(L"Tools\\inside.txt");
  win->RebuildMenu();
  TMenuItem* tools = FindCaption(Root(), L"<Tools>");
  ASSERT_NE(tools, nullptr);
  ASSERT_EQ(VisibleCaptions(*tools), std::vector<std::wstring>{L"このフォルダを開く"});

  std::vector<std::wstring> whileOpen;
  WithMenuSteps({[] { PressKey(VK_DOWN); },  // highlights <Tools>, the first item
                 [&] { whileOpen = VisibleCaptions(*tools); }},
                [&] { GesturePopup(); });
  EXPECT_EQ(whileOpen, (std::vector<std::wstring>{L"このフォルダを開く", L"inside.txt"}));
  EXPECT_EQ(tools->Tag(), -1);

  // The open-this-folder item names the folder too, but highlighting it never fills anything.
  TMenuItem& openFolder = *tools->Items(0);
  const int before = openFolder.Count();
  win->PCMain().OnMenuSelect(&openFolder, L"");
  EXPECT_EQ(openFolder.Count(), before);
}

TEST_F(GesturePopupTest, AHighlightDuringAFillCancelsIt) {
  MakeFolder(L"Big");
  for (int i = 0; i < 400; ++i) WriteFile(L"Big\\file" + std::to_wstring(i) + L".txt");
  win->RebuildMenu();
  TMenuItem* big = FindCaption(Root(), L"<Big>");
  ASSERT_NE(big, nullptr);
  // The highlight comes while the listing is being added to the submenu.
  win->SetMessageHandler(WM_USER + 0x301, [&](TMessage&) { win->PCMain().OnMenuSelect(big, L""); });
  ::PostMessageW(win->Handle(), WM_USER + 0x301, 0, 0);
  win->FillListed(Listing(big->Hint()), *big, false);
  EXPECT_TRUE(win->Ready());
  EXPECT_NE(big->Tag(), -1);  // incomplete: the next highlight resumes it
  EXPECT_LT(VisibleCaptions(*big).size(), 401u);
  Open(*big);
  EXPECT_EQ(VisibleCaptions(*big).size(), 401u);  // the open-this-folder item and 400 files
}

TEST_F(GesturePopupTest, TheCancelItemClearsTheShownMenu) {
  win->RebuildMenu();
  WithMenuSteps({}, [&] { GesturePopup(); });
  ASSERT_TRUE(win->MenuShown());
  Root().Items(Root().Count() - 1)->Click();
  EXPECT_FALSE(win->MenuShown());
}

// Once the hook has seen the pointer move, the timer stops as soon as the trail is empty and
// the pointer rests, and the first movement starts it again.
TEST_F(GesturePopupTest, TheGestureTimerSleepsWhileThePointerRests) {
  win->HiTimer().SetEnabled(true);
  MovePointerBy(5, 5);
  ASSERT_TRUE(PumpUntil([&] { return win->GestureResting(); }, 5000));  // the point ages out in 3 s
  EXPECT_FALSE(win->HiTimer().Enabled());
  EXPECT_TRUE(win->Gesture().Trail().empty());
  PumpFor(100);
  const unsigned long long start = NowMs();
  MovePointerBy(-40, 30);
  EXPECT_TRUE(PumpUntil([&] { return win->HiTimer().Enabled(); }, 3000));
  EXPECT_LT(NowMs() - start, 500u);  // the hook, not the guard poll
  EXPECT_FALSE(win->GestureResting());
}

// Switched off in the settings, nothing watches the pointer: neither the timer nor the hook
// that wakes it from a rest; switched on again it runs from a fresh trail.
TEST_F(GesturePopupTest, SwitchedOffTheGestureTimerNeverRuns) {
  win->HiTimer().SetEnabled(true);
  MovePointerBy(5, 5);
  ASSERT_TRUE(PumpUntil([&] { return win->GestureResting(); }, 5000));  // the point ages out in 3 s
  win->EnableGesture(false);
  EXPECT_FALSE(win->GestureEnabled());
  EXPECT_FALSE(win->GestureResting());
  for (int move = 0; move < 6; ++move) {
    MovePointerBy(move % 2 ? -25 : 25, 20);
    PumpFor(100);
  }
  EXPECT_FALSE(win->HiTimer().Enabled());
  EXPECT_EQ(win->Gesture().Tick(), 0);
  EXPECT_TRUE(win->Gesture().Trail().empty());

  win->EnableGesture(true);
  EXPECT_TRUE(win->HiTimer().Enabled());
  MovePointerBy(-30, -30);
  EXPECT_TRUE(PumpUntil([&] { return !win->Gesture().Trail().empty(); }, 2000));
}
