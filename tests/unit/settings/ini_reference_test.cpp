// The user guide's INI reference is the table the program reads and writes through: a key
// added to one and not the other, or a guide edited by hand, fails here.
#include "settings/ini_reference.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "framework/utf8.h"
#include "settings/setting_keys.h"

namespace {

std::string Guide() {
  std::ifstream file(TAMARIND_USER_GUIDE, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

// (section, key) of every row of the guide's reference between `marker` and its end.
std::vector<std::pair<std::wstring, std::wstring>> GuideKeys(const std::string& guide, const std::string& marker) {
  std::vector<std::pair<std::wstring, std::wstring>> keys;
  const size_t start = guide.find(marker);
  const size_t end = guide.find("<!-- /ini-reference -->", start);
  if (start == std::string::npos || end == std::string::npos) return keys;
  const std::string block = guide.substr(start, end - start);
  const std::regex row(R"(\n\| (\w+) \| `([\w.]+)` \|)");
  for (auto it = std::sregex_iterator(block.begin(), block.end(), row); it != std::sregex_iterator(); ++it)
    keys.emplace_back(FromUtf8((*it)[1].str()), FromUtf8((*it)[2].str()));
  return keys;
}

}  // namespace

TEST(IniReference, TheGuideShowsEveryKeyTheProgramStoresInBothLanguages) {
  const std::string guide = Guide();
  ASSERT_FALSE(guide.empty()) << TAMARIND_USER_GUIDE;
  EXPECT_EQ(GuideKeys(guide, "<!-- ini-reference:ja -->"), StoredKeys());
  EXPECT_EQ(GuideKeys(guide, "<!-- ini-reference:en -->"), StoredKeys());
  // Word for word what the table makes; update_user_guide writes it.
  EXPECT_EQ(guide, WithIniReference(guide)) << "run update_user_guide docs/user-guide.md";
  EXPECT_LT(guide.find("<!-- ini-reference:ja -->"), guide.find("<!-- ini-reference:en -->"));
}

TEST(IniReference, DefaultsAreWrittenAsTheFileHoldsThem) {
  const std::string table = IniReference(TGuideLanguage::glEnglish);
  for (const char* row : {"| Menu | `Font1.Name` | typeface name | `ＭＳ Ｐゴシック` |",
                          "| Menu | `Font1.Size` | size in points | `9` |", "| Menu | `Color1` |",
                          "`0x80000004` | Background of the items |", "| Menu | `VertNum` | decimal integer | `20` |",
                          "| Banner | `Caption` | text | `Tamarind` |", "| Gesture | `Enabled` | `1` (on) or `0` (off) | `1` |",
                          "in the exe's folder: `NormalBack.Bmp`"})
    EXPECT_NE(table.find(row), std::string::npos) << row;
  // No key is stored twice.
  const auto keys = StoredKeys();
  for (size_t i = 0; i + 1 < keys.size(); ++i)
    for (size_t j = i + 1; j < keys.size(); ++j) EXPECT_NE(keys[i], keys[j]);
}
