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
