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

// Lists `folder` in the launcher's order. Shortcuts are read through the shell when the calling
// thread has COM, and by their bytes otherwise.
TFolderListing ListFolder(const std::wstring& folder, const TListingFilter& filter);

bool IsShortcutPath(const std::wstring& path);
