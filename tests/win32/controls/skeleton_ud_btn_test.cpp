#include "controls/skeleton_ud_btn.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "control_host.h"
#include "framework/application.h"
#include "framework/exception.h"
#include "support/message_pump.h"
#include "screen_look.h"
#include "window_capture.h"

namespace {

using enum TBtnType;

// What the button pair reported, in order: 'u'/'d' for clicks, 'r' for a release.
struct TBtnLog {
  std::vector<char> Events;
  std::vector<unsigned long long> ClickTimes;
  int Clicks() const { return static_cast<int>(ClickTimes.size()); }
  int Releases() const { return static_cast<int>(std::count(Events.begin(), Events.end(), 'r')); }
};

class SkeletonUDBtnTest : public ::testing::Test {
protected:
  void SetUp() override {
    btn = MakeComponent<TSkeletonUDBtn>();
    btn->SetBounds(10, 10, 17, 30);
    btn->SetParentWindow(host.Handle());
    btn->OnBtnClick = [this](TComponent* sender, TBtnType type) {
      EXPECT_EQ(sender, btn.get());
      log.Events.push_back(type == btUp ? 'u' : 'd');
      log.ClickTimes.push_back(NowMs());
    };
    btn->OnBtnRelease = [this](TComponent* sender) {
      EXPECT_EQ(sender, btn.get());
      log.Events.push_back('r');
    };
  }
  HWND Window() const { return btn->Handle(); }

