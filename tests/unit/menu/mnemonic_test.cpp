#include "menu/mnemonic.h"

#include <gtest/gtest.h>

namespace {

TEST(Mnemonic, IsTheCharacterAfterTheFirstAmpersand) {
  EXPECT_EQ(MnemonicOf(L"B&anana"), L'a');
  EXPECT_EQ(MnemonicOf(L"&Save && exit"), L'S');
  EXPECT_EQ(MnemonicOf(L"設定(&S)"), L'S');
}

TEST(Mnemonic, NoneWithoutAnAmpersandOrWhenItEndsTheCaption) {
  EXPECT_FALSE(MnemonicOf(L"Banana"));
  EXPECT_FALSE(MnemonicOf(L"Fish &"));
  EXPECT_FALSE(MnemonicOf(L"&"));
  EXPECT_FALSE(MnemonicOf(L""));
}

TEST(Mnemonic, SpokenCaptionsLoseTheMarkersAndTheLongPart) {
  const struct {
    const wchar_t* Caption;
    const wchar_t* Spoken;
  } cases[] = {
      {L"&Open", L"Open"},           {L"設定(&S)", L"設定(S)"},      {L"Save && exit", L"Save & exit"},
      {L"&&&Fish", L"&Fish"},        {L"Trailing &", L"Trailing "}, {L"Open|Opens the file", L"Open"},
      {L"&Short|&Long", L"Short"},   {L"|long", L""},                {L"-", L"-"},
      {L"メモ帳.txt", L"メモ帳.txt"}, {L"", L""},
  };
  for (const auto& c : cases) EXPECT_EQ(SpokenCaption(c.Caption), c.Spoken) << c.Caption;
  EXPECT_EQ(WithoutMnemonicMarkers(L"&Short|&Long"), L"Short|Long");
}

bool IsA(wchar_t c) { return c == L'a' || c == L'A'; }

TEST(Mnemonic, FirstVisibleMatchCountsOnlyVisibleEntriesBeforeIt) {
  const std::vector<TMnemonicEntry> fruit{
      {false, L"&Apple"}, {true, L"B&anana"}, {true, L"&avocado"}};
  EXPECT_EQ(FindMnemonicPosition(fruit, IsA), 0);
  const std::vector<TMnemonicEntry> later{
      {true, L"&Cherry"}, {false, L"&Apple"}, {true, L"Plum"}, {true, L"&avocado"}};
  EXPECT_EQ(FindMnemonicPosition(later, IsA), 2);
}

TEST(Mnemonic, NoPositionWhenNothingMatches) {
  EXPECT_FALSE(FindMnemonicPosition({{true, L"&Cherry"}, {false, L"&Apple"}, {true, L"Fish &"}}, IsA));
  EXPECT_FALSE(FindMnemonicPosition({}, IsA));
}

}  // namespace
