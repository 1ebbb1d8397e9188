#pragma once
// Names as a search matches them: folded once when they enter the index (letter case, kana type
// and width aside), with the places where their words start, and the rank a typed text gives
// them.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

enum class TLetterCase : std::uint8_t { lcNone, lcLower, lcUpper };

// The platform's text rules, handed in: the search itself is platform-free.
struct TTextFolding {
  // The form in which two texts that differ only in case, kana type or width are equal.
  std::function<std::wstring(std::wstring_view)> Fold;
  std::function<TLetterCase(wchar_t)> CaseOf;
};

struct TSearchName {
  std::wstring Folded;
  // Where a word other than the first starts in Folded, ascending.
  std::vector<std::uint16_t> WordStarts;
};

// A word starts after a space, a hyphen, an underscore or a dot, and where a lower-case letter
// is followed by a capital (read on `name` itself: folding loses the case).
TSearchName MakeSearchName(std::wstring_view name, const TTextFolding& folding);

// Best first; a name ranks by the best place the text is found in it.
enum class TMatchRank : std::uint8_t { mrStart, mrWordStart, mrWithin, mrNone };

// `foldedText` is the typed text, folded as the names were; an empty text matches nothing.
TMatchRank MatchRank(const TSearchName& name, std::wstring_view foldedText);
