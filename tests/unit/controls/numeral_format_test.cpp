#include "controls/numeral_format.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

using enum TEditOption;

constexpr std::int32_t Lowest = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t Highest = std::numeric_limits<std::int32_t>::max();

TEST(FormatValue, DecimalGroupsThreeDigitsAndKeepsTheHalfWidthMinus) {
  EXPECT_EQ(FormatValue(0, {}), L"0");
  EXPECT_EQ(FormatValue(1234567, {}), L"1234567");
  EXPECT_EQ(FormatValue(1234567, {eoDivide}), L"1,234,567");
  EXPECT_EQ(FormatValue(-1234, {eoDivide}), L"-1,234");
  EXPECT_EQ(FormatValue(999, {eoDivide}), L"999");
  EXPECT_EQ(FormatValue(-999, {eoDivide}), L"-999");
  EXPECT_EQ(FormatValue(Lowest, {eoDivide}), L"-2,147,483,648");
  EXPECT_EQ(FormatValue(Highest, {}), L"2147483647");
}

TEST(FormatValue, FullWidthDecimalUsesFullWidthDigitsSeparatorsAndMinus) {
  EXPECT_EQ(FormatValue(1234567, {eoDWDisplay, eoDivide}), L"１，２３４，５６７");
  EXPECT_EQ(FormatValue(-5, {eoDWDisplay}), L"－５");
  EXPECT_EQ(FormatValue(-1234, {eoDWDisplay, eoDivide}), L"－１，２３４");
  EXPECT_EQ(FormatValue(90, {eoDWDisplay, eoRightAlign}), L"９０");
}

TEST(FormatValue, HexadecimalShowsWholeBytesBehindADollar) {
  EXPECT_EQ(FormatValue(255, {eoHEXIndicate}), L"$FF");
  EXPECT_EQ(FormatValue(0, {eoHEXIndicate}), L"$00");
  EXPECT_EQ(FormatValue(5, {eoHEXIndicate}), L"$05");
  EXPECT_EQ(FormatValue(0x123, {eoHEXIndicate}), L"$0123");
  EXPECT_EQ(FormatValue(0x12345, {eoHEXIndicate, eoDivide}), L"$01,23,45");
  EXPECT_EQ(FormatValue(0xABCD, {eoHEXIndicate, eoDivide}), L"$AB,CD");
  EXPECT_EQ(FormatValue(-1, {eoHEXIndicate}), L"$FFFFFFFF");
  EXPECT_EQ(FormatValue(Lowest, {eoHEXIndicate, eoDivide}), L"$80,00,00,00");
}

TEST(FormatValue, FullWidthHexadecimalWidensOnlyTheDigits) {
  EXPECT_EQ(FormatValue(0x1F, {eoHEXIndicate, eoDWDisplay}), L"＄１F");
  EXPECT_EQ(FormatValue(0xAB, {eoHEXIndicate, eoDWDisplay}), L"＄AB");
  EXPECT_EQ(FormatValue(0x123, {eoHEXIndicate, eoDWDisplay}), L"＄０１２３");
  EXPECT_EQ(FormatValue(0x12345, {eoHEXIndicate, eoDWDisplay, eoDivide}), L"＄０１，２３，４５");
}

TEST(WidthTables, MapDigitsAndHexLettersAndDropEverythingElse) {
  EXPECT_EQ(ToFullWidth(L"0123456789", false), L"０１２３４５６７８９");
  EXPECT_EQ(ToFullWidth(L"1a-F", false), L"１");
  EXPECT_EQ(ToFullWidth(L"1a-F", true), L"１AF");
  EXPECT_EQ(ToHalfWidth(L"９８，７", false), L"987");
  EXPECT_EQ(ToHalfWidth(L"１ＡF", true), L"1F");
}

