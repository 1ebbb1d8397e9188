#include "tray/tray_icon.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "framework/image_list.h"
#include "framework/popup_menu.h"
#include "support/message_pump.h"
#include "shell_tray_view.h"
#include "support/test_forms.h"
#include "tray/callback_window.h"

namespace {

TFormDesign OwnerDesign() {
  TFormDesign design = TestFormDesign(L"TTrayOwner", 1, 1);
  design.Left = design.Top = -1;
  return design;
}

class TrayIconTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() { WaitForTrayHost(); }

  TTrayIcon& NewIcon() { return owner->Make<TTrayIcon>(); }

  // An icon in the tray, with a picture.
  TTrayIcon& ShownIcon() {
    TTrayIcon& icon = NewIcon();
    icon.Icon().SetHandle(::CopyIcon(::LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION))));
    icon.SetVisible(true);
    return icon;
  }

  // What the shell would send for a mouse message over `icon`.
  static void Send(TTrayIcon& icon, UINT mouseMessage) {
    ::SendMessageW(TCallbackWindow::Instance()->Handle(), WM_TRAYNOTIFY, static_cast<WPARAM>(icon.IconID()),
                   mouseMessage);
  }

  // Whether the shell holds `icon`: it accepts a change only for an icon it knows.
  static bool ShellKnows(const TTrayIcon& icon) {
    NOTIFYICONDATAW data{};
    data.cbSize = NOTIFYICONDATAW_V1_SIZE;
    data.hWnd = TCallbackWindow::Instance()->Handle();
    data.uID = static_cast<UINT>(icon.IconID());
    return ::Shell_NotifyIconW(NIM_MODIFY, &data);
  }

  static unsigned SingleClickDelay() { return ::GetDoubleClickTime() + 50; }

  TComponentPtr<TForm> owner = MakeComponent<TForm>(OwnerDesign());
};

TEST_F(TrayIconTest, IdentifiersFollowTheLastIcon) {
  TTrayIcon& first = NewIcon();
  TTrayIcon& second = NewIcon();
  TTrayIcon* third = &NewIcon();
  EXPECT_EQ(first.IconID(), 1);
  EXPECT_EQ(second.IconID(), 2);
  EXPECT_EQ(third->IconID(), 3);
  TComponentDeleter{}(third);
  third = &NewIcon();
  EXPECT_EQ(third->IconID(), 3);  // the last one is reused
  TComponentDeleter{}(&second);
  EXPECT_EQ(NewIcon().IconID(), 4);
}

TEST_F(TrayIconTest, AHundredIconsAreAllowedAndTheNextIsRefused) {
  for (int i = 0; i < 100; ++i) NewIcon();
  const size_t components = owner->Components().size();
  try {
    NewIcon();
    FAIL() << "the 101st icon was made";
  } catch (const EOutOfResources& error) {
    EXPECT_EQ(error.Message(), L"タスクトレイにアイコンを登録できません。");
  }
  EXPECT_EQ(owner->Components().size(), components);
}

TEST_F(TrayIconTest, ShownIconIsInTheTrayUntilItsPictureIsCleared) {
  TTrayIcon& icon = ShownIcon();
  EXPECT_TRUE(icon.Visible());
  EXPECT_TRUE(icon.Added());
  EXPECT_TRUE(ShellKnows(icon));
  EXPECT_EQ(icon.TipHelp(), L"TipHelp");
  icon.SetIcon(nullptr);
  EXPECT_FALSE(icon.Added());
  EXPECT_FALSE(icon.Visible());
  EXPECT_FALSE(ShellKnows(icon));

  // With no picture it cannot be shown at all.
  icon.SetVisible(true);
  EXPECT_FALSE(icon.Visible());
  EXPECT_FALSE(icon.Added());
}

TEST_F(TrayIconTest, TipIsCutTo62BytesWithoutSplittingACharacter) {
  TTrayIcon& icon = NewIcon();
  icon.SetTipHelp(std::wstring(61, L'a') + L"日本");
  EXPECT_EQ(icon.TipHelp(), std::wstring(61, L'a'));
  icon.SetTipHelp(std::wstring(70, L'b'));
  EXPECT_EQ(icon.TipHelp(), std::wstring(62, L'b'));
  icon.SetTipHelp(L"Tamarind");
  EXPECT_EQ(icon.TipHelp(), L"Tamarind");
}

