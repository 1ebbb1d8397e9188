#include "app/icon_key.h"

#include <gtest/gtest.h>

namespace {

std::wstring Text(const TIconKey& key) { return std::wstring(key.begin(), key.end()); }

}  // namespace

TEST(IconKey, FirstThreeCharactersOfTheExtensionUpperCased) {
  EXPECT_EQ(Text(IconKeyOf(L"C:\\Menu\\Report.html")), L"HTM");
  EXPECT_EQ(Text(IconKeyOf(L"C:\\Menu\\notes.Txt")), L"TXT");
  EXPECT_EQ(Text(IconKeyOf(L"C:\\Menu\\archive.tar.gz")), L"GZ ");
  EXPECT_EQ(Text(IconKeyOf(L"C:\\Menu\\a.c")), L"C  ");
  EXPECT_EQ(Text(IconKeyOf(L"C:\\Menu\\表.ドキュメント")), L"ドキュ");
}

TEST(IconKey, NoExtensionIsThreeBlanks) {
  EXPECT_EQ(Text(IconKeyOf(L"C:\\Menu\\README")), L"   ");
  EXPECT_EQ(Text(IconKeyOf(L"C:\\My.Folder\\README")), L"   ");
  EXPECT_EQ(Text(IconKeyOf(L"C:\\Menu\\trailing.")), L"   ");
  EXPECT_EQ(Text(IconKeyOf(L"")), L"   ");
}

TEST(IconKey, OwnIconTypesAndShortcuts) {
  for (const wchar_t* path : {L"a.exe", L"b.ICO", L"c.cpl", L"d.scf", L"e.Exe"}) EXPECT_TRUE(HasOwnIcon(IconKeyOf(path))) << path;
  for (const wchar_t* path : {L"a.ex", L"b.lnk", L"c.txt", L"exe"}) EXPECT_FALSE(HasOwnIcon(IconKeyOf(path))) << path;
  EXPECT_TRUE(IsShortcutKey(IconKeyOf(L"Editor.LNK")));
  EXPECT_FALSE(IsShortcutKey(IconKeyOf(L"Editor.exe")));
}
