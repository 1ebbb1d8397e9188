#include "texts/texts.h"

#include <gtest/gtest.h>

#include <cwctype>
#include <set>

#include "framework/utf8.h"

namespace {

// The letter after a single "&", lower case; 0 for none.
wchar_t AccessKey(const std::wstring& text) {
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != L'&') continue;
    if (text[i + 1] != L'&') return static_cast<wchar_t>(std::towlower(text[i + 1]));
    ++i;
  }
  return 0;
}

std::set<wchar_t> Placeholders(const std::wstring& text) {
  std::set<wchar_t> found;
  for (std::size_t i = 0; i + 1 < text.size(); ++i)
    if (text[i] == L'%') found.insert(text[i + 1]);
  return found;
}

TEST(Texts, EveryTextIsInBothLanguagesWithTheSameAccessKeyAndPlaceholders) {
  for (int i = 0; i < TextCount; ++i) {
    const std::wstring& japanese = TextIn(TLanguage::Japanese, static_cast<TText>(i));
    const std::wstring& english = TextIn(TLanguage::English, static_cast<TText>(i));
    SCOPED_TRACE(ToUtf8(japanese) + " / " + ToUtf8(english));
    EXPECT_FALSE(japanese.empty());
    EXPECT_FALSE(english.empty());
    EXPECT_EQ(AccessKey(japanese), AccessKey(english));
    EXPECT_EQ(Placeholders(japanese), Placeholders(english));
  }
}

TEST(Texts, TheSettingOverridesWindowsAndAnythingElseFollowsIt) {
  constexpr std::uint16_t JapaneseJapan = 0x0411, EnglishUs = 0x0409, GermanGermany = 0x0407;
  const struct {
    const wchar_t* Setting;
    std::uint16_t UiLanguage;
    TLanguage Expected;
  } cases[] = {
      {L"", JapaneseJapan, TLanguage::Japanese}, {L"", EnglishUs, TLanguage::English},
      {L"", GermanGermany, TLanguage::English},  {L"ja", EnglishUs, TLanguage::Japanese},
      {L"en", JapaneseJapan, TLanguage::English}, {L"fr", JapaneseJapan, TLanguage::Japanese},
      {L"EN", JapaneseJapan, TLanguage::Japanese},
  };
  for (const auto& c : cases) EXPECT_EQ(ChooseLanguage(c.Setting, c.UiLanguage), c.Expected) << ToUtf8(c.Setting);
}

TEST(Texts, ValuesFillTheirPlacesOnceAndInOrder) {
  SetLanguage(TLanguage::English);
  EXPECT_EQ(Text(TText::NoBitmap, {L"%2", L"7"}), L"A bitmap cannot be created (%2 x 7)");
  EXPECT_EQ(Text(TText::SearchRow, {}), L"Search: %1");
  SetLanguage(TLanguage::Japanese);
  EXPECT_EQ(Text(TText::SearchRow, {L"abc"}), L"検索: abc");
}

}  // namespace
