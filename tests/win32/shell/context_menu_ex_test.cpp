// The shell's context menu of files, driven like a user: shown, dismissed or used, with real
// files and the real clipboard.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/component.h"
#include "shell/context_menu_ex.h"
#include "shell/menu_driver.h"
#include "shell/shell_commands.h"
#include "shell/shell_test_support.h"

namespace {

class ContextMenuEx : public ShellTest {
protected:
  TComponentPtr<TContextMenuEx> CMEx = MakeComponent<TContextMenuEx>();
};

TEST_F(ContextMenuEx, FileListIsCopiedAndANullListIgnored) {
  std::vector<std::wstring> paths{L"C:\\a.txt", L"C:\\b.txt"};
  CMEx->SetCMFileName(&paths);
  paths.clear();
  EXPECT_EQ(CMEx->CMFileName(), (std::vector<std::wstring>{L"C:\\a.txt", L"C:\\b.txt"}));
  CMEx->SetCMFileName(nullptr);
  EXPECT_EQ(CMEx->CMFileName().size(), 2u);
}

TEST_F(ContextMenuEx, WithoutAWindowNothingHappens) {
  const std::vector<std::wstring> before{L"C:\\kept.txt"};
  CMEx->SetCMFileName(&before);
  const TMenuDriver user;
  EXPECT_FALSE(CMEx->PopupFile(nullptr, folder.WriteFile(L"a.txt"), 0, 0));
  EXPECT_EQ(CMEx->CMFileName(), before);
  EXPECT_FALSE(CMEx->PopupFiles(nullptr, 0, 0));
  EXPECT_TRUE(user.Menus().empty());
}

TEST_F(ContextMenuEx, DismissingInvokesNothing) {
  const std::wstring file = folder.WriteFile(L"メモ.txt");
  SetClipboardText(L"before");
  {
    const TMenuDriver user;
    EXPECT_FALSE(CMEx->PopupFile(window.Get(), file, 10, 20));
    ASSERT_EQ(user.Menus().size(), 1u);
    EXPECT_FALSE(::IsMenu(user.Menus()[0])) << "the menu outlived the call";
    // The point is in the window's client area, which starts at (40, 40) on the screen.
    EXPECT_EQ(user.Places()[0].x, 50);
    EXPECT_EQ(user.Places()[0].y, 60);
    EXPECT_EQ(user.TimedOut(), 0);
    EXPECT_TRUE(user.Boxes().empty());
  }
  EXPECT_EQ(CMEx->CMFileName(), std::vector<std::wstring>{file});
  EXPECT_EQ(ClipboardText(), L"before");
  EXPECT_TRUE(ClipboardFiles().empty());
}

TEST_F(ContextMenuEx, CopyPutsExactlyTheFileOnTheClipboard) {
  folder.WriteFile(L"other.txt");
  const std::wstring file = folder.WriteFile(L"選んだ.txt");
  SetClipboardText(L"before");
  const TMenuDriver user(CommandIdOf(TShellCommand::scCopy));
  EXPECT_TRUE(CMEx->PopupFile(window.Get(), file, 5, 5));
  ASSERT_EQ(user.Menus().size(), 1u);
  EXPECT_EQ(user.TimedOut(), 0);
  EXPECT_EQ(ClipboardFiles(), std::vector<std::wstring>{file});
}

TEST_F(ContextMenuEx, SeveralFilesOfOneFolderShareOneMenu) {
  const std::vector<std::wstring> files{folder.WriteFile(L"1.txt"), folder.WriteFile(L"2.txt"),
                                        folder.WriteFile(L"3.txt")};
  CMEx->SetCMFileName(&files);
  // Chosen with the right button, as by a user who asked for the menu with it.
  const TMenuDriver user(CommandIdOf(TShellCommand::scCopy), 5000, TChoiceBy::RightButton);
  EXPECT_TRUE(CMEx->PopupFiles(window.Get(), 0, 0));
  EXPECT_EQ(user.Menus().size(), 1u);
  EXPECT_EQ(ClipboardFiles(), files);
}

TEST_F(ContextMenuEx, AtMost1024FilesAreShown) {
  std::vector<std::wstring> files;
  for (int i = 0; i < 1025; ++i) files.push_back(folder.WriteFile(std::to_wstring(i) + L".txt"));
  {
    const TMenuDriver user;
    CMEx->SetCMFileName(&files);
    EXPECT_FALSE(CMEx->PopupFiles(window.Get(), 0, 0));
    EXPECT_TRUE(user.Menus().empty());
  }
  files.pop_back();
  const TMenuDriver user;
  CMEx->SetCMFileName(&files);
  EXPECT_FALSE(CMEx->PopupFiles(window.Get(), 0, 0));  // shown, then dismissed
  EXPECT_EQ(user.Menus().size(), 1u);
}

TEST_F(ContextMenuEx, WhatTheShellCannotPlaceGivesFalseSilently) {
  const TMenuDriver user;
  // My Computer lies right under the desktop: its list has one item, so no parent folder.
  EXPECT_FALSE(CMEx->PopupFile(window.Get(), L"::{20D04FE0-3AEA-1069-A2D8-08002B30309D}", 0, 0));
  EXPECT_FALSE(CMEx->PopupFile(window.Get(), folder / L"missing.txt", 0, 0));
  EXPECT_FALSE(CMEx->PopupFile(window.Get(), L"", 0, 0));
  const std::vector<std::wstring> none;
  CMEx->SetCMFileName(&none);
  EXPECT_FALSE(CMEx->PopupFiles(window.Get(), 0, 0));
  EXPECT_TRUE(user.Menus().empty());
  EXPECT_TRUE(user.Boxes().empty());
}

TEST_F(ContextMenuEx, ADriveRootHasAMenu) {
  const TMenuDriver user;
  EXPECT_FALSE(CMEx->PopupFile(window.Get(), L"C:\\", 0, 0));
  EXPECT_EQ(user.Menus().size(), 1u);
}

}  // namespace
