#include "controls/ud_numeral_edit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "control_host.h"
#include "framework/application.h"
#include "support/clipboard.h"
#include "support/message_pump.h"
#include "screen_look.h"

namespace {

using enum TEditOption;
using enum TBtnType;

class UDNumeralEditTest : public ::testing::Test {
protected:
  void SetUp() override {
    edit = MakeComponent<TUDNumeralEdit>();
    edit->SetBounds(10, 10, 121, 25);
    edit->SetParentWindow(host.Handle());
    edit->OnDecision = [this](TComponent* sender) {
      EXPECT_EQ(sender, edit.get());
      ++decisions;
    };
    other = MakeComponent<TCustomEdit>();
    other->SetBounds(10, 60, 100, 25);
    other->SetParentWindow(host.Handle());
  }

  // As the settings dialog has its column length.
  void MakeColumnsField() {
    edit->SetMax(100);
    edit->SetMin(2);
    edit->SetNValue(2);
    edit->SetKeyCheck(true);
    edit->SetEditOptions({eoRightAlign});
    edit->SetBtnWidth(15);
    decisions = 0;
  }
  void Type(const wchar_t* text) {
    edit->SetFocus();
    edit->SelectAll();
    TypeChars(edit->Handle(), text);
  }
  void TypeAndLeave(const wchar_t* text) {
    Type(text);
    other->SetFocus();
  }
  void Key(UINT key) { KeyDownUp(edit->Handle(), key); }
  RECT ButtonsInEdit() const {
    RECT r{};
    ::GetWindowRect(edit->Btn().Handle(), &r);
    ::MapWindowPoints(nullptr, edit->Handle(), reinterpret_cast<POINT*>(&r), 2);
    return r;
  }
  bool UpEnabled() const { return edit->Btn().GetUpEnabled(); }
  bool DownEnabled() const { return edit->Btn().GetDownEnabled(); }

  TControlHost host;
  TComponentPtr<TUDNumeralEdit> edit;
  TComponentPtr<TCustomEdit> other;
  int decisions = 0;
};

TEST_F(UDNumeralEditTest, StartsWithTheFullRangeAndButtonsInsideItsRightEdge) {
  EXPECT_EQ(edit->Max(), 2147483647);
  EXPECT_EQ(edit->Min(), -2147483647);
  EXPECT_EQ(edit->Text(), L"0");
  EXPECT_EQ(edit->Btn().Name(), L"UDBtn");
  EXPECT_EQ(::GetParent(edit->Btn().Handle()), edit->Handle());
  const RECT buttons = ButtonsInEdit();
  EXPECT_EQ(buttons.left, 121 - 15 - 5);
  EXPECT_EQ(buttons.top, 0);
  EXPECT_EQ(buttons.right - buttons.left, 15);
  EXPECT_EQ(buttons.bottom - buttons.top, 25 - 5);

  // A single-line box keeps its text clear of the buttons with its right margin.
  EXPECT_EQ(HIWORD(::SendMessageW(edit->Handle(), EM_GETMARGINS, 0, 0)), 15 + 2);

  edit->SetBounds(10, 10, 150, 30);
  EXPECT_EQ(ButtonsInEdit().left, 150 - 15 - 5);
  edit->SetBtnWidth(20);
  EXPECT_EQ(ButtonsInEdit().left, 150 - 20 - 5);
  EXPECT_EQ(HIWORD(::SendMessageW(edit->Handle(), EM_GETMARGINS, 0, 0)), 20 + 2);
}

TEST_F(UDNumeralEditTest, ColumnsFieldIsRightAlignedAndKeepsTextClearOfTheButtons) {
  MakeColumnsField();
  EXPECT_EQ(edit->Text(), L"2");
  const LONG style = ::GetWindowLongW(edit->Handle(), GWL_STYLE);
  EXPECT_TRUE(style & ES_RIGHT);
  EXPECT_TRUE(style & WS_CLIPCHILDREN);
  EXPECT_TRUE(UpEnabled());
  EXPECT_FALSE(DownEnabled());

  RECT client{};
  ::GetClientRect(edit->Handle(), &client);
  RECT text{};
  ::SendMessageW(edit->Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text));
  // The system may take a little more for its own margins.
  EXPECT_LE(text.right, client.right - 15 - 2);
  EXPECT_GT(text.right, client.right / 2);

