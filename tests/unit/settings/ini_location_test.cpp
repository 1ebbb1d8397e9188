#include "settings/ini_location.h"

#include <gtest/gtest.h>

namespace {

using enum TIniGTDefaultDir;

TEST(IniLocation, DefaultNameIsTheExecutablesNameCapitalised) {
  EXPECT_EQ(DefaultIniName(L"C:\\Tools\\MyTool.EXE"), L"Mytool.ini");
  EXPECT_EQ(DefaultIniName(L"C:\\Tools\\MYTOOL.exe"), L"Mytool.ini");
  EXPECT_EQ(DefaultIniName(L"C:\\Tools\\mytool.exe"), L"Mytool.ini");
  EXPECT_EQ(DefaultIniName(L"C:\\My.Tools\\tamarind"), L"Tamarind.ini");
  EXPECT_EQ(DefaultIniName(L"D:\\app.v2.exe"), L"App.v2.ini");
  EXPECT_EQ(DefaultIniName(L"1st.exe"), L"1st.ini");
}

TEST(IniLocation, DefaultNameKeepsJapaneseCharactersAsTheyAre) {
  // "ア" is 0x83 0x41 in code page 932: lower-casing bytes would turn it into "ピ".
  EXPECT_EQ(DefaultIniName(L"C:\\ツール\\アプリTool.EXE"), L"アプリtool.ini");
  EXPECT_EQ(DefaultIniName(L"C:\\Ｔｏｏｌ.exe"), L"Ｔｏｏｌ.ini");
}

TEST(IniLocation, BareNamesArePlacedByTheDefaultDirectory) {
  const wchar_t* exe = L"C:\\Program Files\\Tamarind\\tamarind.exe";
  EXPECT_EQ(IniFullPath(L"Tamarind.ini", ddApplication, exe, L"C:\\WINDOWS"),
            L"C:\\Program Files\\Tamarind\\Tamarind.ini");
  EXPECT_EQ(IniFullPath(L"Tamarind.ini", ddWindows, exe, L"C:\\WINDOWS"), L"C:\\WINDOWS\\Tamarind.ini");
  EXPECT_EQ(IniFullPath(L"Tamarind.ini", ddNone, exe, L"C:\\WINDOWS"), L"Tamarind.ini");
  EXPECT_EQ(IniFullPath(L"T.ini", ddApplication, L"C:\\t.exe", L"C:\\WINDOWS"), L"C:\\T.ini");
}

TEST(IniLocation, NamesWithAFolderPartAreTheFullPath) {
  for (const TIniGTDefaultDir dir : {ddApplication, ddWindows, ddNone}) {
    EXPECT_EQ(IniFullPath(L"D:\\Data\\t.ini", dir, L"C:\\a\\t.exe", L"C:\\WINDOWS"), L"D:\\Data\\t.ini");
    EXPECT_EQ(IniFullPath(L"sub\\t.ini", dir, L"C:\\a\\t.exe", L"C:\\WINDOWS"), L"sub\\t.ini");
    EXPECT_EQ(IniFullPath(L"D:t.ini", dir, L"C:\\a\\t.exe", L"C:\\WINDOWS"), L"D:t.ini");
    EXPECT_EQ(IniFullPath(L"", dir, L"C:\\a\\t.exe", L"C:\\WINDOWS"), L"");
  }
  EXPECT_TRUE(HasFolderPart(L"/tmp/t.ini"));
  EXPECT_FALSE(HasFolderPart(L"t.ini"));
}

}  // namespace
