#include "app/icon_key.h"

#include <algorithm>

namespace {

constexpr TIconKey Key(const wchar_t (&text)[4]) { return {text[0], text[1], text[2]}; }

constexpr std::array OwnIconKeys = {Key(L"EXE"), Key(L"ICO"), Key(L"CPL"), Key(L"SCF")};

wchar_t AsciiUpper(wchar_t c) { return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c; }

}  // namespace

TIconKey IconKeyOf(std::wstring_view path) {
  TIconKey key = {L' ', L' ', L' '};
  const size_t dot = path.find_last_of(L".\\/:");
  if (dot == std::wstring_view::npos || path[dot] != L'.') return key;
  const std::wstring_view extension = path.substr(dot + 1, key.size());
  std::transform(extension.begin(), extension.end(), key.begin(), AsciiUpper);
  return key;
}

bool HasOwnIcon(const TIconKey& key) {
  return std::find(OwnIconKeys.begin(), OwnIconKeys.end(), key) != OwnIconKeys.end();
}

bool IsShortcutKey(const TIconKey& key) { return key == Key(L"LNK"); }
