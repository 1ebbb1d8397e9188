#pragma once
// One folder's entries as the launcher shows them, with every question about them that touches
// the file system already answered. Listing a folder on a share that has gone away can block for
// tens of seconds, so this runs on the listing worker while a menu is served.
#include <cstdint>
#include <string>
#include <vector>

#include "folder/file_list.h"

struct TListedEntry {
  TFileEntry Entry;
  // The folder a shortcut leads to; empty for folders, files and other shortcuts.
  std::wstring FolderTarget;
  // For a folder entry: whether the folder is there (a vanished one goes to the end).
  bool ExistingFolder = false;
};

struct TFolderListing {
  std::uint64_t Generation = 0;  // the request it answers
  bool FolderExists = false;
  std::vector<TListedEntry> Entries;
};

// What to list: the same filter as the launcher's file list, for a thread that must not share it.
struct TListingFilter {
  TFileType FileType;
  std::vector<std::wstring> Mask;
};

// Whether listing a folder also finds the folders its shortcuts lead to. A target on an
// unreachable share can take tens of seconds to check.
enum class TShortcutTargets : std::uint8_t { stChecked, stUnchecked };

// Lists `folder` in the launcher's order. Shortcuts are read through the shell when the calling
// thread has COM, and by their bytes otherwise; unchecked, they are listed as files.
TFolderListing ListFolder(const std::wstring& folder, const TListingFilter& filter,
                          TShortcutTargets targets = TShortcutTargets::stChecked);

// The folder a shortcut leads to, or empty when it leads to none.
std::wstring ShortcutFolder(const std::wstring& shortcut);

bool IsShortcutPath(const std::wstring& path);
