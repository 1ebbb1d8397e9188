#include "settings/integer_text.h"

#include <gtest/gtest.h>

namespace {

TEST(IntegerText, DecimalTextsWithinThe32BitRange) {
  EXPECT_EQ(ParseInt32(L"31"), 31);
  EXPECT_EQ(ParseInt32(L"  -7"), -7);
  EXPECT_EQ(ParseInt32(L"+7"), 7);
  EXPECT_EQ(ParseInt32(L"2147483647"), INT32_MAX);
  EXPECT_EQ(ParseInt32(L"-2147483648"), INT32_MIN);
  EXPECT_EQ(ParseInt32(L"2147483648"), std::nullopt);
  EXPECT_EQ(ParseInt32(L"-2147483649"), std::nullopt);
  EXPECT_EQ(ParseInt32(L"99999999999999999999"), std::nullopt);
}

TEST(IntegerText, HexadecimalTextsAreA32BitPattern) {
  EXPECT_EQ(ParseInt32(L"$1F"), 31);
  EXPECT_EQ(ParseInt32(L" $1f"), 31);
  EXPECT_EQ(ParseInt32(L"$FFFFFFFF"), -1);
  EXPECT_EQ(ParseInt32(L"$80000004"), static_cast<std::int32_t>(0x80000004));
  EXPECT_EQ(ParseInt32(L"$100000000"), std::nullopt);  // nine digits
  EXPECT_EQ(ParseInt32(L"$"), std::nullopt);
  EXPECT_EQ(ParseInt32(L"-$1"), std::nullopt);
}

TEST(IntegerText, NothingMayFollowTheDigits) {
  for (const wchar_t* text : {L"", L"  ", L"12 ", L"1F", L"abc", L"+", L"0x1F", L"$1G", L"１２"})
    EXPECT_EQ(ParseInt32(text), std::nullopt) << ::testing::PrintToString(std::wstring(text));
}

TEST(IntegerText, HexTextHasEightUpperCaseDigits) {
  EXPECT_EQ(HexText(0x80000004), L"0x80000004");
  EXPECT_EQ(HexText(16777215), L"0x00FFFFFF");
  EXPECT_EQ(HexText(-1), L"0xFFFFFFFF");
  EXPECT_EQ(HexText(0xabcdef), L"0x00ABCDEF");
}

}  // namespace