  // A new size gives the box a new formatting rectangle, still clear of the buttons.
  edit->SetBounds(10, 10, 150, 30);
  ::GetClientRect(edit->Handle(), &client);
  ::SendMessageW(edit->Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text));
  EXPECT_LE(text.right, client.right - 15 - 2);
  EXPECT_GT(text.right, client.right / 2);

  // One line for a dialog, too: it wants Enter, not Tab.
  MSG enter{edit->Handle(), WM_KEYDOWN, VK_RETURN, 1, 0, {}};
  MSG tab{edit->Handle(), WM_KEYDOWN, VK_TAB, 1, 0, {}};
  EXPECT_TRUE(::SendMessageW(edit->Handle(), WM_GETDLGCODE, VK_RETURN, reinterpret_cast<LPARAM>(&enter)) &
              DLGC_WANTMESSAGE);
  EXPECT_FALSE(::SendMessageW(edit->Handle(), WM_GETDLGCODE, VK_TAB, reinterpret_cast<LPARAM>(&tab)) &
               (DLGC_WANTMESSAGE | DLGC_WANTALLKEYS | DLGC_WANTTAB));
}

TEST_F(UDNumeralEditTest, ArrowKeysStepThroughTheButtonsAndGoNoFurther) {
  MakeColumnsField();
  std::vector<TBtnType> steps;
  edit->OnBtnClick = [&](TComponent* sender, TBtnType btn) {
    EXPECT_EQ(sender, edit.get());
    steps.push_back(btn);
  };
  std::vector<std::uint16_t> keysSeen;
  edit->OnKeyDown = [&](TComponent*, std::uint16_t& key, TShiftState) { keysSeen.push_back(key); };
  edit->SetFocus();

  ::SendMessageW(edit->Handle(), WM_KEYDOWN, VK_UP, 1);
  EXPECT_EQ(edit->NValue(), 3);
  EXPECT_EQ(edit->Text(), L"3");
  EXPECT_TRUE(edit->Btn().GetUpPressed());
  ::SendMessageW(edit->Handle(), WM_KEYUP, VK_UP, static_cast<LPARAM>(0xC0000001));
  EXPECT_FALSE(edit->Btn().GetUpPressed());
  Key(VK_DOWN);
  Key(VK_DOWN);  // at the minimum: the down button is disabled now
  EXPECT_EQ(edit->NValue(), 2);
  EXPECT_EQ(steps, (std::vector<TBtnType>{btUp, btDown}));
  EXPECT_TRUE(keysSeen.empty());

  Key(VK_LEFT);
  EXPECT_EQ(keysSeen, std::vector<std::uint16_t>{VK_LEFT});
}

// A key held when the focus moves on never gets its key-up here: leaving lets the button go.
TEST_F(UDNumeralEditTest, LeavingShowsBothButtonsUnpushed) {
  MakeColumnsField();
  edit->SetNValue(50);
  const HWND buttons = edit->Btn().Handle();
  edit->SetFocus();
  const TWindowCapture unpushed = PaintedCapture(buttons);  // at rest
  for (const UINT key : {VK_UP, VK_DOWN}) {
    edit->SetFocus();
    ::SendMessageW(edit->Handle(), WM_KEYDOWN, key, 1);
    ASSERT_TRUE(edit->Btn().GetUpPressed() || edit->Btn().GetDownPressed());
    EXPECT_TRUE(LooksLike(buttons, unpushed, false)) << key << ": not shown pushed";

    other->SetFocus();
    EXPECT_FALSE(edit->Btn().GetUpPressed()) << key;
    EXPECT_FALSE(edit->Btn().GetDownPressed()) << key;
    EXPECT_TRUE(LooksLike(buttons, unpushed)) << key << ": still shown pushed";
  }
}

TEST_F(UDNumeralEditTest, EnterCommitsTypedText) {
  MakeColumnsField();
  Type(L"50");
  EXPECT_TRUE(edit->Modified());
  EXPECT_EQ(edit->NValue(), 2);
  Key(VK_RETURN);
  EXPECT_EQ(edit->NValue(), 50);
  EXPECT_EQ(edit->Text(), L"50");
  EXPECT_FALSE(edit->Modified());
  EXPECT_EQ(decisions, 1);

  // Text typed just as it would be shown stays, and is selected to show it was taken.
  edit->SetSelection(2, 0);
  TypeChars(edit->Handle(), L"\b0");
  ASSERT_TRUE(edit->Modified());
  Key(VK_RETURN);
  EXPECT_EQ(edit->NValue(), 50);
  EXPECT_FALSE(edit->Modified());
  EXPECT_EQ(edit->SelStart(), 0);
  EXPECT_EQ(edit->SelLength(), 2);
  EXPECT_EQ(decisions, 2);
}

