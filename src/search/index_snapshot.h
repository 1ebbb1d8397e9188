#pragma once
// What the search index holds at one moment: the folders the menus show below the menu folder,
// each with its entries. A snapshot never changes once published, so a search reads it on the
// UI thread while the index reads on.
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "search/search_text.h"

struct TIndexEntry {
  std::wstring Name;  // as the menus show it: "<Tools>", "Editor" for Editor.lnk
  TSearchName Match;  // for a folder, its name without the brackets
  std::wstring Path;  // to start or to open; a folder shortcut's folder
  bool IsFolder = false;
  // For a shortcut: the path it names, which may be a folder; empty for other entries.
  std::wstring Target;
};

// One folder's entries, as read once.
struct TFolderContent {
  std::vector<TIndexEntry> Entries;
  std::vector<std::size_t> Shortcuts;  // the entries with a target
};

struct TIndexFolder {
  std::shared_ptr<const TFolderContent> Content;  // none until the folder is read
  std::size_t Entries = 0;                        // of Content, the first this many count
  std::wstring Path;                              // as the menus reach it
  std::wstring Shown;                             // below the menu folder, "Tools\Net"; empty for it
  std::size_t SubtreeEnd = 0;                     // the folders below this one come before it
  bool Pending = false;                           // its entries are missing or out of date
};

struct TIndexSnapshot {
  // Depth first from the menu folder, which comes first.
  std::vector<TIndexFolder> Folders;
};
