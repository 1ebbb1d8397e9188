// The recent items' file: whatever bytes it holds read as a list, and a list written reads back.
#include <gtest/gtest.h>

#include "search/recent_list.h"

namespace {

TEST(RecentList, AnyBytesReadAsAList) {
  const std::string longLine(33000 * 3, 'a');
  std::string sixty;
  for (int i = 0; i < 60; ++i) sixty += "C:\\" + std::to_string(i) + "\n";
  const struct {
    std::string Bytes;
    std::vector<std::wstring> Paths;
    std::size_t Dropped;
  } cases[] = {
      {"", {}, 0},
      {"\xEF\xBB\xBF" "C:\\a\r\nC:\\b\rC:\\c\nC:\\d", {L"C:\\a", L"C:\\b", L"C:\\c", L"C:\\d"}, 0},
      {"\r\n\n\nC:\\a\r\n\r\n", {L"C:\\a"}, 0},
      {"C:\\\xE3\x83\xA1\xE3\x83\xA2.txt\n", {L"C:\\\u30E1\u30E2.txt"}, 0},
      {"C:\\\xF0\x9F\x98\x80\n", {L"C:\\\U0001F600"}, 0},  // beyond the basic plane
      {"C:\\bad\xFF\nC:\\ok", {L"C:\\ok"}, 1},              // no UTF-8
      {"C:\\\xC0\x80x\nC:\\\xED\xA0\x80", {}, 2},           // an overlong zero, a surrogate
      {std::string("C:\\n\0ul", 7) + "\nC:\\tab\tx", {}, 2},  // control characters
      {longLine + "\nC:\\a", {L"C:\\a"}, 1},
      {"C:\\a\nC:\\a\nC:\\b", {L"C:\\a", L"C:\\b"}, 1},
  };
  for (const auto& c : cases) {
    const TRecentRead read = ParseRecentItems(c.Bytes);
    EXPECT_EQ(read.Paths, c.Paths) << c.Bytes.substr(0, 40);
    EXPECT_EQ(read.Dropped, c.Dropped) << c.Bytes.substr(0, 40);
  }
  const TRecentRead many = ParseRecentItems(sixty);
  ASSERT_EQ(many.Paths.size(), MaxRecentItems);
  EXPECT_EQ(many.Paths.front(), L"C:\\0");
  EXPECT_EQ(many.Dropped, 10u);
}

TEST(RecentList, StartingMovesToTheFrontAndTheListReadsBack) {
  std::vector<std::wstring> paths;
  for (int i = 0; i < 55; ++i) MoveToFront(paths, L"C:\\" + std::to_wstring(i));
  MoveToFront(paths, L"C:\\10");
  ASSERT_EQ(paths.size(), MaxRecentItems);
  EXPECT_EQ(paths[0], L"C:\\10");
  EXPECT_EQ(paths[1], L"C:\\54");
  EXPECT_EQ(std::count(paths.begin(), paths.end(), L"C:\\10"), 1);
  EXPECT_EQ(ParseRecentItems(FormatRecentItems(paths)).Paths, paths);
  // What no line can hold is not written.
  EXPECT_EQ(FormatRecentItems({L"C:\\a\nb", std::wstring(L"C:\\") + static_cast<wchar_t>(0xD800), L"C:\\ok"}),
            "\xEF\xBB\xBF" "C:\\ok\r\n");
}

TEST(RecentList, TheFileIsNamedAfterTheIniFile) {
  EXPECT_EQ(RecentFilePath(L"C:\\x\\Tamarind.ini"), L"C:\\x\\Tamarind.recent");
  EXPECT_EQ(RecentFilePath(L"C:\\x.y\\settings"), L"C:\\x.y\\settings.recent");
}

}  // namespace
