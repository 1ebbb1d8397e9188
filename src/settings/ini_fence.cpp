#include "settings/ini_fence.h"

namespace {

constexpr wchar_t DoubleQuote = L'"';
constexpr wchar_t OpeningCorner = L'\uFF62';  // "｢", 0xA2 in code page 932
constexpr wchar_t ClosingCorner = L'\uFF63';  // "｣", 0xA3

bool EnclosedIn(std::wstring_view text, wchar_t opening, wchar_t closing) {
  return text.size() >= 2 && text.front() == opening && text.back() == closing;
}

}  // namespace

std::wstring EncloseInFence(std::wstring_view text, TIniGTFence fence) {
  switch (fence) {
    case TIniGTFence::fnDoubleQuote:
      return DoubleQuote + std::wstring(text) + DoubleQuote;
    case TIniGTFence::fnParenthesis:
    case TIniGTFence::fnVer11Mode:
      return OpeningCorner + std::wstring(text) + ClosingCorner;
    case TIniGTFence::fnNone:
      break;
  }
  return std::wstring(text);
}

// Compares characters, not code-page bytes: a closing 0xA3 byte that is the second half of a
// double-byte character is no fence, and cutting it off would break that character.
std::wstring StripFence(std::wstring_view text, TIniGTFence fence) {
  using enum TIniGTFence;
  const bool readsQuotes = fence == fnDoubleQuote || fence == fnVer11Mode;
  const bool readsCorners = fence == fnParenthesis || fence == fnVer11Mode;
  if ((readsQuotes && EnclosedIn(text, DoubleQuote, DoubleQuote)) ||
      (readsCorners && EnclosedIn(text, OpeningCorner, ClosingCorner))) {
    return std::wstring(text.substr(1, text.size() - 2));
  }
  return std::wstring(text);
}
