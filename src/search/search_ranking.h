#pragma once
// The search itself: the entries of a snapshot that match a typed text, best first.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "search/index_snapshot.h"
#include "search/search_results.h"

struct TSearchQuery {
  std::wstring_view FoldedText;            // folded as the index folds names
  const std::vector<std::wstring>* Recent;  // full paths, most recently started first; may be null
  std::size_t MaxHits = 0;
  std::size_t Subtree = 0;  // the folder searched, with all below it: an index into the snapshot's folders
};

// Matches rank by where the text is found (TMatchRank), then by how recently they were started,
// then by name, folder and path. Folders are named relative to the folder searched.
TSearchResults SearchSnapshot(const TIndexSnapshot& snapshot, const TSearchQuery& query);
