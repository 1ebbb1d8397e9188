#include "controls/numeral_keys.h"

#include "framework/convert_error.h"
#include "texts/texts.h"

namespace {

constexpr wchar_t Backspace = L'\b';

bool IsDigit(wchar_t key) { return key >= L'0' && key <= L'9'; }
bool IsHexLetter(wchar_t key) { return (key >= L'a' && key <= L'f') || (key >= L'A' && key <= L'F'); }

// The full-width form of a key for full-width display; empty when it has none.
std::wstring FullWidthKey(wchar_t key, TEditOptions options) {
  const bool hexadecimal = options.Contains(TEditOption::eoHEXIndicate);
  if (IsDigit(key) || (hexadecimal && IsHexLetter(key))) return ToFullWidth(std::wstring(1, key), hexadecimal);
  if (hexadecimal && key == L'$') return L"＄";
  if (!hexadecimal && key == L'-') return L"－";
  if (options.Contains(TEditOption::eoDivide) && key == L',') return L"，";
  return {};
}

bool PassesKeyCheck(wchar_t key, TEditOptions options) {
  if (IsDigit(key) || key == Backspace) return true;
  if (key == L',') return options.Contains(TEditOption::eoDivide);
  return options.Contains(TEditOption::eoHEXIndicate) ? IsHexLetter(key) : key == L'-';
}

}  // namespace

TKeyDecision FilterKey(wchar_t key, const TKeyFilterSettings& settings) {
  const TEditOptions options = settings.Options;
  // One line only, even when right alignment makes the box a multi-line one.
  if (key == L'\r' || key == L'\n' || key == L'\t') return {TKeyVerdict::kvSwallow, {}};

  if (settings.SignPress && (key == L'-' || key == L'+') && !options.Contains(TEditOption::eoHEXIndicate))
    return {settings.ReadOnly ? TKeyVerdict::kvSwallow : TKeyVerdict::kvApplySign, {}};

  if (settings.KeyCheck && options.Contains(TEditOption::eoDWDisplay) && key != Backspace) {
    std::wstring converted = FullWidthKey(key, options);
    if (converted.empty() || settings.ReadOnly) return {TKeyVerdict::kvSwallow, {}};
    return {TKeyVerdict::kvReplaceSelection, std::move(converted)};
  }

  if (settings.KeyCheck && !PassesKeyCheck(key, options)) return {TKeyVerdict::kvSwallow, {}};
  return {TKeyVerdict::kvPass, {}};
}

std::wstring SignedText(wchar_t sign, std::wstring_view text, TEditOptions options) {
  std::wstring typed(1, sign);
  typed += text;
  const std::wstring normalized = NormalizeText(typed, options);
  const auto value = ParseNormalized(normalized);
  if (!value) throw EConvertError(Text(TText::NotAValidInteger, {normalized}));
  return FormatValue(*value, options);
}
