#include "controls/numeral_keys.h"

#include <gtest/gtest.h>

#include "framework/convert_error.h"

namespace {

using enum TEditOption;

TKeyFilterSettings Checked(TEditOptions options) { return {options, true, false, false}; }

TKeyVerdict VerdictFor(wchar_t key, const TKeyFilterSettings& settings) { return FilterKey(key, settings).Verdict; }

TEST(FilterKey, DecimalKeyCheckPassesDigitsMinusAndBackspace) {
  const auto plain = Checked({});
  for (const wchar_t key : {L'0', L'9', L'-', L'\b'})
    EXPECT_EQ(VerdictFor(key, plain), TKeyVerdict::kvPass) << int(key);
  for (const wchar_t key : {L'a', L'+', L'$', L',', L' ', L'\x16'})
    EXPECT_EQ(VerdictFor(key, plain), TKeyVerdict::kvSwallow) << int(key);
  EXPECT_EQ(VerdictFor(L',', Checked({eoDivide})), TKeyVerdict::kvPass);
}

TEST(FilterKey, HexadecimalKeyCheckPassesHexDigitsButNoSign) {
  const auto hex = Checked({eoHEXIndicate});
  for (const wchar_t key : {L'0', L'a', L'F', L'\b'}) EXPECT_EQ(VerdictFor(key, hex), TKeyVerdict::kvPass) << int(key);
  for (const wchar_t key : {L'g', L'-', L'$', L','})
    EXPECT_EQ(VerdictFor(key, hex), TKeyVerdict::kvSwallow) << int(key);
}

TEST(FilterKey, FullWidthDisplayTypesFullWidthForms) {
  const auto wide = Checked({eoDWDisplay, eoDivide});
  EXPECT_EQ(FilterKey(L'7', wide), (TKeyDecision{TKeyVerdict::kvReplaceSelection, L"７"}));
  EXPECT_EQ(FilterKey(L'-', wide), (TKeyDecision{TKeyVerdict::kvReplaceSelection, L"－"}));
  EXPECT_EQ(FilterKey(L',', wide), (TKeyDecision{TKeyVerdict::kvReplaceSelection, L"，"}));
  EXPECT_EQ(VerdictFor(L'a', wide), TKeyVerdict::kvSwallow);
  EXPECT_EQ(VerdictFor(L'\b', wide), TKeyVerdict::kvPass);
  EXPECT_EQ(VerdictFor(L',', Checked({eoDWDisplay})), TKeyVerdict::kvSwallow);

  const auto wideHex = Checked({eoDWDisplay, eoHEXIndicate});
  EXPECT_EQ(FilterKey(L'a', wideHex), (TKeyDecision{TKeyVerdict::kvReplaceSelection, L"A"}));
  EXPECT_EQ(FilterKey(L'3', wideHex), (TKeyDecision{TKeyVerdict::kvReplaceSelection, L"３"}));
  EXPECT_EQ(FilterKey(L'$', wideHex), (TKeyDecision{TKeyVerdict::kvReplaceSelection, L"＄"}));
  EXPECT_EQ(VerdictFor(L'-', wideHex), TKeyVerdict::kvSwallow);
}

TEST(FilterKey, WithoutKeyCheckEverythingButLineKeysPasses) {
  const TKeyFilterSettings free{{eoDWDisplay}, false, false, false};
  EXPECT_EQ(VerdictFor(L'x', free), TKeyVerdict::kvPass);
  EXPECT_EQ(VerdictFor(L'7', free), TKeyVerdict::kvPass);
  for (const wchar_t key : {L'\r', L'\n', L'\t'}) EXPECT_EQ(VerdictFor(key, free), TKeyVerdict::kvSwallow) << int(key);
}

TEST(FilterKey, SignPressTakesBothSignsExceptInHexadecimal) {
  const TKeyFilterSettings signs{{}, true, true, false};
  EXPECT_EQ(VerdictFor(L'-', signs), TKeyVerdict::kvApplySign);
  EXPECT_EQ(VerdictFor(L'+', signs), TKeyVerdict::kvApplySign);
  EXPECT_EQ(VerdictFor(L'-', (TKeyFilterSettings{{eoHEXIndicate}, true, true, false})), TKeyVerdict::kvSwallow);
}

TEST(FilterKey, ReadOnlyTextIsNeverChangedByTheFilter) {
  EXPECT_EQ(VerdictFor(L'-', (TKeyFilterSettings{{}, true, true, true})), TKeyVerdict::kvSwallow);
  EXPECT_EQ(VerdictFor(L'7', (TKeyFilterSettings{{eoDWDisplay}, true, false, true})), TKeyVerdict::kvSwallow);
}

TEST(SignedText, GivesTheShownNumberTheTypedSign) {
  EXPECT_EQ(SignedText(L'-', L"1,234", {eoDivide}), L"-1,234");
  EXPECT_EQ(SignedText(L'-', L"-5", {}), L"-5");
  EXPECT_EQ(SignedText(L'+', L"-5", {}), L"5");
  EXPECT_EQ(SignedText(L'+', L"12", {}), L"12");
  EXPECT_EQ(SignedText(L'-', L"１，２３４", {eoDWDisplay, eoDivide}), L"－１，２３４");
}

TEST(SignedText, RefusesTextWithoutANumber) {
  EXPECT_THROW(SignedText(L'-', L"", {}), EConvertError);
  EXPECT_THROW(SignedText(L'+', L"99999999999", {}), EConvertError);
}

}  // namespace
