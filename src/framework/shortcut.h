#pragma once
// Keyboard shortcuts as menus show them: a virtual-key code with modifier bits.
#include <cstdint>
#include <string>

using TShortCut = std::uint16_t;

constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;

constexpr TShortCut ShortCut(std::uint16_t virtualKey, TShortCut modifiers = 0) {
  return static_cast<TShortCut>((virtualKey & 0xFF) | modifiers);
}

// "Ctrl+Shift+A", "F5", "Alt+Del"; empty for no shortcut.
std::wstring ShortCutToText(TShortCut shortCut);
