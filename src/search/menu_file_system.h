#pragma once
// The menu tree on disk, read as the launcher's menus read it: the same listing filter, the same
// entries left out, shortcuts' targets read as the menus read them.
#include <utility>

#include "folder/folder_listing.h"
#include "search/index_file_system.h"

class TMenuFileSystem : public TIndexFileSystem {
public:
  explicit TMenuFileSystem(TListingFilter filter) : FFilter(std::move(filter)) {}

  std::optional<TFolderStamp> Stamp(const std::wstring& path) const override;
  // Needs COM on the calling thread, as the call queues' workers have it.
  std::vector<TFolderItem> List(const std::wstring& path) const override;

private:
  TListingFilter FFilter;
};
