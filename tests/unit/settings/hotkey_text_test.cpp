#include "settings/hotkey_text.h"

#include <gtest/gtest.h>

namespace {

TEST(HotkeyText, ReadsBackWhatItWritesInOneFixedOrder) {
  struct TCase {
    const wchar_t* Text;
    THotkey Hotkey;
  };
  const TCase cases[] = {
      {L"Ctrl+Alt+Space", {hmCtrl | hmAlt, 0x20}},
      {L"Win+Shift+L", {hmWin | hmShift, 'L'}},
      {L"Win+Ctrl+Alt+Shift+F24", {hmWin | hmCtrl | hmAlt | hmShift, 0x87}},
      {L"Ctrl+7", {hmCtrl, '7'}},
      {L"Alt+Num5", {hmAlt, 0x65}},
      {L"Ctrl+Shift+Add", {hmCtrl | hmShift, 0x6B}},
      {L"Ctrl+-", {hmCtrl, 0xBD}},
      {L"Ctrl+\\", {hmCtrl, 0xDC}},
      {L"Alt+PageDown", {hmAlt, 0x22}},
      {L"F9", {0, 0x78}},
      {L"Ctrl+0xE5", {hmCtrl, 0xE5}},  // a key without a name keeps its code
      {L"", {}},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(HotkeyText(c.Hotkey), c.Text);
    const THotkeyParse read = ParseHotkey(c.Text);
    ASSERT_TRUE(read.Hotkey) << "can't read back " << testing::PrintToString(std::wstring(c.Text));
    EXPECT_EQ(*read.Hotkey, c.Hotkey) << testing::PrintToString(std::wstring(c.Text));
  }
}

TEST(HotkeyText, ReadsAnyOrderCaseAndSpacingButWritesTheFixedForm) {
  const struct {
    const wchar_t* Typed;
    const wchar_t* Written;
  } cases[] = {
      {L"shift + win + l", L"Win+Shift+L"},
      {L"ALT+ctrl+space", L"Ctrl+Alt+Space"},
      {L"  Ctrl+Alt+f1 ", L"Ctrl+Alt+F1"},
      {L"   ", L""},
  };
  for (const auto& c : cases) {
    const THotkeyParse read = ParseHotkey(c.Typed);
    ASSERT_TRUE(read.Hotkey) << read.Problem.size();
    EXPECT_EQ(HotkeyText(*read.Hotkey), c.Written);
  }
}

TEST(HotkeyText, RefusesWhatItCannotReadAndSaysWhy) {
  const struct {
    const wchar_t* Text;
    const wchar_t* Problem;
  } cases[] = {
      {L"Ctrl+Alt+Spcae", L"「Spcae」はキーの名前ではありません"},
      {L"Hyper+A", L"「Hyper」はキーの名前ではありません"},
      {L"Ctrl+F25", L"「F25」はキーの名前ではありません"},
      {L"Ctrl+0x00", L"「0x00」はキーの名前ではありません"},
      {L"Ctrl+Alt", L"修飾キーのほかにキーがありません"},
      {L"Ctrl++A", L"「+」の前後に名前がありません"},
      {L"Ctrl+A+", L"「+」の前後に名前がありません"},
      {L"Ctrl+ctrl+A", L"「Ctrl」が二度あります"},
      {L"Ctrl+A+B", L"キーが二つあります"},
      {L"A+Ctrl", L"修飾キーはキーより前に書きます"},
  };
  for (const auto& c : cases) {
    const THotkeyParse read = ParseHotkey(c.Text);
    EXPECT_FALSE(read.Hotkey) << testing::PrintToString(std::wstring(c.Text));
    EXPECT_EQ(read.Problem, c.Problem) << testing::PrintToString(std::wstring(c.Text));
  }
}

TEST(HotkeyText, TakesABareKeyOnlyWhereNoOtherProgramNeedsIt) {
  const std::pair<const wchar_t*, bool> cases[] = {
      {L"A", false}, {L"Enter", false}, {L"Shift+A", false}, {L"F12", false}, {L"Ctrl+F12", false},
      {L"F9", true}, {L"F13", true},    {L"Pause", true},    {L"Ctrl+A", true}, {L"Win+Space", true}, {L"Alt+1", true}};
  for (const auto& [text, taken] : cases)
    EXPECT_EQ(HotkeyRuleProblem(ParseHotkey(text).Hotkey.value()).empty(), taken) << testing::PrintToString(std::wstring(text));
}

}  // namespace
