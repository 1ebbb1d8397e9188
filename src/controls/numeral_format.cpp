#include "controls/numeral_format.h"

#include "framework/code_page_932.h"

namespace {

// Entry i of one table corresponds to entry i of its partner.
constexpr std::wstring_view HalfWidthDecimal = L"0123456789";
constexpr std::wstring_view FullWidthDecimal = L"０１２３４５６７８９";
constexpr std::wstring_view HalfWidthHexadecimal = L"0123456789ABCDEF";
constexpr std::wstring_view FullWidthHexadecimal = L"０１２３４５６７８９ABCDEF";

wchar_t AsciiUpper(wchar_t c) { return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c; }
wchar_t AsciiLower(wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
bool IsHexLetter(wchar_t c) { return (c >= L'a' && c <= L'f') || (c >= L'A' && c <= L'F'); }

std::wstring Translate(std::wstring_view text, std::wstring_view from, std::wstring_view to) {
  std::wstring out;
  for (const wchar_t c : text) {
    const std::size_t index = from.find(AsciiUpper(c));
    if (index != std::wstring_view::npos) out += to[index];
  }
  return out;
}

// Puts `separator` between groups of `groupSize` digits, counted from the right; returns the
// number of digits left in the leading group.
std::size_t InsertSeparators(std::wstring& digits, std::size_t groupSize, wchar_t separator) {
  std::size_t lead = digits.size();
  while (lead > groupSize) {
    lead -= groupSize;
    digits.insert(lead, 1, separator);
  }
  return lead;
}

std::wstring HexDigits(std::int32_t value) {
  static constexpr wchar_t Digits[] = L"0123456789ABCDEF";
  auto bits = static_cast<std::uint32_t>(value);
  std::wstring out;
  do {
    out.insert(out.begin(), Digits[bits & 0xF]);
    bits >>= 4;
  } while (bits != 0);
  if (out.size() < 2) out.insert(out.begin(), L'0');
  return out;
}

std::wstring FormatHexadecimal(std::int32_t value, bool fullWidth, bool divide) {
  std::wstring text = HexDigits(value);
  if (fullWidth) text = ToFullWidth(text, true);
  std::size_t lead = text.size();
  if (divide) lead = InsertSeparators(text, 2, fullWidth ? L'，' : L',');
  // Whole bytes only: an odd leading group gets a zero.
  if (lead % 2 == 1) text.insert(text.begin(), fullWidth ? L'０' : L'0');
  text.insert(text.begin(), fullWidth ? L'＄' : L'$');
  return text;
}

std::wstring FormatDecimal(std::int32_t value, bool fullWidth, bool divide) {
  std::wstring text = std::to_wstring(value);
  const bool negative = text.front() == L'-';
  if (negative) text.erase(text.begin());
  if (fullWidth) text = ToFullWidth(text, false);
  if (divide) InsertSeparators(text, 3, fullWidth ? L'，' : L',');
  if (negative) text.insert(text.begin(), fullWidth ? L'－' : L'-');
  return text;
}

std::optional<std::uint32_t> ParseDigits(std::wstring_view digits, std::uint32_t base, std::uint64_t limit) {
  if (digits.empty()) return std::nullopt;
  std::uint64_t value = 0;
  for (const wchar_t c : digits) {
    std::uint32_t digit;
    if (IsDigit(c))
      digit = static_cast<std::uint32_t>(c - L'0');
    else if (base == 16 && IsHexLetter(c))
      digit = static_cast<std::uint32_t>(AsciiLower(c) - L'a' + 10);
    else
      return std::nullopt;
    value = value * base + digit;
    if (value > limit) return std::nullopt;
  }
  return static_cast<std::uint32_t>(value);
}

}  // namespace

std::wstring ToFullWidth(std::wstring_view text, bool hexadecimal) {
  return hexadecimal ? Translate(text, HalfWidthHexadecimal, FullWidthHexadecimal)
                     : Translate(text, HalfWidthDecimal, FullWidthDecimal);
}

std::wstring ToHalfWidth(std::wstring_view text, bool hexadecimal) {
  return hexadecimal ? Translate(text, FullWidthHexadecimal, HalfWidthHexadecimal)
                     : Translate(text, FullWidthDecimal, HalfWidthDecimal);
}

std::wstring FormatValue(std::int32_t value, TEditOptions options) {
  const bool fullWidth = options.Contains(TEditOption::eoDWDisplay);
  const bool divide = options.Contains(TEditOption::eoDivide);
  return options.Contains(TEditOption::eoHEXIndicate) ? FormatHexadecimal(value, fullWidth, divide)
                                                      : FormatDecimal(value, fullWidth, divide);
}

std::wstring NormalizeText(std::wstring_view text, TEditOptions options) {
  const bool hexadecimal = options.Contains(TEditOption::eoHEXIndicate);
  const bool fullWidth = options.Contains(TEditOption::eoDWDisplay);
  const bool negative = !text.empty() && (text.front() == L'-' || text.front() == L'－');
  std::wstring digits;
  for (const wchar_t c : text) {
    if (IsDoubleByteChar(c)) {
      if (fullWidth) digits += ToHalfWidth(std::wstring_view(&c, 1), hexadecimal);
    } else if (IsDigit(c) || (hexadecimal && IsHexLetter(c))) {
      digits += AsciiLower(c);
    }
  }
  if (hexadecimal) return L"$" + digits;
  return negative ? L"-" + digits : digits;
}

std::optional<std::int32_t> ParseNormalized(std::wstring_view text) {
  if (!text.empty() && text.front() == L'$') {
    const auto bits = ParseDigits(text.substr(1), 16, 0xFFFFFFFFu);
    if (!bits) return std::nullopt;
    return static_cast<std::int32_t>(*bits);
  }
  const bool negative = !text.empty() && text.front() == L'-';
  const std::uint64_t limit = negative ? 0x80000000u : 0x7FFFFFFFu;
  const auto magnitude = ParseDigits(negative ? text.substr(1) : text, 10, limit);
  if (!magnitude) return std::nullopt;
  // Unsigned arithmetic: the magnitude of the lowest value does not fit in int32_t.
  return static_cast<std::int32_t>(negative ? 0u - *magnitude : *magnitude);
}
