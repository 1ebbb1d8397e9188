#include "menu/type_ahead.h"

#include <algorithm>

#include "menu/mnemonic.h"

TTypeAhead::TTypeAhead(TClock clock, TSameText sameText) : FClock(std::move(clock)), FSameText(std::move(sameText)) {}

void TTypeAhead::Reset() {
  FPrefix.clear();
  FMenu = 0;
}

std::wstring TypeAheadText(std::wstring_view caption) {
  std::wstring text = WithoutMnemonicMarkers(caption);
  if (text.size() > 2 && text.front() == L'<' && text.back() == L'>') return text.substr(1, text.size() - 2);
  return text;
}

bool TTypeAhead::StartsWith(std::wstring_view caption, std::wstring_view prefix) const {
  // One character may stand for two and two for one (a half-width kana and its voicing mark
  // against one full-width kana), so every start up to twice the prefix's length is tried.
  const size_t longest = std::min(caption.size(), prefix.size() * 2);
  for (size_t length = 1; length <= longest; ++length) {
    if (FSameText(caption.substr(0, length), prefix)) return true;
  }
  return false;
}

TTypeAheadResult TTypeAhead::Type(wchar_t Key, std::uintptr_t Menu, const std::vector<TTypeAheadEntry>& Entries,
                                  std::optional<int> Highlighted) {
  const std::uint64_t now = FClock();
  if (Menu != FMenu || now - FLastKey >= PauseMs) FPrefix.clear();
  FMenu = Menu;
  FLastKey = now;

  const std::wstring_view key(&Key, 1);
  const bool sameLetterAgain = !FPrefix.empty() && std::all_of(FPrefix.begin(), FPrefix.end(), [&](wchar_t typed) {
    return FSameText(std::wstring_view(&typed, 1), key);
  });
  if (!sameLetterAgain) FPrefix += Key;

  if (FPrefix.size() == 1 && !sameLetterAgain) {
    std::vector<TMnemonicEntry> mnemonics;
    mnemonics.reserve(Entries.size());
    for (const TTypeAheadEntry& entry : Entries) mnemonics.push_back({true, entry.Caption});
    const auto isKey = [&](wchar_t mnemonic) { return FSameText(std::wstring_view(&mnemonic, 1), key); };
    if (const auto position = FindMnemonicPosition(mnemonics, isKey)) {
      FPrefix.clear();  // the menu closes with the choice
      return {TTypeAheadAction::Execute, *position};
    }
  }

  const int count = static_cast<int>(Entries.size());
  if (count == 0) return {};
  const int highlighted = Highlighted && *Highlighted >= 0 && *Highlighted < count ? *Highlighted : 0;
  const int first = sameLetterAgain && Highlighted ? highlighted + 1 : highlighted;
  for (int step = 0; step < count; ++step) {
    const int position = (first + step) % count;
    const TTypeAheadEntry& entry = Entries[static_cast<size_t>(position)];
    if (entry.Selectable && StartsWith(TypeAheadText(entry.Caption), FPrefix))
      return {TTypeAheadAction::Select, position};
  }
  return {};
}
