#include "framework/hint_window.h"

#include <gtest/gtest.h>

#include "support/message_pump.h"

namespace {

TEST(HintWindow, ShowsWhereAskedWithoutTakingTheFocus) {
  THintWindow hint;
  EXPECT_FALSE(hint.Showing());
  hint.HideHint();  // nothing to hide yet
  HWND before = ::GetForegroundWindow();
  hint.ActivateHint({100, 120, 220, 140}, L"メモ帳を開きます");
  PumpFor(50);
  ASSERT_TRUE(hint.Showing());
  RECT r;
  ::GetWindowRect(hint.Handle(), &r);
  EXPECT_EQ(r.left, 100);
  EXPECT_EQ(r.top, 120);
  EXPECT_EQ(r.right, 220);
  EXPECT_EQ(r.bottom, 140);
  EXPECT_EQ(hint.Text(), L"メモ帳を開きます");
  EXPECT_EQ(::GetForegroundWindow(), before);
  hint.HideHint();
  EXPECT_FALSE(hint.Showing());
}

TEST(HintWindow, LongTextsWrapInTheMeasuredWidth) {
  THintWindow hint;
  TRect oneLine{0, 0, 1000, 0};
  hint.MeasureText(oneLine, L"short", DT_WORDBREAK | DT_NOPREFIX);
  EXPECT_GT(oneLine.Width(), 0);
  EXPECT_GT(oneLine.Height(), 0);
  TRect wrapped{0, 0, 60, 0};
  hint.MeasureText(wrapped, L"several words that cannot fit on one line", DT_WORDBREAK | DT_NOPREFIX);
  EXPECT_LE(wrapped.Width(), 60);
  EXPECT_GE(wrapped.Height(), 3 * oneLine.Height());
}

}  // namespace
