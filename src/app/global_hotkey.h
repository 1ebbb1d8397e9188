#pragma once
// The launcher's system-wide hotkey: registered for the main window, given back to the system
// when the registration is dropped.
#include <windows.h>

#include "framework/win_handle.h"
#include "settings/hotkey_text.h"

inline constexpr int LauncherHotkeyId = 1;

struct TLauncherHotkeyTraits {
  using Handle = HWND;  // the window the hotkey is registered for
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { ::UnregisterHotKey(h, LauncherHotkeyId); }
};
using TLauncherHotkey = TUniqueHandle<TLauncherHotkeyTraits>;

// Registers `hotkey` for `window`; nothing is held when the system refuses it, as it does when
// another program has registered the same combination.
TLauncherHotkey RegisterLauncherHotkey(HWND window, const THotkey& hotkey);
