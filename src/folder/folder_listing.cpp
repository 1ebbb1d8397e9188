#include "folder/folder_listing.h"

#include <windows.h>

#include "folder/link_target.h"
#include "folder/menu_folder.h"

std::wstring ShortcutFolder(const std::wstring& shortcut) {
  std::wstring target = ShellLinkPath(shortcut);
  if (!target.empty() && IsExistingFolder(target)) return target;
  target = shortcut;
  return ReadLinkTarget(target) == TLinkTarget::ltFolder ? target : std::wstring();
}

bool IsShortcutPath(const std::wstring& path) {
  return path.size() >= 4 && ::CompareStringOrdinal(path.c_str() + path.size() - 4, 4, L".lnk", 4, TRUE) == CSTR_EQUAL;
}

TFolderListing ListFolder(const std::wstring& folder, const TListingFilter& filter, TShortcutTargets targets) {
  TFolderListing listing;
  listing.FolderExists = IsExistingFolder(folder);
  if (!listing.FolderExists) return listing;
  TFileList list(nullptr);
  list.Search(folder, filter.FileType, filter.Mask);
  listing.Entries.resize(list.List().size());
  for (size_t k = 0; k < listing.Entries.size(); ++k) {
    TListedEntry& listed = listing.Entries[k];
    list.GetInfo(k, listed.Entry);
    const std::wstring& path = listed.Entry.Name;
    if (listed.Entry.Attr & FILE_ATTRIBUTE_DIRECTORY)
      listed.ExistingFolder = IsExistingFolder(FolderPathOf(path));
    else if (targets == TShortcutTargets::stChecked && IsShortcutPath(path))
      listed.FolderTarget = ShortcutFolder(path);
  }
  return listing;
}
