#include "framework/shortcut.h"

namespace {

// Names of the keys that are neither letters, digits nor function keys.
const wchar_t* SpecialKeyName(unsigned key) {
  switch (key) {
    case 0x08: return L"BkSp";
    case 0x09: return L"Tab";
    case 0x0D: return L"Enter";
    case 0x1B: return L"Esc";
    case 0x20: return L"Space";
    case 0x21: return L"PgUp";
    case 0x22: return L"PgDn";
    case 0x23: return L"End";
    case 0x24: return L"Home";
    case 0x25: return L"Left";
    case 0x26: return L"Up";
    case 0x27: return L"Right";
    case 0x28: return L"Down";
    case 0x2D: return L"Ins";
    case 0x2E: return L"Del";
    default: return nullptr;
  }
}

std::wstring KeyName(unsigned key) {
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::wstring(1, static_cast<wchar_t>(key));
  if (key >= 0x70 && key <= 0x87) return L"F" + std::to_wstring(key - 0x70 + 1);
  if (key >= 0x60 && key <= 0x69) return L"Num " + std::to_wstring(key - 0x60);
  if (const wchar_t* name = SpecialKeyName(key)) return name;
  return {};
}

}  // namespace

std::wstring ShortCutToText(TShortCut shortCut) {
  const std::wstring key = KeyName(shortCut & 0xFF);
  if (key.empty()) return {};
  std::wstring text;
  if (shortCut & scCtrl) text += L"Ctrl+";
  if (shortCut & scShift) text += L"Shift+";
  if (shortCut & scAlt) text += L"Alt+";
  return text + key;
}
