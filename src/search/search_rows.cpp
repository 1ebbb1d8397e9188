#include "search/search_rows.h"

#include <algorithm>

namespace {

// The rows below the hits.
std::size_t TrailingRows(const TSearchResults& results) {
  const bool countRow = results.More > 0 || results.Hits.empty();
  return (countRow ? 1 : 0) + (results.Incomplete ? 1 : 0);
}

bool IsLowSurrogate(wchar_t c) { return c >= 0xDC00 && c <= 0xDFFF; }
bool IsHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }

}  // namespace

std::size_t SearchHitCapacity(std::size_t fittingRows) { return fittingRows > 2 ? fittingRows - 2 : 0; }

TSearchResults FitSearchResults(TSearchResults results, std::size_t maxRows) {
  if (1 + results.Hits.size() + TrailingRows(results) <= maxRows) return results;
  // Hits are left out: a "more" row follows them whatever More was.
  const std::size_t trailing = 1 + (results.Incomplete ? 1 : 0);
  const std::size_t kept = maxRows > 1 + trailing ? maxRows - 1 - trailing : 0;
  const std::size_t cut = results.Hits.size() - std::min(kept, results.Hits.size());
  results.Hits.resize(results.Hits.size() - cut);
  results.More += cut;
  return results;
}

std::vector<TSearchRow> SearchRowsOf(const TSearchResults& results) {
  std::vector<TSearchRow> rows{{TSearchRowKind::Query}};
  for (std::size_t i = 0; i < results.Hits.size(); ++i) rows.push_back({TSearchRowKind::Hit, i});
  if (results.More > 0) {
    rows.push_back({TSearchRowKind::More});
  } else if (results.Hits.empty()) {
    rows.push_back({TSearchRowKind::NotFound});
  }
  if (results.Incomplete) rows.push_back({TSearchRowKind::Incomplete});
  return rows;
}

std::optional<std::wstring> EditedQuery(std::wstring query, std::wstring_view keys) {
  for (const wchar_t key : keys) {
    if (key == L'\b') {
      if (query.empty()) return std::nullopt;
      const bool pair = query.size() >= 2 && IsLowSurrogate(query.back()) && IsHighSurrogate(query[query.size() - 2]);
      query.resize(query.size() - (pair ? 2 : 1));
      if (query.empty()) return std::nullopt;
    } else if (key >= L' ' && key != 0x7F) {
      query += key;
    }
  }
  return query;
}

std::size_t StepHit(std::size_t current, int step, std::size_t count) {
  if (count == 0) return 0;
  const auto n = static_cast<long long>(count);
  return static_cast<std::size_t>(((static_cast<long long>(current) + step) % n + n) % n);
}
