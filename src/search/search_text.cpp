#include "search/search_text.h"

#include <algorithm>
#include <limits>

namespace {

// Full-width forms too: a Japanese name separates its words with them as often.
bool IsWordSeparator(wchar_t c) {
  switch (c) {
    case L' ': case L'-': case L'_': case L'.':
    case 0x3000: case 0xFF0D: case 0xFF3F: case 0xFF0E:
      return true;
    default:
      return false;
  }
}

}  // namespace

TSearchName MakeSearchName(std::wstring_view name, const TTextFolding& folding) {
  // Folded word by word, so that each word start in the name has its place in the folded text
  // even where folding changes lengths (a half-width kana and its sound mark become one).
  TSearchName result;
  std::size_t wordStart = 0;
  TLetterCase previous = TLetterCase::lcNone;
  for (std::size_t i = 0; i <= name.size(); ++i) {
    const TLetterCase letterCase = i < name.size() ? folding.CaseOf(name[i]) : TLetterCase::lcNone;
    const bool startsWord = i == name.size() || (i > 0 && IsWordSeparator(name[i - 1]) && !IsWordSeparator(name[i])) ||
                            (previous == TLetterCase::lcLower && letterCase == TLetterCase::lcUpper);
    previous = letterCase;
    if (!startsWord || i == wordStart) continue;
    result.Folded += folding.Fold(name.substr(wordStart, i - wordStart));
    wordStart = i;
    if (i < name.size() && result.Folded.size() <= std::numeric_limits<std::uint16_t>::max())
      result.WordStarts.push_back(static_cast<std::uint16_t>(result.Folded.size()));
  }
  return result;
}

TMatchRank MatchRank(const TSearchName& name, std::wstring_view foldedText) {
  if (foldedText.empty()) return TMatchRank::mrNone;
  std::size_t found = name.Folded.find(foldedText);
  if (found == std::wstring::npos) return TMatchRank::mrNone;
  if (found == 0) return TMatchRank::mrStart;
  for (; found != std::wstring::npos; found = name.Folded.find(foldedText, found + 1))
    if (std::binary_search(name.WordStarts.begin(), name.WordStarts.end(), found)) return TMatchRank::mrWordStart;
  return TMatchRank::mrWithin;
}