TEST(NormalizeText, KeepsDigitsAndALeadingSign) {
  EXPECT_EQ(NormalizeText(L"-1,234", {}), L"-1234");
  EXPECT_EQ(NormalizeText(L"12-34", {}), L"1234");
  EXPECT_EQ(NormalizeText(L" 1 2x", {}), L"12");
  EXPECT_EQ(NormalizeText(L"+7", {}), L"7");
  EXPECT_EQ(NormalizeText(L"", {}), L"");
  EXPECT_EQ(NormalizeText(L"-", {}), L"-");
  EXPECT_EQ(NormalizeText(L"－１２", {eoDWDisplay}), L"-12");
}

TEST(NormalizeText, ReadsFullWidthDigitsOnlyWithFullWidthDisplay) {
  EXPECT_EQ(NormalizeText(L"１，２３４", {eoDWDisplay}), L"1234");
  EXPECT_EQ(NormalizeText(L"１，２３４", {}), L"");
  EXPECT_EQ(NormalizeText(L"1２3", {}), L"13");
  // Other double-byte characters are no digits, whatever they look like.
  EXPECT_EQ(NormalizeText(L"あ１Ａ２", {eoDWDisplay}), L"12");
  EXPECT_EQ(NormalizeText(L"ｱ1", {eoDWDisplay}), L"1");
}

TEST(NormalizeText, HexadecimalLowerCasesAndIgnoresTheSign) {
  EXPECT_EQ(NormalizeText(L"$FF", {eoHEXIndicate}), L"$ff");
  EXPECT_EQ(NormalizeText(L"-Ab,cG", {eoHEXIndicate}), L"$abc");
  EXPECT_EQ(NormalizeText(L"＄１F", {eoHEXIndicate, eoDWDisplay}), L"$1f");
  EXPECT_EQ(NormalizeText(L"", {eoHEXIndicate}), L"$");
}

TEST(ParseNormalized, AcceptsTheWhole32BitRange) {
  EXPECT_EQ(ParseNormalized(L"0"), 0);
  EXPECT_EQ(ParseNormalized(L"2147483647"), Highest);
  EXPECT_EQ(ParseNormalized(L"-2147483648"), Lowest);
  EXPECT_EQ(ParseNormalized(L"0002"), 2);
  EXPECT_EQ(ParseNormalized(L"$ff"), 255);
  EXPECT_EQ(ParseNormalized(L"$FFFFFFFF"), -1);
  EXPECT_EQ(ParseNormalized(L"$0000000001"), 1);
}

TEST(ParseNormalized, RefusesWhatIsNoNumberOrTooLarge) {
  EXPECT_EQ(ParseNormalized(L""), std::nullopt);
  EXPECT_EQ(ParseNormalized(L"-"), std::nullopt);
  EXPECT_EQ(ParseNormalized(L"$"), std::nullopt);
  EXPECT_EQ(ParseNormalized(L"2147483648"), std::nullopt);
  EXPECT_EQ(ParseNormalized(L"-2147483649"), std::nullopt);
  EXPECT_EQ(ParseNormalized(L"99999999999999999999999"), std::nullopt);
  EXPECT_EQ(ParseNormalized(L"$100000000"), std::nullopt);
  EXPECT_EQ(ParseNormalized(L"12a"), std::nullopt);
  EXPECT_EQ(ParseNormalized(L"--1"), std::nullopt);
}

// Whatever is shown can be read back, in every display style.
TEST(FormatValue, EveryStyleReadsBackAsTheSameValue) {
  const std::int32_t values[] = {0, 1, -1, 9, 10, 99, 100, 255, 1000, -1000, 0x12345, 123456789, Highest, Lowest};
  for (std::uint32_t bits = 0; bits < 16; ++bits) {
    const auto options = TEditOptions::FromBits(bits);
    for (const std::int32_t value : values) {
      const std::wstring shown = FormatValue(value, options);
      EXPECT_EQ(ParseNormalized(NormalizeText(shown, options)), value) << "options " << bits << " value " << value;
    }
  }
}

}  // namespace
