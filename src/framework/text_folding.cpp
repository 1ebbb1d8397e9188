#include "framework/text_folding.h"

#include <windows.h>

namespace {

std::wstring Mapped(std::wstring_view text, DWORD flag) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  const int size = ::LCMapStringEx(LOCALE_NAME_USER_DEFAULT, flag, text.data(), length, nullptr, 0, nullptr, nullptr, 0);
  if (size <= 0) return std::wstring(text);
  std::wstring mapped(static_cast<std::size_t>(size), L'\0');
  const int written =
      ::LCMapStringEx(LOCALE_NAME_USER_DEFAULT, flag, text.data(), length, mapped.data(), size, nullptr, nullptr, 0);
  mapped.resize(static_cast<std::size_t>(written > 0 ? written : 0));
  return mapped;
}

}  // namespace

std::wstring FoldForMatching(std::wstring_view text) {
  // One flag a pass: widening first makes a half-width katakana a full-width one (its sound mark
  // joined), which the next pass can then take to hiragana.
  return Mapped(Mapped(Mapped(text, LCMAP_FULLWIDTH), LCMAP_HIRAGANA), LCMAP_LOWERCASE);
}
