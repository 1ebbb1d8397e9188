#pragma once
// The rows of the search results window, top to bottom, and how typing edits its query: the
// window's logic, apart from the painting.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "search/search_results.h"

enum class TSearchRowKind { Query, Hit, More, NotFound, Incomplete };

struct TSearchRow {
  TSearchRowKind Kind;
  std::size_t Hit = 0;  // of a Hit row: its index in the hits
  bool operator==(const TSearchRow&) const = default;
};

// The hits a column of `fittingRows` rows has room for beside the query row and the row
// below the hits ("more" or "not found").
std::size_t SearchHitCapacity(std::size_t fittingRows);

// `results` cut to `maxRows` rows: the hits that do not fit are counted among More. A search
// may answer more than it was asked for, and the incomplete note needs a row of its own.
TSearchResults FitSearchResults(TSearchResults results, std::size_t maxRows);

// The query row, the hits, "more" (or "not found" when there is nothing), the incomplete note.
std::vector<TSearchRow> SearchRowsOf(const TSearchResults& results);

// `query` after typing `keys`, in order: '\b' erases the last character (a surrogate pair
// whole), other control characters are ignored. None once a Backspace empties the query.
std::optional<std::wstring> EditedQuery(std::wstring query, std::wstring_view keys);

// The hit `step` places from `current` among `count` hits, round from the last to the first
// and back, as a menu's highlight goes.
std::size_t StepHit(std::size_t current, int step, std::size_t count);
