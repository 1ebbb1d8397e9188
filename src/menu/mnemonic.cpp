#include "menu/mnemonic.h"

std::optional<wchar_t> MnemonicOf(std::wstring_view caption) {
  const size_t ampersand = caption.find(L'&');
  if (ampersand == std::wstring_view::npos || ampersand + 1 == caption.size()) return std::nullopt;
  return caption[ampersand + 1];
}

std::wstring WithoutMnemonicMarkers(std::wstring_view caption) {
  std::wstring plain;
  plain.reserve(caption.size());
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == L'&' && ++i == caption.size()) break;
    plain += caption[i];
  }
  return plain;
}

std::wstring SpokenCaption(std::wstring_view caption) {
  return WithoutMnemonicMarkers(caption.substr(0, caption.find(L'|')));
}

std::optional<int> FindMnemonicPosition(const std::vector<TMnemonicEntry>& entries,
                                        const std::function<bool(wchar_t)>& isKey) {
  int position = 0;
  for (const TMnemonicEntry& entry : entries) {
    if (!entry.Visible) continue;
    if (const auto mnemonic = MnemonicOf(entry.Caption); mnemonic && isKey(*mnemonic)) return position;
    ++position;
  }
  return std::nullopt;
}
