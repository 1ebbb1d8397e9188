#include "settings/ini_text.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "framework/code_page_932.h"

namespace {

TEST(IniText, FindsValuesWithoutRegardToAsciiCase) {
  const TIniText text("[Menu]\r\nVertNum=20\r\n[Banner]\r\nCaption=Tamarind\r\n");
  EXPECT_EQ(text.Value(L"menu", L"VERTNUM"), L"20");
  EXPECT_EQ(text.Value(L"BANNER", L"caption"), L"Tamarind");
  EXPECT_EQ(text.Value(L"Menu", L"Caption"), std::nullopt);  // in another section
  EXPECT_EQ(text.Value(L"Icon", L"Show"), std::nullopt);
  // Full-width letters are not ASCII: their case still counts.
  EXPECT_EQ(TIniText("[Ａ]\nk=1\n").Value(L"ａ", L"k"), std::nullopt);
}

TEST(IniText, TrimsBlanksAndOnePairOfQuotes) {
  const TIniText text(
      "[s]\n"
      "  spaced  =  a b  \t\n"
      "double=\" kept \"\n"
      "single='x'\n"
      "mixed=\"x'\n"
      "nested=\"\"x\"\"\n"
      "lone=\"\n"
      "empty=\n");
  EXPECT_EQ(text.Value(L"s", L"spaced"), L"a b");
  EXPECT_EQ(text.Value(L"s", L"double"), L" kept ");
  EXPECT_EQ(text.Value(L"s", L"single"), L"x");
  EXPECT_EQ(text.Value(L"s", L"mixed"), L"\"x'");
  EXPECT_EQ(text.Value(L"s", L"nested"), L"\"x\"");
  EXPECT_EQ(text.Value(L"s", L"lone"), L"\"");
  EXPECT_EQ(text.Value(L"s", L"empty"), L"");
}

TEST(IniText, ReadsHeadersAndLinesAsWritten) {
  const TIniText text(
      "top=outside\n"
      " [ Spaced ] \n"
      "; a comment\n"
      "no equals sign\n"
      "k=first\n"
      "k=second\n"
      "[Spaced]\n"
      "other=later\n"
      "[Unclosed\n"
      "u=1");
  EXPECT_EQ(text.Value(L"", L"top"), std::nullopt);  // before any section
  EXPECT_EQ(text.Value(L"spaced", L"k"), L"first");
  EXPECT_EQ(text.Value(L"spaced", L"other"), L"later");
  EXPECT_EQ(text.Value(L"unclosed", L"u"), L"1");
}

TEST(IniText, ValuesAreCutTo1023BytesWithoutSplittingACharacter) {
  const std::string exact(TIniText::MaxValueBytes, 'a');
  EXPECT_EQ(TIniText("[s]\nk=" + exact + "b\n").Value(L"s", L"k"), FromCp932(exact));
  // 1022 single bytes and a double-byte character: the character would end at byte 1024.
  const std::string almost(TIniText::MaxValueBytes - 1, 'a');
  EXPECT_EQ(TIniText("[s]\nk=" + almost + ToCp932(L"表") + "\n").Value(L"s", L"k"), FromCp932(almost));
  EXPECT_EQ(TIniText("[s]\nk=" + almost + "b\n").Value(L"s", L"k")->size(), TIniText::MaxValueBytes);
}

TEST(IniText, JapaneseNamesAndValuesRoundTripInCodePage932) {
  TIniText text;
  text.SetValue(L"表示", L"見出し", L"ソフト表示ﾃｽﾄ");
  EXPECT_EQ(text.Bytes(), ToCp932(L"[表示]\r\n見出し=ソフト表示ﾃｽﾄ\r\n"));
  EXPECT_EQ(text.Value(L"表示", L"見出し"), L"ソフト表示ﾃｽﾄ");
  // "ソ" and "表" end in the byte of "\", and "ー" ends in that of "["; none is taken for one.
  const TIniText stored(ToCp932(L"[ソ表]\r\nーkey=ソ\r\n"));
  EXPECT_EQ(stored.Value(L"ソ表", L"ーkey"), L"ソ");
}

TEST(IniText, SetValueReplacesOnlyTheKeysLine) {
  TIniText text("; keep me\n[Menu]\nA=1\nB = old \n\n[Icon]\nShow=1");
  text.SetValue(L"menu", L"b", L"new");
  EXPECT_EQ(text.Bytes(), "; keep me\n[Menu]\nA=1\nb=new\n\n[Icon]\nShow=1");
}

TEST(IniText, SetValueAddsKeysAtTheEndOfTheirSectionAndSectionsAtTheEnd) {
  TIniText text("[Menu]\r\nA=1\r\n\r\n[Icon]\r\nShow=1");
  text.SetValue(L"Menu", L"B", L"2");
  text.SetValue(L"Icon", L"Size", L"16");
  text.SetValue(L"Banner", L"Show", L"0");
  EXPECT_EQ(text.Bytes(),
            "[Menu]\r\nA=1\r\nB=2\r\n\r\n[Icon]\r\nShow=1\r\nSize=16\r\n\r\n[Banner]\r\nShow=0\r\n");
  TIniText empty;
  empty.SetValue(L"Menu", L"A", L"1");
  EXPECT_EQ(empty.Bytes(), "[Menu]\r\nA=1\r\n");
}

TEST(IniText, LineBreaksCannotPlantKeys) {
  TIniText text;
  text.SetValue(L"s", L"caption", L"a\r\nVertNum=500\r\n[x]");
  EXPECT_EQ(text.Value(L"s", L"VertNum"), std::nullopt);
  EXPECT_EQ(text.Value(L"s", L"caption"), L"a  VertNum=500  [x]");
}

// Arbitrary bytes, leaning on those that mean something in the format.
std::string RandomBytes(std::mt19937& random, std::size_t size) {
  static constexpr char Meaningful[] = {'[', ']', '=', '\r', '\n', ' ', '"', '\'', 'a', 'A', 'k', 's', '\x81', '\xA2'};
  std::uniform_int_distribution<int> pick(0, 511);
  std::string bytes;
  for (std::size_t i = 0; i < size; ++i) {
    const int value = pick(random);
    bytes += value < 256 ? static_cast<char>(value) : Meaningful[value % sizeof(Meaningful)];
  }
  return bytes;
}

TEST(IniText, ArbitraryBytesAreReadAndUpdatedSafely) {
  std::mt19937 random(20240607);
  const std::wstring names[] = {L"s", L"S", L"a", L"k", L"", L"表"};
  std::uniform_int_distribution<std::size_t> size(0, 400);
  std::uniform_int_distribution<std::size_t> name(0, std::size(names) - 1);
  for (int round = 0; round < 2000; ++round) {
    TIniText text(RandomBytes(random, size(random)));
    const std::wstring& section = names[name(random)];
    const std::wstring& key = names[name(random)];
    const std::wstring& otherKey = names[name(random)];
    const auto otherBefore = text.Value(section + L"x", otherKey);
    const std::string before = text.Bytes();
    text.SetValue(section, key, L"値v");
    SCOPED_TRACE(::testing::PrintToString(before));
    EXPECT_EQ(text.Value(section, key), L"値v");
    EXPECT_EQ(text.Value(section + L"x", otherKey), otherBefore);
  }
}

}  // namespace
