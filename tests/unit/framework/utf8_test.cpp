#include "framework/utf8.h"

#include <gtest/gtest.h>

TEST(Utf8, RoundTripsJapaneseAndAstralText) {
  const std::wstring text = L"表示の設定(&V)... \U0001F600 A";
  EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
  EXPECT_EQ(ToUtf8(L"終了"), "\xE7\xB5\x82\xE4\xBA\x86");
}

TEST(Utf8, MalformedBytesBecomeReplacementCharacters) {
  EXPECT_EQ(FromUtf8("a\xE7\xB5"), L"a\uFFFD\uFFFD");
  EXPECT_EQ(FromUtf8("\xFF" "b"), L"\uFFFD" L"b");
}
