#pragma once
// The launcher's hotkey as the INI file keeps it: readable text such as "Ctrl+Alt+Space" or
// "Win+Shift+L". Modifiers come first, always in the order Win, Ctrl, Alt, Shift; the key is
// named by its virtual-key code's usual name.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

enum THotkeyModifier : std::uint8_t {
  hmWin = 1,
  hmCtrl = 2,
  hmAlt = 4,
  hmShift = 8,
};

struct THotkey {
  std::uint8_t Modifiers = 0;  // THotkeyModifier bits
  std::uint16_t Key = 0;       // virtual-key code; 0 = no hotkey
  bool Empty() const { return Key == 0; }
  friend bool operator==(const THotkey&, const THotkey&) = default;
};

struct THotkeyParse {
  std::optional<THotkey> Hotkey;  // none when the text cannot be read
  std::wstring Problem;           // why not, for the user
};

// "" for no hotkey; a key without a name of its own is written as its code, "0x" and two hex
// digits, which reads back the same.
std::wstring HotkeyText(const THotkey& hotkey);
// Names are read without regard to letter case and blanks around "+"; an empty text is no
// hotkey.
THotkeyParse ParseHotkey(std::wstring_view text);

// Why the launcher should not take `hotkey` from the session, or "" when it may. A key on its
// own would stop reaching every other program, so it needs Ctrl, Alt or Win; only F1 to F24
// and Pause may stand alone. F12 never: Windows keeps it for debuggers.
std::wstring HotkeyRuleProblem(const THotkey& hotkey);
