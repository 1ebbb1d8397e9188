#pragma once
// What a search over the menu tree answers: the matches to show, best first, and what is
// left out of them.
#include <cstddef>
#include <string>
#include <vector>

struct TSearchHit {
  std::wstring Name;    // as the menus show it
  std::wstring Folder;  // where it lies, below the searched folder ("Tools\Net"); empty at its top
  std::wstring Path;    // the full path, to start or to open
  bool IsFolder = false;
};

struct TSearchResults {
  std::vector<TSearchHit> Hits;  // best first, no more than were asked for
  std::size_t More = 0;          // matches beyond Hits
  bool Incomplete = false;       // some folders are still being read
};
