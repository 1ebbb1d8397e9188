#include "settings/hotkey_text.h"
#include "texts/texts.h"

#include <array>
#include <cwctype>

namespace {

struct TName {
  std::uint16_t Code;
  const wchar_t* Name;
};

constexpr std::array<TName, 4> ModifierNames{{
    {hmWin, L"Win"},
    {hmCtrl, L"Ctrl"},
    {hmAlt, L"Alt"},
    {hmShift, L"Shift"},
}};

// Virtual-key codes of the keys with names; letters and digits are their own characters, F1
// to F24 run from 0x70 and Num0 to Num9 from 0x60.
constexpr std::array<TName, 37> KeyNames{{
    {0x08, L"Backspace"}, {0x09, L"Tab"},      {0x0D, L"Enter"},       {0x13, L"Pause"},
    {0x1B, L"Esc"},       {0x20, L"Space"},    {0x21, L"PageUp"},      {0x22, L"PageDown"},
    {0x23, L"End"},       {0x24, L"Home"},     {0x25, L"Left"},        {0x26, L"Up"},
    {0x27, L"Right"},     {0x28, L"Down"},     {0x2C, L"PrintScreen"}, {0x2D, L"Insert"},
    {0x2E, L"Delete"},    {0x6A, L"Multiply"}, {0x6B, L"Add"},         {0x6D, L"Subtract"},
    {0x6E, L"Decimal"},   {0x6F, L"Divide"},   {0xBA, L";"},           {0xBB, L"="},
    {0xBC, L","},         {0xBD, L"-"},        {0xBE, L"."},           {0xBF, L"/"},
    {0xC0, L"`"},         {0xDB, L"["},        {0xDC, L"\\"},          {0xDD, L"]"},
    {0xDE, L"'"},         {0xE2, L"\\2"},      {0x5D, L"Apps"},        {0x90, L"NumLock"},
    {0x91, L"ScrollLock"},
}};

constexpr std::uint16_t FirstFunctionKey = 0x70;
constexpr int FunctionKeys = 24;
constexpr std::uint16_t FirstNumPadKey = 0x60;
constexpr std::uint16_t F12Key = FirstFunctionKey + 11;
constexpr std::uint16_t PauseKey = 0x13;

bool SameName(std::wstring_view a, std::wstring_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::towlower(a[i]) != std::towlower(b[i])) return false;
  }
  return true;
}

std::wstring_view Trimmed(std::wstring_view text) {
  while (!text.empty() && std::iswspace(text.front())) text.remove_prefix(1);
  while (!text.empty() && std::iswspace(text.back())) text.remove_suffix(1);
  return text;
}

int HexDigit(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  return -1;
}

bool IsLetterOrDigit(std::uint16_t code) { return (code >= L'A' && code <= L'Z') || (code >= L'0' && code <= L'9'); }

std::optional<std::uint16_t> KeyCodeOf(std::wstring_view name) {
  if (name.size() == 1) {
    const auto upper = static_cast<std::uint16_t>(std::towupper(name[0]));
    if (IsLetterOrDigit(upper)) return upper;
  }
  for (const TName& key : KeyNames) {
    if (SameName(name, key.Name)) return key.Code;
  }
  for (int i = 1; i <= FunctionKeys; ++i) {
    if (SameName(name, L"F" + std::to_wstring(i))) return static_cast<std::uint16_t>(FirstFunctionKey + i - 1);
  }
  for (int i = 0; i <= 9; ++i) {
    if (SameName(name, L"Num" + std::to_wstring(i))) return static_cast<std::uint16_t>(FirstNumPadKey + i);
  }
  if (name.size() == 4 && name[0] == L'0' && (name[1] == L'x' || name[1] == L'X')) {
    const int high = HexDigit(name[2]);
    const int low = HexDigit(name[3]);
    if (high >= 0 && low >= 0 && (high | low) != 0) return static_cast<std::uint16_t>(high * 16 + low);
  }
  return std::nullopt;
}

std::wstring KeyName(std::uint16_t code) {
  if (IsLetterOrDigit(code)) return std::wstring(1, static_cast<wchar_t>(code));
  for (const TName& key : KeyNames) {
    if (key.Code == code) return key.Name;
  }
  if (code >= FirstFunctionKey && code < FirstFunctionKey + FunctionKeys)
    return L"F" + std::to_wstring(code - FirstFunctionKey + 1);
  if (code >= FirstNumPadKey && code <= FirstNumPadKey + 9) return L"Num" + std::to_wstring(code - FirstNumPadKey);
  constexpr wchar_t digits[] = L"0123456789ABCDEF";
  return std::wstring(L"0x") + digits[(code >> 4) & 0xF] + digits[code & 0xF];
}

THotkeyParse Refused(std::wstring problem) { return {std::nullopt, std::move(problem)}; }

}  // namespace

std::wstring HotkeyText(const THotkey& hotkey) {
  if (hotkey.Empty()) return L"";
  std::wstring text;
  for (const TName& modifier : ModifierNames) {
    if (hotkey.Modifiers & modifier.Code) text += std::wstring(modifier.Name) + L"+";
  }
  return text + KeyName(hotkey.Key);
}

THotkeyParse ParseHotkey(std::wstring_view text) {
  if (Trimmed(text).empty()) return {THotkey{}, L""};
  THotkey hotkey;
  size_t start = 0;
  for (;;) {
    const size_t end = text.find(L'+', start);
    const std::wstring_view part = Trimmed(text.substr(start, end == std::wstring_view::npos ? end : end - start));
    if (part.empty()) return Refused(Text(TText::HotkeyEmptyPart));
    bool isModifier = false;
    for (const TName& modifier : ModifierNames) {
      if (!SameName(part, modifier.Name)) continue;
      if (hotkey.Modifiers & modifier.Code) return Refused(Text(TText::HotkeyModifierTwice, {modifier.Name}));
      if (!hotkey.Empty()) return Refused(Text(TText::HotkeyModifierLate));
      hotkey.Modifiers = static_cast<std::uint8_t>(hotkey.Modifiers | modifier.Code);
      isModifier = true;
    }
    if (!isModifier) {
      const auto code = KeyCodeOf(part);
      if (!code) return Refused(Text(TText::HotkeyUnknownKey, {part}));
      if (!hotkey.Empty()) return Refused(Text(TText::HotkeyTwoKeys));
      hotkey.Key = *code;
    }
    if (end == std::wstring_view::npos) break;
    start = end + 1;
  }
  if (hotkey.Empty()) return Refused(Text(TText::HotkeyNoKey));
  return {hotkey, L""};
}

std::wstring HotkeyRuleProblem(const THotkey& hotkey) {
  if (hotkey.Empty()) return L"";
  if (hotkey.Key == F12Key) return Text(TText::HotkeyF12);
  const bool functionKey = hotkey.Key >= FirstFunctionKey && hotkey.Key < FirstFunctionKey + FunctionKeys;
  if (functionKey || hotkey.Key == PauseKey || (hotkey.Modifiers & (hmCtrl | hmAlt | hmWin))) return L"";
  return Text(TText::HotkeyNeedsModifier, {HotkeyText(hotkey)});
}
