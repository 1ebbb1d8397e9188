#pragma once
// Mnemonic keys of menu captions: the character after the first "&" is the key that chooses
// the item while its menu is open.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The mnemonic of `caption`; none without an "&" or when the first one ends the caption.
std::optional<wchar_t> MnemonicOf(std::wstring_view caption);

// `caption` as drawn without underlines: the markers gone, "&&" standing for one "&".
std::wstring WithoutMnemonicMarkers(std::wstring_view caption);
// The caption as a screen reader should say it: of a "short|long" caption the short part,
// without mnemonic markers.
std::wstring SpokenCaption(std::wstring_view caption);

struct TMnemonicEntry {
  bool Visible;
  std::wstring_view Caption;
};

// The position among the visible entries of the first visible entry whose mnemonic `isKey`
// accepts; hidden entries take no position. None when no entry matches.
std::optional<int> FindMnemonicPosition(const std::vector<TMnemonicEntry>& entries,
                                        const std::function<bool(wchar_t)>& isKey);
