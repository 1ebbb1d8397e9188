#include "folder/menu_folder.h"

#include <gtest/gtest.h>

TEST(MenuFolder, IsMenuBesideTheExecutable) {
  EXPECT_EQ(MenuFolderPath(L"C:\\Tools\\Tamarind\\tamarind.exe"), L"C:\\Tools\\Tamarind\\Menu");
  EXPECT_EQ(MenuFolderPath(L"\\\\server\\share\\tamarind.exe"), L"\\\\server\\share\\Menu");
}

TEST(MenuFolder, DriveRootKeepsItsSeparator) {
  EXPECT_EQ(FolderOf(L"C:\\tamarind.exe"), L"C:\\");
  EXPECT_EQ(MenuFolderPath(L"C:\\tamarind.exe"), L"C:\\\\Menu");
}

TEST(MenuFolder, DriveRelativeAndBareNames) {
  EXPECT_EQ(FolderOf(L"C:tamarind.exe"), L"C:");
  EXPECT_EQ(FolderOf(L"tamarind.exe"), L"");
}

TEST(MenuFolder, FolderPathOfDropsTheBrackets) {
  EXPECT_EQ(FolderPathOf(L"C:\\x\\Menu\\<Tools>"), L"C:\\x\\Menu\\Tools");
  EXPECT_EQ(FolderPathOf(L"C:\\x\\Menu\\<.>"), L"C:\\x\\Menu\\.");
  EXPECT_EQ(FolderPathOf(L"C:\\<Tools>"), L"C:\\\\Tools");
  EXPECT_EQ(FolderPathOf(L"C:\\x\\<道具 ★>"), L"C:\\x\\道具 ★");
}

TEST(MenuFolder, FolderCaptionIsTheLastComponentInBrackets) {
  EXPECT_EQ(FolderCaptionOf(L"C:\\Users\\me\\Documents"), L"<Documents>");
  EXPECT_EQ(FolderCaptionOf(L"C:\\Users\\me\\Documents\\"), L"<Documents>");
  EXPECT_EQ(FolderCaptionOf(L"\\\\server\\share\\資料"), L"<資料>");
  EXPECT_EQ(FolderCaptionOf(L"C:\\"), L"<C:>");
}
