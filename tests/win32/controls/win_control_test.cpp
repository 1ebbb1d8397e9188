#include "framework/win_control.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "control_host.h"
#include "framework/application.h"
#include "framework/custom_edit.h"
#include "framework/exception.h"
#include "support/message_pump.h"
#include "window_capture.h"

namespace {

class WinControlTest : public ::testing::Test {
protected:
  void SetUp() override {
    edit = MakeComponent<TCustomEdit>();
    edit->SetBounds(10, 10, 120, 24);
  }
  TControlHost host;
  TComponentPtr<TCustomEdit> edit;
};

TEST_F(WinControlTest, PropertiesWaitForTheWindowAndSurviveItsRemaking) {
  edit->SetText(L"まだ窓なし");
  edit->SetEnabled(false);
  EXPECT_FALSE(edit->HandleAllocated());
  edit->SetParentWindow(host.Handle());
  ASSERT_TRUE(edit->HandleAllocated());
  EXPECT_EQ(::GetParent(edit->Handle()), host.Handle());
  EXPECT_EQ(edit->Text(), L"まだ窓なし");
  EXPECT_FALSE(::IsWindowEnabled(edit->Handle()));
  RECT bounds{};
  ::GetWindowRect(edit->Handle(), &bounds);
  EXPECT_EQ(bounds.right - bounds.left, 120);
  EXPECT_EQ(bounds.bottom - bounds.top, 24);

  edit->SetEnabled(true);
  edit->SetModified(true);
  edit->SetCtl3D(false);  // a border style takes a new window
  EXPECT_FALSE(::GetWindowLongW(edit->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  EXPECT_EQ(edit->Text(), L"まだ窓なし");
  EXPECT_TRUE(edit->Modified());
  EXPECT_TRUE(::IsWindowEnabled(edit->Handle()));
}

TEST_F(WinControlTest, ProgramTextIsNoUserChange) {
  edit->SetParentWindow(host.Handle());
  std::vector<std::wstring> changes;
  edit->OnChange = [&](TComponent* sender) {
    EXPECT_EQ(sender, edit.get());
    changes.push_back(edit->Text());
  };
  edit->SetFocus();
  TypeChars(edit->Handle(), L"ab");
  EXPECT_TRUE(edit->Modified());
  EXPECT_EQ(changes, (std::vector<std::wstring>{L"a", L"ab"}));
  edit->SetText(L"xyz");
  EXPECT_FALSE(edit->Modified());
  EXPECT_EQ(edit->Text(), L"xyz");
}

TEST_F(WinControlTest, KeyEventsCanChangeOrConsumeKeysAndFailuresAreReported) {
  std::vector<std::wstring> errors;
  Application().OnException = [&](const std::wstring& message) { errors.push_back(message); };
  edit->SetParentWindow(host.Handle());
  edit->OnKeyPress = [](TComponent*, wchar_t& key) {
    if (key == L'x') key = 0;
    if (key == L'a') key = L'b';
    if (key == L'!') throw Exception(L"使えない文字です");
  };
  edit->SetFocus();
  TypeChars(edit->Handle(), L"xa!z");
  EXPECT_EQ(edit->Text(), L"bz");
  EXPECT_EQ(errors, std::vector<std::wstring>{L"使えない文字です"});
  Application().OnException = nullptr;
}

TEST_F(WinControlTest, EnteringByKeyboardSelectsAllButAClickPlacesTheCaret) {
  edit->SetParentWindow(host.Handle());
  edit->SetText(L"12345");
  edit->SetFocus();
  EXPECT_EQ(edit->SelLength(), 5);
  ::SetFocus(host.Handle());
  edit->SetSelection(0, 0);
  LeftDown(edit->Handle(), 2, 5);
  LeftUp(edit->Handle(), 2, 5);
  EXPECT_TRUE(edit->Focused());
  EXPECT_EQ(edit->SelLength(), 0);
}

TEST_F(WinControlTest, MouseEventsReportButtonPositionAndClick) {
  edit->SetParentWindow(host.Handle());
  std::vector<std::string> seen;
  edit->OnMouseDown = [&](TComponent*, TMouseButton button, TShiftState shift, int x, int y) {
    seen.push_back("down " + std::to_string(static_cast<int>(button)) + " " + std::to_string(x) + "," +
                   std::to_string(y) + (shift.Contains(TShiftStateValue::ssLeft) ? " left" : ""));
  };
  edit->OnMouseUp = [&](TComponent*, TMouseButton, TShiftState, int x, int y) {
    seen.push_back("up " + std::to_string(x) + "," + std::to_string(y));
  };
  edit->OnClick = [&](TComponent*) { seen.push_back("click"); };
  LeftDown(edit->Handle(), 7, 8);
  LeftUp(edit->Handle(), 9, 8);
  LeftDown(edit->Handle(), 7, 8);
  LeftUp(edit->Handle(), 500, 8);  // released outside: no click
  EXPECT_EQ(seen, (std::vector<std::string>{"down 0 7,8 left", "click", "up 9,8", "down 0 7,8 left", "up 500,8"}));
}

TEST_F(WinControlTest, ColourAndFontReachThePaintedBox) {
  edit->SetColor(RgbColor(255, 255, 0));
  TFontDescription font;
  font.Height = -16;
  font.Color = RgbColor(0, 0, 255);
  edit->SetFont(font);
  edit->SetText(L"■■■■");
  edit->SetParentWindow(host.Handle());
  EXPECT_EQ(edit->Font().Height, -16);
  ::UpdateWindow(host.Handle());
  PumpFor(50);
  const TWindowCapture capture(host.Handle());
  const RECT inside{12, 12, 128, 32};
  const int background = capture.Count(inside, [](COLORREF c) { return c == RGB(255, 255, 0); });
  const int text = capture.Count(inside, [](COLORREF c) { return c == RGB(0, 0, 255); });
  EXPECT_GT(background, 500);
  EXPECT_GT(text, 50);
}

// A control that stays at its parent's right edge.
class TRightPanel : public TWinControl {
public:
  using TWinControl::TWinControl;

protected:
  void CreateParams(TCreateParams& params) override {
    params.ClassName = L"STATIC";
  }
};

TEST_F(WinControlTest, ChildrenGetWindowsWithTheirParentAndKeepTheirAlignment) {
  auto panel = MakeComponent<TRightPanel>();
  panel->SetParent(edit.get());
  panel->SetBounds(0, 0, 30, 5);
  panel->SetAlign(TAlign::alRight);
  EXPECT_FALSE(panel->HandleAllocated());

  edit->SetParentWindow(host.Handle());
  ASSERT_TRUE(panel->HandleAllocated());
  EXPECT_EQ(::GetParent(panel->Handle()), edit->Handle());
  EXPECT_EQ(panel->Left(), edit->ClientWidth() - 30);
  EXPECT_EQ(panel->Top(), 0);
  EXPECT_EQ(panel->Height(), edit->ClientHeight());

  edit->SetBounds(10, 10, 200, 40);
  EXPECT_EQ(panel->Left(), edit->ClientWidth() - 30);
  EXPECT_EQ(panel->Height(), edit->ClientHeight());
  panel->SetWidth(50);
  EXPECT_EQ(panel->Left(), edit->ClientWidth() - 50);

  edit->SetCtl3D(false);
  ASSERT_TRUE(panel->HandleAllocated());
  EXPECT_EQ(::GetParent(panel->Handle()), edit->Handle());

  // A parent that goes first takes its children's windows with it.
  edit.reset();
  EXPECT_FALSE(panel->HandleAllocated());
  EXPECT_EQ(panel->Parent(), nullptr);
}

}  // namespace
