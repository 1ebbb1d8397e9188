#include "settings/integer_text.h"

namespace {

int HexDigitValue(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  return -1;
}

std::optional<std::int32_t> ParseHexPattern(std::wstring_view digits) {
  if (digits.empty() || digits.size() > 8) return std::nullopt;
  std::uint32_t pattern = 0;
  for (const wchar_t c : digits) {
    const int digit = HexDigitValue(c);
    if (digit < 0) return std::nullopt;
    pattern = pattern << 4 | static_cast<std::uint32_t>(digit);
  }
  return static_cast<std::int32_t>(pattern);
}

std::optional<std::int32_t> ParseDecimal(std::wstring_view text) {
  bool negative = false;
  if (!text.empty() && (text.front() == L'+' || text.front() == L'-')) {
    negative = text.front() == L'-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  const std::int64_t limit = negative ? std::int64_t{INT32_MAX} + 1 : INT32_MAX;
  std::int64_t magnitude = 0;
  for (const wchar_t c : text) {
    if (c < L'0' || c > L'9') return std::nullopt;
    magnitude = magnitude * 10 + (c - L'0');
    if (magnitude > limit) return std::nullopt;
  }
  return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

}  // namespace

std::optional<std::int32_t> ParseInt32(std::wstring_view text) {
  const std::size_t start = text.find_first_not_of(L' ');
  if (start == std::wstring_view::npos) return std::nullopt;
  text.remove_prefix(start);
  if (text.front() == L'$') return ParseHexPattern(text.substr(1));
  return ParseDecimal(text);
}

std::wstring HexText(std::int32_t value) {
  static constexpr wchar_t Digits[] = L"0123456789ABCDEF";
  const auto pattern = static_cast<std::uint32_t>(value);
  std::wstring text = L"0x";
  for (int shift = 28; shift >= 0; shift -= 4) text += Digits[pattern >> shift & 0xF];
  return text;
}
