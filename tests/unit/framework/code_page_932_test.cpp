#include "framework/code_page_932.h"

#include <gtest/gtest.h>

TEST(CodePage932, RoundTripsJapaneseText) {
  const std::wstring text = L"表示の設定(&V)...ｶﾅ１２３";
  const std::string bytes = ToCp932(text);
  EXPECT_EQ(bytes.substr(0, 4), "\x95\x5C\x8E\xA6");  // 表示
  EXPECT_EQ(FromCp932(bytes), text);
}

TEST(CodePage932, CountsBytesAndTellsDoubleByteCharacters) {
  EXPECT_EQ(Cp932Length(L"abc"), 3u);
  EXPECT_EQ(Cp932Length(L"ｱ"), 1u);  // half-width katakana is one byte
  EXPECT_EQ(Cp932Length(L"０１"), 4u);
  EXPECT_TRUE(IsDoubleByteChar(L'０'));
  EXPECT_TRUE(IsDoubleByteChar(L'＄'));
  EXPECT_FALSE(IsDoubleByteChar(L'0'));
  EXPECT_EQ(ToCp932(L"\U0001F600"), "??");  // not in the code page: one "?" per UTF-16 half
}

TEST(CodePage932, TruncationNeverSplitsACharacter) {
  EXPECT_EQ(TruncateToCp932Bytes(L"ab日本", 3), L"ab");
  EXPECT_EQ(TruncateToCp932Bytes(L"ab日本", 4), L"ab日");
  EXPECT_EQ(TruncateToCp932Bytes(L"ab", 62), L"ab");
  EXPECT_EQ(TruncateToCp932Bytes(L"日本", 1), L"");
}

TEST(CodePage932, NamesEachCharacterThatWouldNotComeBack) {
  const std::pair<const wchar_t*, const wchar_t*> cases[] = {
      {L"表示 ABC ｶﾅ ? ０", L""}, {L"𠮷野家の𠮷", L"𠮷"}, {L"Amélie, 한글 é", L"é한글"}, {L"☃\U0001F600", L"☃\U0001F600"}};
  for (const auto& [text, misfits] : cases) EXPECT_EQ(Cp932Misfits(text), misfits) << testing::PrintToString(std::wstring(text));
}
