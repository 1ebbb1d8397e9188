#pragma once
// Captions and glyphs of the window commands in a styled system menu.
#include <string_view>

inline constexpr unsigned scSize = 0xF000;
inline constexpr unsigned scMove = 0xF010;
inline constexpr unsigned scMinimize = 0xF020;
inline constexpr unsigned scMaximize = 0xF030;
inline constexpr unsigned scClose = 0xF060;
inline constexpr unsigned scRestore = 0xF120;

// Glyph numbers in the system-menu image list.
enum TSysGlyph : int { sgNone = -1, sgRestore = 0, sgMinimize = 1, sgMaximize = 2, sgClose = 3 };

struct TSysMenuEntry {
  std::wstring_view Caption;  // empty for commands of our own or unknown ones
  TSysGlyph Glyph = sgNone;
  std::wstring_view ShortcutText;
};

TSysMenuEntry SysMenuEntry(unsigned command);

// Every system-menu item is as wide as the widest one would be with this text.
inline constexpr std::wstring_view SysMenuWidthText = L" 閉じる(&C) Alt+F4";
inline constexpr int SysMenuWidthMargin = 50;
