#pragma once
// What the shell tests share: OLE on the test thread, a window to own the menus, files on
// disk, the clipboard's files.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/win_handle.h"
#include "support/clipboard.h"
#include "support/temp_folder.h"

class ShellTest : public ::testing::Test {
protected:
  static void SetUpTestSuite();
  static void TearDownTestSuite();
  ShellTest();

  TTempFolder folder;
  TUniqueHandle<TWindowHandleTraits> window;
};

// The paths of the clipboard's file drop, empty when it holds none.
std::vector<std::wstring> ClipboardFiles();

// Makes a shortcut at `linkPath` to `target`.
void MakeShortcut(const std::wstring& linkPath, const std::wstring& target);
