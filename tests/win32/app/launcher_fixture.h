#pragma once
// The launcher's main window with its menu folder (the "Menu" folder beside the test program),
// emptied before and after each test; the monitor stays off unless a test turns it on.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/win_main.h"
#include "framework/component.h"
#include "settings/menu_build_settings.h"
#include "support/temp_folder.h"

class TMenuItem;

class LauncherTest : public ::testing::Test {
protected:
  static void SetUpTestSuite();
  static void TearDownTestSuite();
  void SetUp() override;
  void TearDown() override;

  TMenuItem& Root() const;
  // Captions of the visible items below `item`.
  static std::vector<std::wstring> VisibleCaptions(const TMenuItem& item);
  static TMenuItem* FindCaption(const TMenuItem& item, const std::wstring& caption);
  // A message whose handler cancels a running pass, as a deactivation of the window does.
  void PostCancel() const;
  // Pumps messages until the listing a highlight asked for has been handled; false after 10 s.
  bool WaitForListing() const;
  // Highlights `folder`, and waits until its listing has come from the worker and filled it.
  void Open(TMenuItem& folder) const;
  // `folder` listed as the launcher lists it, its shortcuts' folders found.
  TFolderListing Listing(const std::wstring& folder) const;
  // Opens the launcher menu at (200, 150) as a circle does, and runs `steps` 250 ms apart while
  // it is open; returns when the menu has closed (the last step closes it).
  void RunInOpenMenu(std::vector<std::function<void()>> steps) const;
  // Pumps messages until no item waits for its icon any more; false after 10 s.
  bool WaitForIcons() const;
  // The image index the launcher gives a file item for `path` once its icon has come, -1 for
  // none.
  int IconIndexOf(const std::wstring& path) const;

  // Paths below the menu folder.
  std::wstring MenuPath(const std::wstring& relative = L"") const;
  std::wstring WriteFile(const std::wstring& relative, const std::string& content = "x") const;
  std::wstring MakeFolder(const std::wstring& relative) const;
  // Fills the menu folder with `entries` entries, in turn: a copy of a program, a shortcut to it,
  // a folder holding a document, a document, and a file with an extension of its own.
  void FillWithMixedEntries(int entries) const;

  TMenuBuildValues settings;
  TComponentPtr<TWinMain> win;
  std::wstring menuFolder;
};

// The window of a menu this process shows (the platform's menu class), or null.
HWND OwnMenuWindow();
// Saves a shortcut to `target` made by the shell's link object.
void SaveShellLink(const std::wstring& shortcut, const std::wstring& target);
// Runs `open`, which shows a menu now or through a posted message, and closes the menu once it
// is up; true when a menu was seen open within three seconds.
bool OpensAMenu(const std::function<void()>& open);