TEST_F(UDNumeralEditTest, EveryCommitReportsOneDecision) {
  MakeColumnsField();
  edit->SetNValue(5);
  edit->SetNValue(5);
  EXPECT_EQ(decisions, 2);
  edit->SetFocus();
  other->SetFocus();
  EXPECT_EQ(decisions, 3);
  Key(VK_UP);
  EXPECT_EQ(decisions, 4);
  // A step after typing takes the typed text first: two commits.
  Type(L"10");
  Key(VK_UP);
  EXPECT_EQ(edit->NValue(), 11);
  EXPECT_EQ(decisions, 6);
}

TEST_F(UDNumeralEditTest, TypedValuesAreClampedProgramValuesWrap) {
  MakeColumnsField();
  TypeAndLeave(L"500");
  EXPECT_EQ(edit->NValue(), 100);
  edit->SetWrap(true);
  TypeAndLeave(L"500");
  EXPECT_EQ(edit->NValue(), 100);
  TypeAndLeave(L"-");
  EXPECT_EQ(edit->NValue(), 2);
  edit->SetNValue(500);
  EXPECT_EQ(edit->NValue(), 2);
}

TEST_F(UDNumeralEditTest, ButtonsFollowTheBoundsAndWrapping) {
  MakeColumnsField();
  edit->SetNValue(100);
  EXPECT_FALSE(UpEnabled());
  EXPECT_TRUE(DownEnabled());
  edit->SetNValue(50);
  EXPECT_TRUE(UpEnabled());
  EXPECT_TRUE(DownEnabled());

  edit->SetWrap(true);
  edit->SetNValue(100);
  Key(VK_UP);
  EXPECT_EQ(edit->NValue(), 2);
  Key(VK_DOWN);
  EXPECT_EQ(edit->NValue(), 100);
  EXPECT_TRUE(UpEnabled());
  EXPECT_TRUE(DownEnabled());

  edit->SetWrap(false);
  edit->SetMax(2);
  EXPECT_EQ(edit->NValue(), 2);
  EXPECT_FALSE(UpEnabled());
  EXPECT_FALSE(DownEnabled());
}

TEST_F(UDNumeralEditTest, MinAndMaxNeverCross) {
  MakeColumnsField();
  edit->SetNValue(50);
  edit->SetMin(200);
  EXPECT_EQ(edit->Min(), 100);
  EXPECT_EQ(edit->NValue(), 100);
  edit->SetMin(2);
  edit->SetMax(1);
  EXPECT_EQ(edit->Max(), 2);
  EXPECT_EQ(edit->NValue(), 2);
  EXPECT_EQ(edit->Text(), L"2");
}

TEST_F(UDNumeralEditTest, SteppingPastThe32BitRangeStopsAtTheBound) {
  edit->SetNValue(2147483647);
  Key(VK_UP);
  EXPECT_EQ(edit->NValue(), 2147483647);
  EXPECT_FALSE(UpEnabled());

  edit->SetWrap(true);
  Key(VK_UP);
  EXPECT_EQ(edit->NValue(), -2147483647);
}

TEST_F(UDNumeralEditTest, DisablingTurnsItButtonFaceAndEnablingBringsItsColourBack) {
  edit->SetEnabled(false);
  EXPECT_EQ(edit->Color(), clBtnFace);
  EXPECT_FALSE(UpEnabled());
  EXPECT_FALSE(DownEnabled());
  EXPECT_FALSE(::IsWindowEnabled(edit->Handle()));
  edit->SetEnabled(true);
  EXPECT_EQ(edit->Color(), clWindow);
  EXPECT_TRUE(UpEnabled());

  edit->SetColor(RgbColor(200, 230, 255));
  edit->SetEnabled(false);
  edit->SetEnabled(true);
  EXPECT_EQ(edit->Color(), RgbColor(200, 230, 255));

  // A box that is button-face by choice stays so.
  edit->SetColor(clBtnFace);
  edit->SetEnabled(false);
  edit->SetEnabled(true);
  EXPECT_EQ(edit->Color(), clBtnFace);
}

TEST_F(UDNumeralEditTest, ReadOnlyIgnoresCutAndPaste) {
  edit->SetNValue(42);
  SetClipboardText(L"77");
  edit->SetReadOnly(true);
  edit->SelectAll();
  ::SendMessageW(edit->Handle(), WM_CUT, 0, 0);
  ::SendMessageW(edit->Handle(), WM_PASTE, 0, 0);
  EXPECT_EQ(edit->Text(), L"42");
  EXPECT_EQ(ClipboardText(), L"77");

  edit->SetReadOnly(false);
  edit->SelectAll();
  ::SendMessageW(edit->Handle(), WM_PASTE, 0, 0);
  EXPECT_EQ(edit->Text(), L"77");
  edit->Commit();
  EXPECT_EQ(edit->NValue(), 77);
}

