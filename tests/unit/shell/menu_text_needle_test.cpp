#include "shell/menu_text_needle.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(MenuTextNeedle, PositionsCountCodePage932Bytes) {
  EXPECT_EQ(Cp932NeedlePosition(L"送る(&N)", L"(&N)"), 5u);
  EXPECT_EQ(Cp932NeedlePosition(L"貼り付け(&P)", L"(&P)"), 9u);
  EXPECT_EQ(Cp932NeedlePosition(L"ｺﾋﾟｰ(&C)", L"(&C)"), 5u);  // half-width kana take one byte
  EXPECT_EQ(Cp932NeedlePosition(L"Send (&N)", L"(&N)"), 6u);
  EXPECT_EQ(Cp932NeedlePosition(L"(&N)", L"(&N)"), 1u);
}

TEST(MenuTextNeedle, TheFirstOccurrenceCounts) {
  EXPECT_EQ(Cp932NeedlePosition(L"送(&N)る(&N)", L"(&N)"), 3u);
  EXPECT_EQ(Cp932NeedlePosition(L"送る", L"(&N)"), 0u);
  EXPECT_EQ(Cp932NeedlePosition(L"", L"(&N)"), 0u);
  EXPECT_EQ(Cp932NeedlePosition(L"送る(&n)", L"(&N)"), 0u);  // the shell's texts are matched exactly
}

TEST(MenuTextNeedle, OnlyTheReadableBytesAreSearched) {
  // 125 double-byte characters fill 250 bytes; a needle ending at byte 254 is still read.
  const std::wstring fill(125, L'あ');
  EXPECT_EQ(Cp932NeedlePosition(fill + L"(&N)", L"(&N)"), 251u);
  EXPECT_EQ(Cp932NeedlePosition(fill + L"x(&N)", L"(&N)"), 0u);
  // A double-byte character that would straddle the limit is not read at all.
  EXPECT_EQ(Cp932NeedlePosition(std::wstring(126, L'あ') + L"(&N)", L"(&N)"), 0u);
}

}  // namespace