  TControlHost host;
  TComponentPtr<TSkeletonUDBtn> btn;
  TBtnLog log;
};

TEST_F(SkeletonUDBtnTest, SmallBoundsGrowTo15AndLeaveAGapRow) {
  btn->SetBounds(3, 4, 10, 10);
  EXPECT_EQ(btn->Width(), 15);
  EXPECT_EQ(btn->Height(), 15);
  EXPECT_EQ(btn->Info(btUp).FRect, (TRect{0, 0, 15, 7}));
  EXPECT_EQ(btn->Info(btDown).FRect, (TRect{0, 8, 15, 15}));
  RECT window{};
  ::GetWindowRect(Window(), &window);
  EXPECT_EQ(window.right - window.left, 15);
  EXPECT_EQ(window.bottom - window.top, 15);

  // The gap row presses nothing.
  LeftDown(Window(), 5, 7);
  LeftUp(Window(), 5, 7);
  EXPECT_TRUE(log.Events.empty());

  btn->SetBounds(3, 4, 20, 20);
  EXPECT_EQ(btn->Info(btUp).FRect, (TRect{0, 0, 20, 10}));
  EXPECT_EQ(btn->Info(btDown).FRect, (TRect{0, 10, 20, 20}));
}

TEST_F(SkeletonUDBtnTest, HoldingAButtonClicksAtOnceThenAfter400msThenEvery70ms) {
  const unsigned long long pressed = NowMs();
  LeftDown(Window(), 5, 5);
  ASSERT_EQ(log.Clicks(), 1);
  EXPECT_TRUE(btn->GetUpPressed());
  EXPECT_TRUE(btn->MouseCapture());

  constexpr int Repeats = 8;
  ASSERT_TRUE(PumpUntil([&] { return log.Clicks() >= Repeats + 2; }, 4000));
  // Wine may be late, never early (the tick counter may round by a few milliseconds).
  EXPECT_GE(log.ClickTimes[1] - pressed, 390u);
  EXPECT_LT(log.ClickTimes[1] - pressed, 480u);
  for (int i = 2; i < 6; ++i) EXPECT_GE(log.ClickTimes[i] - log.ClickTimes[i - 1], 60u) << i;
  // Every 70 ms: one late tick moves the average over eight little; a slower repeat moves it out.
  const double averageMs = static_cast<double>(log.ClickTimes[Repeats + 1] - log.ClickTimes[1]) / Repeats;
  EXPECT_GE(averageMs, 65.0);
  EXPECT_LE(averageMs, 90.0);
  EXPECT_EQ(log.Releases(), 0);

  LeftUp(Window(), 5, 5);
  EXPECT_EQ(log.Releases(), 1);
  EXPECT_FALSE(btn->GetUpPressed());
  EXPECT_FALSE(btn->MouseCapture());
  const int clicks = log.Clicks();
  PumpFor(300);
  EXPECT_EQ(log.Clicks(), clicks);
}

TEST_F(SkeletonUDBtnTest, DraggingOffTheButtonStopsTheRepeatWithOneRelease) {
  LeftDown(Window(), 5, 25);
  ASSERT_EQ(log.Events, (std::vector<char>{'d'}));
  MouseMessage(Window(), WM_MOUSEMOVE, 5, 27, MK_LBUTTON);  // still on it
  MouseMessage(Window(), WM_MOUSEMOVE, 5, 40, MK_LBUTTON);  // off it
  EXPECT_EQ(log.Events, (std::vector<char>{'d', 'r'}));
  EXPECT_FALSE(btn->GetDownPressed());

  MouseMessage(Window(), WM_MOUSEMOVE, 5, 25, MK_LBUTTON);  // back on it: no new press
  PumpFor(600);
  LeftUp(Window(), 5, 25);
  EXPECT_EQ(log.Events, (std::vector<char>{'d', 'r'}));
}

TEST_F(SkeletonUDBtnTest, LosingTheMouseToAnotherWindowReleasesTheButton) {
  LeftDown(Window(), 5, 5);
  ::SetCapture(host.Handle());
  EXPECT_EQ(log.Events, (std::vector<char>{'u', 'r'}));
  ::ReleaseCapture();
}

TEST_F(SkeletonUDBtnTest, DisabledButtonsAndOtherMouseButtonsPressNothing) {
  btn->SetUpEnabled(false);
  LeftDown(Window(), 5, 5);
  EXPECT_FALSE(btn->GetUpPressed());
  PumpFor(500);
  LeftUp(Window(), 5, 5);
  EXPECT_TRUE(log.Events.empty());

  MouseMessage(Window(), WM_RBUTTONDOWN, 5, 25, MK_RBUTTON);
  MouseMessage(Window(), WM_MBUTTONDOWN, 5, 25, MK_MBUTTON);
  EXPECT_FALSE(btn->GetDownPressed());
  MouseMessage(Window(), WM_RBUTTONUP, 5, 25);
  MouseMessage(Window(), WM_MBUTTONUP, 5, 25);
  EXPECT_TRUE(log.Events.empty());

  btn->SetUpEnabled(true);
  btn->SetEnabled(false);
  LeftDown(Window(), 5, 5);
  LeftUp(Window(), 5, 5);
  EXPECT_TRUE(log.Events.empty());
}

TEST_F(SkeletonUDBtnTest, ArrowKeysPressAndReleaseWithoutTimerRepeats) {
  ::SendMessageW(Window(), WM_KEYDOWN, VK_UP, 1);
  EXPECT_TRUE(btn->GetUpPressed());
  PumpFor(600);
  EXPECT_EQ(log.Events, (std::vector<char>{'u'}));

  // The keyboard's own repeat is a new press each time.
  ::SendMessageW(Window(), WM_KEYDOWN, VK_UP, 0x40000001);
  EXPECT_EQ(log.Events, (std::vector<char>{'u', 'u'}));

  // Another arrow while one is held switches buttons.
  ::SendMessageW(Window(), WM_KEYDOWN, VK_DOWN, 1);
  EXPECT_EQ(log.Events, (std::vector<char>{'u', 'u', 'r', 'd'}));
  EXPECT_FALSE(btn->GetUpPressed());
  EXPECT_TRUE(btn->GetDownPressed());

  // Moving the mouse does not let go of a key's press.
  MouseMessage(Window(), WM_MOUSEMOVE, 5, 5);
  EXPECT_TRUE(btn->GetDownPressed());
  ::SendMessageW(Window(), WM_KEYUP, VK_DOWN, static_cast<LPARAM>(0xC0000001));
  EXPECT_EQ(log.Events, (std::vector<char>{'u', 'u', 'r', 'd', 'r'}));
  EXPECT_FALSE(btn->GetDownPressed());
}

TEST_F(SkeletonUDBtnTest, AFailingRepeatStopsRepeatingAndIsReported) {
  std::vector<std::wstring> errors;
  Application().OnException = [&](const std::wstring& message) { errors.push_back(message); };
  int clicks = 0;
  btn->OnBtnClick = [&](TComponent*, TBtnType) {
    if (++clicks == 2) throw Exception(L"止まれ");
  };
  LeftDown(Window(), 5, 5);
  ASSERT_TRUE(PumpUntil([&] { return !errors.empty(); }, 2000));
  PumpFor(300);
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(errors, std::vector<std::wstring>{L"止まれ"});
  LeftUp(Window(), 5, 5);
  Application().OnException = nullptr;
}

// How the pair looks right now.
class TBtnLook {
public:
  explicit TBtnLook(TSkeletonUDBtn& btn) : FCapture((btn.Repaint(), btn.Handle())) {}
  bool SameAs(const TBtnLook& other) const {
    const RECT all{0, 0, FCapture.Width(), FCapture.Height()};
    for (int y = 0; y < all.bottom; ++y)
      for (int x = 0; x < all.right; ++x)
        if (FCapture.Pixel(x, y) != other.FCapture.Pixel(x, y)) return false;
    return true;
  }

private:
  TWindowCapture FCapture;
};

TEST_F(SkeletonUDBtnTest, NormalPushedAndInactiveButtonsLookDifferent) {
  const TBtnLook normal(*btn);
  btn->SetUpPressed(true);
  const TBtnLook upPushed(*btn);
  btn->SetUpPressed(false);
  btn->SetUpEnabled(false);
  btn->SetDownEnabled(false);
  const TBtnLook bothInactive(*btn);
  EXPECT_FALSE(upPushed.SameAs(normal));
  EXPECT_FALSE(bothInactive.SameAs(normal));
  EXPECT_FALSE(bothInactive.SameAs(upPushed));

  // A disabled pair shows both buttons inactive, whatever their own states.
  btn->SetUpEnabled(true);
  btn->SetDownEnabled(true);
  btn->SetUpPressed(true);
  btn->SetEnabled(false);
  EXPECT_TRUE(TBtnLook(*btn).SameAs(bothInactive));
  btn->SetEnabled(true);
  EXPECT_TRUE(TBtnLook(*btn).SameAs(upPushed));
}

}  // namespace

namespace {

// Enabling or disabling one button shows on the screen by itself, with no repaint asked for.
TEST_F(SkeletonUDBtnTest, AButtonsNewStateShowsAtOnce) {
  const TWindowCapture active = PaintedCapture(Window());
  btn->SetDownEnabled(false);
  EXPECT_TRUE(LooksLike(Window(), active, false));
  btn->SetDownEnabled(true);
  EXPECT_TRUE(LooksLike(Window(), active));
}

}  // namespace
