#include "search/search_ranking.h"

#include <algorithm>
#include <limits>
#include <tuple>
#include <unordered_map>

namespace {

struct TCandidate {
  TMatchRank Rank;
  std::size_t Recency;  // position in the recent list; past its end when not there
  const TIndexEntry* Entry;
  const TIndexFolder* Folder;

  auto Key() const { return std::tie(Rank, Recency, Entry->Match.Folded, Folder->Shown, Entry->Path); }
  bool operator<(const TCandidate& other) const { return Key() < other.Key(); }
};

// `shown` lies at or below `top`: the part below it.
std::wstring Below(const std::wstring& shown, const std::wstring& top) {
  if (top.empty()) return shown;
  return shown.size() > top.size() ? shown.substr(top.size() + 1) : std::wstring();
}

}  // namespace

TSearchResults SearchSnapshot(const TIndexSnapshot& snapshot, const TSearchQuery& query) {
  TSearchResults results;
  if (query.Subtree >= snapshot.Folders.size()) return results;
  std::unordered_map<std::wstring_view, std::size_t> recency;
  if (query.Recent)
    for (std::size_t i = 0; i < query.Recent->size(); ++i) recency.emplace((*query.Recent)[i], i);
  const std::size_t notRecent = std::numeric_limits<std::size_t>::max();

  std::vector<TCandidate> matches;
  const TIndexFolder& top = snapshot.Folders[query.Subtree];
  for (std::size_t f = query.Subtree; f < top.SubtreeEnd; ++f) {
    const TIndexFolder& folder = snapshot.Folders[f];
    results.Incomplete = results.Incomplete || folder.Pending;
    if (!folder.Content) continue;
    for (std::size_t e = 0; e < folder.Entries; ++e) {
      const TIndexEntry& entry = folder.Content->Entries[e];
      const TMatchRank rank = MatchRank(entry.Match, query.FoldedText);
      if (rank == TMatchRank::mrNone) continue;
      const auto recent = recency.find(entry.Path);
      matches.push_back({rank, recent == recency.end() ? notRecent : recent->second, &entry, &folder});
    }
  }
  const std::size_t shown = std::min(query.MaxHits, matches.size());
  std::partial_sort(matches.begin(), matches.begin() + static_cast<std::ptrdiff_t>(shown), matches.end());
  results.More = matches.size() - shown;
  results.Hits.reserve(shown);
  for (std::size_t i = 0; i < shown; ++i) {
    const TCandidate& match = matches[i];
    results.Hits.push_back({match.Entry->Name, Below(match.Folder->Shown, top.Shown), match.Entry->Path,
                            match.Entry->IsFolder});
  }
  return results;
}
