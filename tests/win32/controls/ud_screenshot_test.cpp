// The spin buttons and numeric edits as the user sees them: saved as ud_controls.png beside the
// test program, and checked at a few telling pixels.
#include <gtest/gtest.h>

#include "control_host.h"
#include "controls/skeleton_ud_btn.h"
#include "controls/ud_numeral_edit.h"
#include "support/message_pump.h"
#include "window_capture.h"

namespace {

using enum TEditOption;

bool IsBlack(COLORREF c) { return c == RGB(0, 0, 0); }

TEST(UDScreenshot, ButtonStatesAndRightAlignedFullWidthDigits) {
  TControlHost host(260, 190);
  auto make = [&](int left, int top) {
    auto btn = MakeComponent<TSkeletonUDBtn>();
    btn->SetBounds(left, top, 17, 34);
    btn->SetParentWindow(host.Handle());
    return btn;
  };
  auto normal = make(10, 10);
  auto pushed = make(40, 10);
  pushed->SetUpPressed(true);
  auto inactive = make(70, 10);
  inactive->SetEnabled(false);

  TFontDescription japanese;
  japanese.Height = -16;
  auto wide = MakeComponent<TUDNumeralEdit>();
  wide->SetBounds(10, 60, 180, 28);
  wide->SetFont(japanese);
  wide->SetEditOptions({eoDWDisplay, eoDivide, eoRightAlign});
  wide->SetNValue(12345);
  wide->SetParentWindow(host.Handle());

  // Half-width digits beside them, to tell the widths apart.
  auto narrow = MakeComponent<TUDNumeralEdit>();
  narrow->SetBounds(10, 100, 180, 28);
  narrow->SetFont(japanese);
  narrow->SetEditOptions({eoDivide, eoRightAlign});
  narrow->SetNValue(12345);
  narrow->SetParentWindow(host.Handle());

  auto disabled = MakeComponent<TUDNumeralEdit>();
  disabled->SetBounds(10, 140, 180, 28);
  disabled->SetFont(japanese);
  disabled->SetEditOptions({eoRightAlign});
  disabled->SetNValue(42);
  disabled->SetParentWindow(host.Handle());
  disabled->SetEnabled(false);

  ::RedrawWindow(host.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  PumpFor(100);
  const TWindowCapture shot(host.Handle());
  shot.SavePng(L"ud_controls.png");

  const RECT normalUp{10, 10, 27, 27}, pushedUp{40, 10, 57, 27}, inactiveUp{70, 10, 87, 27};
  const RECT normalDown{10, 27, 27, 44}, pushedDown{40, 27, 57, 44};
  EXPECT_FALSE(shot.SameArea(normalUp, pushedUp));
  EXPECT_TRUE(shot.SameArea(normalDown, pushedDown));
  EXPECT_GT(shot.Count(normalUp, IsBlack), 3);       // a black arrow
  EXPECT_EQ(shot.Count(inactiveUp, IsBlack), 0);     // a greyed one

  // Right-aligned: the digits sit before the buttons, the left part stays empty.
  const COLORREF window = ::GetSysColor(COLOR_WINDOW);
  const auto ink = [window](COLORREF c) { return c != window; };
  EXPECT_EQ(shot.Count(RECT{14, 64, 70, 84}, ink), 0);
  EXPECT_GT(shot.Count(RECT{110, 64, 170, 84}, ink), 30);
  // Full-width text takes more room than half-width (in this proportional face, through its
  // separator).
  const auto firstInk = [&](int top) {
    for (int x = 14; x < 170; ++x)
      if (shot.Count(RECT{x, top, x + 1, top + 20}, ink) > 0) return x;
    return 170;
  };
  EXPECT_LT(firstInk(64), firstInk(104));
  // The disabled box is button-face.
  EXPECT_EQ(shot.Pixel(30, 154), ::GetSysColor(COLOR_BTNFACE));
}

}  // namespace