// The tooltip the shell shows follows the tip: set while hidden, and changed while shown.
TEST_F(TrayIconTest, TheShellShowsTheCurrentTip) {
  TTrayIcon& icon = NewIcon();
  icon.Icon().SetHandle(::CopyIcon(::LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION))));
  icon.SetTipHelp(L"Tamarind: set while hidden");
  icon.SetVisible(true);
  int moves = 0;
  icon.OnMouseMove = [&](TComponent*, TShiftState, int, int) { ++moves; };
  const HWND shown = FindShellTrayIcon([&] { return moves > 0; });
  ASSERT_NE(shown, nullptr) << "the icon is not in the shell's notification area";
  EXPECT_EQ(ShellTrayTooltip(shown, 3000), L"Tamarind: set while hidden");

  icon.SetTipHelp(L"Tamarind: changed while shown");
  EXPECT_EQ(ShellTrayTooltip(shown, 1500, L"Tamarind: changed while shown"), L"Tamarind: changed while shown");
  MovePointerOffShellTray();
}

TEST_F(TrayIconTest, TheShellShowsANewPicture) {
  TTrayIcon& icon = ShownIcon();
  int moves = 0;
  icon.OnMouseMove = [&](TComponent*, TShiftState, int, int) { ++moves; };
  const HWND shown = FindShellTrayIcon([&] { return moves > 0; });
  ASSERT_NE(shown, nullptr) << "the icon is not in the shell's notification area";
  MovePointerOffShellTray();
  std::vector<COLORREF> before;
  ASSERT_TRUE(PumpUntil(
      [&] {
        before = ShellTrayIconPixels(shown);
        return std::ranges::count(before, before.front()) < static_cast<std::ptrdiff_t>(before.size());
      },
      1000))
      << "no picture on the screen";
  icon.Icon().SetHandle(::CopyIcon(::LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_ERROR))));
  EXPECT_TRUE(PumpUntil([&] { return ShellTrayIconPixels(shown) != before; }, 1500));
}

TEST_F(TrayIconTest, SingleClickArrivesAfterTheDoubleClickTime) {
  TTrayIcon& icon = ShownIcon();
  std::vector<unsigned long long> clicks;
  int downs = 0;
  icon.OnClick = [&](TComponent*) { clicks.push_back(NowMs()); };
  icon.OnMouseDown = [&](TComponent*, TMouseButton button, TShiftState shift, int, int) {
    EXPECT_EQ(button, TMouseButton::mbLeft);
    EXPECT_TRUE(shift == TShiftState{TShiftStateValue::ssLeft});
    ++downs;
  };
  Send(icon, WM_LBUTTONDOWN);
  const unsigned long long up = NowMs();
  Send(icon, WM_LBUTTONUP);
  ASSERT_TRUE(PumpUntil([&] { return !clicks.empty(); }, 3000));
  PumpFor(200);
  ASSERT_EQ(clicks.size(), 1u);
  EXPECT_EQ(downs, 1);
  EXPECT_GE(clicks[0] - up, SingleClickDelay() - 20);  // tick granularity
  EXPECT_LE(clicks[0] - up, SingleClickDelay() + 400);
}

TEST_F(TrayIconTest, DoubleClickGivesOneDoubleClickAndNoClick) {
  TTrayIcon& icon = ShownIcon();
  int clicks = 0, doubleClicks = 0;
  icon.OnClick = [&](TComponent*) { ++clicks; };
  icon.OnDblClick = [&](TComponent*) { ++doubleClicks; };
  for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) Send(icon, message);
  PumpFor(SingleClickDelay() + 300);
  EXPECT_EQ(doubleClicks, 1);
  EXPECT_EQ(clicks, 0);
}

TEST_F(TrayIconTest, MouseUpHandlerTakesTheClicks) {
  TTrayIcon& icon = ShownIcon();
  int clicks = 0, ups = 0;
  icon.OnClick = [&](TComponent*) { ++clicks; };
  icon.OnMouseUp = [&](TComponent*, TMouseButton, TShiftState, int, int) { ++ups; };
  Send(icon, WM_LBUTTONDOWN);
  Send(icon, WM_LBUTTONUP);
  PumpFor(SingleClickDelay() + 200);
  EXPECT_EQ(ups, 1);
  EXPECT_EQ(clicks, 0);
}

TEST_F(TrayIconTest, DisablingDropsThePendingClickAndEveryEvent) {
  TTrayIcon& icon = ShownIcon();
  int events = 0;
  icon.OnClick = [&](TComponent*) { ++events; };
  icon.OnMouseDown = [&](TComponent*, TMouseButton, TShiftState, int, int) { ++events; };
  icon.OnMouseMove = [&](TComponent*, TShiftState, int, int) { ++events; };
  Send(icon, WM_LBUTTONUP);
  icon.SetEnabled(false);
  for (UINT message : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN}) Send(icon, message);
  PumpFor(SingleClickDelay() + 200);
  EXPECT_EQ(events, 0);
  EXPECT_TRUE(icon.Added());  // still in the tray
}

