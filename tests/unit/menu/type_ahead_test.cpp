#include "menu/type_ahead.h"

#include <gtest/gtest.h>

#include <cwctype>

namespace {

// Folds what the system's comparison ignores here: letter case, full-width Latin letters,
// katakana against hiragana, and a half-width ｶ with its voicing mark ﾞ against ガ.
std::wstring Folded(std::wstring_view text) {
  std::wstring folded;
  for (size_t i = 0; i < text.size(); ++i) {
    wchar_t c = text[i];
    if (c >= 0xFF21 && c <= 0xFF5A) c = static_cast<wchar_t>(c - 0xFF21 + L'A');  // Ａ..ｚ
    if (c >= 0x30A1 && c <= 0x30F6) c = static_cast<wchar_t>(c - 0x60);          // katakana
    if (c == 0xFF76) c = (i + 1 < text.size() && text[i + 1] == 0xFF9E) ? (++i, L'が') : L'か';
    folded += static_cast<wchar_t>(std::towlower(c));
  }
  return folded;
}

bool SameText(std::wstring_view a, std::wstring_view b) { return Folded(a) == Folded(b); }

class TypeAheadTest : public ::testing::Test {
protected:
  TTypeAheadResult Type(const std::wstring& keys, std::optional<int> highlighted, std::uintptr_t menu = 1) {
    TTypeAheadResult result;
    for (wchar_t key : keys) {
      result = typeAhead.Type(key, menu, entries, highlighted);
      if (result.Action == TTypeAheadAction::Select) highlighted = result.Position;
      now += 200;
    }
    return result;
  }
  static TTypeAheadResult Select(int position) { return {TTypeAheadAction::Select, position}; }

  std::uint64_t now = 50000;
  TTypeAhead typeAhead{[this] { return now; }, SameText};
  std::vector<TTypeAheadEntry> entries;
};

TEST_F(TypeAheadTest, FindsByPrefixFromTheHighlightWrappingAndMovesOnWithTheSameLetter) {
  entries = {{L"このフォルダを開く", true}, {L"<Reports>", true}, {L"readme.md", true}, {L"-", false},
             {L"report.txt", true},     {L"Rep&lay.exe", true}, {L"zip.exe", true},  {L"キャンセル", true}};
  const struct {
    const wchar_t* Keys;
    std::optional<int> Highlighted;
    TTypeAheadResult Expected;
  } cases[] = {
      {L"rep", std::nullopt, Select(1)},  // a folder by its name, brackets aside
      {L"rep", 2, Select(4)},             // at or after the highlighted entry
      {L"rep", 4, Select(4)},
      {L"repl", 0, Select(5)},            // "&" marks are not typed
      {L"REPORT.", 6, Select(4)},         // wraps after the last entry, case aside
      {L"r", 1, Select(1)},
      {L"rr", 1, Select(2)},              // the same letter again: the next one
      {L"rrr", 1, Select(4)},
      {L"rrrrr", 1, Select(1)},           // and round again
      {L"-", 0, {}},                      // a separator is never found
      {L"repx", 0, {}},
      {L"ｷｬﾝｾﾙ", 0, {}},                // width alone does not fold kana in this test's rules
      {L"きゃんせる", 0, Select(7)},     // kana type
  };
  for (const auto& c : cases) {
    typeAhead.Reset();
    EXPECT_EQ(Type(c.Keys, c.Highlighted), c.Expected) << testing::PrintToString(std::wstring(c.Keys));
  }
}

TEST_F(TypeAheadTest, WidthAndVoicingMarksFold) {
  entries = {{L"ＺＩＰ圧縮", true}, {L"がくふ.txt", true}, {L"Zebra", true}};
  EXPECT_EQ(Type(L"zi", 2), Select(0));
  typeAhead.Reset();
  EXPECT_EQ(Type(L"\xFF76\xFF9E\x304F", std::nullopt), Select(1));  // ｶﾞく: three typed, two shown
}

TEST_F(TypeAheadTest, APauseOfASecondOrAnotherMenuStartsAfresh) {
  entries = {{L"alpha", true}, {L"beach", true}, {L"bravo", true}, {L"better", true}};
  EXPECT_EQ(Type(L"be", 0), Select(1));
  EXPECT_EQ(typeAhead.Prefix(), L"be");
  now += 799;  // 999 ms after the last key: the prefix grows
  EXPECT_EQ(typeAhead.Type(L't', 1, entries, 1), Select(3));
  EXPECT_EQ(typeAhead.Prefix(), L"bet");
  now += 1000;
  EXPECT_EQ(typeAhead.Type(L'a', 1, entries, 3), Select(0));
  EXPECT_EQ(typeAhead.Prefix(), L"a");
  EXPECT_EQ(typeAhead.Type(L'b', 2, entries, 0), Select(1));  // a submenu: "b", not "ab"
  EXPECT_EQ(typeAhead.Prefix(), L"b");
}

TEST_F(TypeAheadTest, AFirstCharacterThatIsAMnemonicStillChoosesItsItem) {
  entries = {{L"表示の設定(&V)...", true}, {L"-", false}, {L"終了(&X)", true}, {L"xterm", true}};
  EXPECT_EQ(Type(L"x", 3), (TTypeAheadResult{TTypeAheadAction::Execute, 2}));
  entries = {{L"avocado", true}, {L"&Vault", true}, {L"vivaldi", true}};
  EXPECT_EQ(Type(L"av", std::nullopt), Select(0));  // past one character it is a name again
  now += 5000;
  EXPECT_EQ(Type(L"v", 2), (TTypeAheadResult{TTypeAheadAction::Execute, 1}));
}

}  // namespace