TEST_F(UDNumeralEditTest, FullWidthDisplayShowsTypesAndReadsFullWidthDigits) {
  edit->SetEditOptions({eoDWDisplay, eoDivide});
  edit->SetNValue(1234567);
  EXPECT_EQ(edit->Text(), L"１，２３４，５６７");
  edit->SetNValue(-5);
  EXPECT_EQ(edit->Text(), L"－５");

  Type(L"1a2,3");
  EXPECT_EQ(edit->Text(), L"１２，３");
  Key(VK_RETURN);
  EXPECT_EQ(edit->NValue(), 123);
  EXPECT_EQ(edit->Text(), L"１２３");

}

TEST_F(UDNumeralEditTest, KeyCheckLetsOnlyNumberKeysThrough) {
  Type(L"1x2 3-");
  EXPECT_EQ(edit->Text(), L"123-");
  edit->SetEditOptions({eoHEXIndicate});
  Type(L"fg1-");
  EXPECT_EQ(edit->Text(), L"f1");
  Key(VK_RETURN);
  EXPECT_EQ(edit->NValue(), 0xF1);
  EXPECT_EQ(edit->Text(), L"$F1");
  edit->SetKeyCheck(false);
  Type(L"zz");
  EXPECT_EQ(edit->Text(), L"zz");
}

TEST_F(UDNumeralEditTest, SignKeysTurnTheNumberAtOnce) {
  std::vector<std::wstring> errors;
  Application().OnException = [&](const std::wstring& message) { errors.push_back(message); };
  edit->SetSignPress(true);
  edit->SetEditOptions({eoDivide});
  edit->SetNValue(1234);
  edit->SetFocus();
  TypeChars(edit->Handle(), L"-");
  EXPECT_EQ(edit->Text(), L"-1,234");
  EXPECT_TRUE(edit->Modified());
  TypeChars(edit->Handle(), L"+");
  EXPECT_EQ(edit->Text(), L"1,234");
  TypeChars(edit->Handle(), L"-");
  Key(VK_RETURN);
  EXPECT_EQ(edit->NValue(), -1234);

  // No number to turn: reported, and the text stays.
  edit->SetText(L"");
  TypeChars(edit->Handle(), L"-");
  EXPECT_EQ(edit->Text(), L"");
  EXPECT_EQ(errors.size(), 1u);

  // A read-only box keeps its number.
  edit->SetNValue(5);
  edit->SetReadOnly(true);
  TypeChars(edit->Handle(), L"-");
  EXPECT_EQ(edit->Text(), L"5");
  Application().OnException = nullptr;
}

TEST_F(UDNumeralEditTest, ChangingTheAlignmentRemakesTheWindowAndKeepsTheValue) {
  edit->SetNValue(77);
  decisions = 0;
  edit->SetEditOptions({eoRightAlign});
  EXPECT_TRUE(::GetWindowLongW(edit->Handle(), GWL_STYLE) & ES_RIGHT);
  EXPECT_EQ(edit->Text(), L"77");
  EXPECT_EQ(decisions, 2);
  EXPECT_EQ(::GetParent(edit->Btn().Handle()), edit->Handle());
  EXPECT_EQ(ButtonsInEdit().left, 121 - 15 - 5);

  edit->SetEditOptions({});
  EXPECT_FALSE(::GetWindowLongW(edit->Handle(), GWL_STYLE) & ES_RIGHT);
  EXPECT_EQ(edit->Text(), L"77");
}

TEST_F(UDNumeralEditTest, EnteringByKeyboardSelectsAllOrNothing) {
  edit->SetNValue(1234);
  edit->SetFocus();
  EXPECT_EQ(edit->SelLength(), 4);
  other->SetFocus();
  edit->SetAutoSelect(false);
  edit->SetSelection(1, 2);
  edit->SetFocus();
  EXPECT_EQ(edit->SelStart(), 0);
  EXPECT_EQ(edit->SelLength(), 0);
}

TEST_F(UDNumeralEditTest, ReleasingAButtonFocusesTheEditWithItsTextSelected) {
  MakeColumnsField();
  other->SetFocus();
  const HWND buttons = edit->Btn().Handle();
  LeftDown(buttons, 5, 3);
  EXPECT_EQ(edit->NValue(), 3);
  LeftUp(buttons, 5, 3);
  EXPECT_TRUE(edit->Focused());
  EXPECT_EQ(edit->SelLength(), 1);

  // Already focused, with the caret placed in the text: the release selects it all again.
  edit->SetNValue(12);
  edit->SetSelection(1, 0);
  LeftDown(buttons, 5, 3);
  LeftUp(buttons, 5, 3);
  EXPECT_EQ(edit->SelStart(), 0);
  EXPECT_EQ(edit->SelLength(), 2);
}

}  // namespace