TEST_F(TrayIconTest, PendingClickOfADestroyedIconIsDropped) {
  TTrayIcon* icon = &ShownIcon();
  int clicks = 0;
  icon->OnClick = [&](TComponent*) { ++clicks; };
  Send(*icon, WM_LBUTTONUP);
  TComponentDeleter{}(icon);
  TTrayIcon& successor = NewIcon();  // may take the same identifier
  successor.OnClick = [&](TComponent*) { ++clicks; };
  PumpFor(SingleClickDelay() + 200);
  EXPECT_EQ(clicks, 0);
}

TEST_F(TrayIconTest, RemovedComponentsAreForgotten) {
  TTrayIcon& icon = NewIcon();
  TPopupMenu* menu = &owner->Make<TPopupMenu>();
  TImageList* frames = &owner->Make<TImageList>();
  icon.SetLBPopupMenu(menu);
  icon.SetRBPopupMenu(menu);
  icon.SetAnimateIcons(frames);
  TComponentDeleter{}(menu);
  EXPECT_EQ(icon.LBPopupMenu(), nullptr);
  EXPECT_EQ(icon.RBPopupMenu(), nullptr);
  TComponentDeleter{}(frames);
  EXPECT_EQ(icon.AnimateIcons(), nullptr);
  icon.SetAnimateRate(40);
  EXPECT_EQ(icon.AnimateRate(), 100);
}

TEST_F(TrayIconTest, RightDoubleClickRaisesOnlyDownsAndUps) {
  TTrayIcon& icon = ShownIcon();
  std::vector<UINT> seen;
  icon.OnMouseDown = [&](TComponent*, TMouseButton button, TShiftState, int, int) {
    if (button == TMouseButton::mbRight) seen.push_back(WM_RBUTTONDOWN);
  };
  icon.OnMouseUp = [&](TComponent*, TMouseButton button, TShiftState, int, int) {
    if (button == TMouseButton::mbRight) seen.push_back(WM_RBUTTONUP);
  };
  icon.OnDblClick = [&](TComponent*) { seen.push_back(WM_RBUTTONDBLCLK); };
  for (UINT message : {WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK, WM_RBUTTONUP}) Send(icon, message);
  EXPECT_EQ(seen, (std::vector<UINT>{WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONUP}));
}

TEST_F(TrayIconTest, NewTaskbarGetsTheVisibleIconsBack) {
  TTrayIcon& shown = ShownIcon();
  TTrayIcon& hidden = NewIcon();
  // The shell forgets everything, as when it restarts.
  NOTIFYICONDATAW data{};
  data.cbSize = NOTIFYICONDATAW_V1_SIZE;
  data.hWnd = TCallbackWindow::Instance()->Handle();
  data.uID = static_cast<UINT>(shown.IconID());
  ASSERT_TRUE(::Shell_NotifyIconW(NIM_DELETE, &data));
  ASSERT_FALSE(::Shell_NotifyIconW(NIM_MODIFY, &data));

  ::SendMessageW(TCallbackWindow::Instance()->Handle(), ::RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  EXPECT_TRUE(::Shell_NotifyIconW(NIM_MODIFY, &data));  // known to the shell again
  EXPECT_TRUE(shown.Added());
  EXPECT_FALSE(hidden.Added());
}

TEST_F(TrayIconTest, ARefusedIconIsOfferedAgainUntilTheShellTakesIt) {
  TTrayIcon& icon = NewIcon();
  icon.Icon().SetHandle(::CopyIcon(::LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION))));
  // Another icon under the same window and number makes the shell refuse this one, as a
  // taskbar not yet up refuses every icon.
  NOTIFYICONDATAW squatter{};
  squatter.cbSize = NOTIFYICONDATAW_V1_SIZE;
  squatter.hWnd = TCallbackWindow::Ensure(owner.get()).Handle();
  squatter.uID = static_cast<UINT>(icon.IconID());
  squatter.uFlags = NIF_ICON;
  squatter.hIcon = ::LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_INFORMATION));
  ASSERT_TRUE(::Shell_NotifyIconW(NIM_ADD, &squatter));

  icon.SetVisible(true);  // neither throws nor reports: the shell may just not be up yet
  EXPECT_FALSE(icon.Added());
  PumpFor(1500);
  EXPECT_FALSE(icon.Added());
  ASSERT_TRUE(::Shell_NotifyIconW(NIM_DELETE, &squatter));
  EXPECT_TRUE(PumpUntil([&] { return icon.Added(); }, 3000));
  EXPECT_TRUE(ShellKnows(icon));
}

}  // namespace
