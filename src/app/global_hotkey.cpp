#include "app/global_hotkey.h"

TLauncherHotkey RegisterLauncherHotkey(HWND window, const THotkey& hotkey) {
  if (hotkey.Empty()) return {};
  // A held key would open and close the menu over and over.
  UINT modifiers = MOD_NOREPEAT;
  if (hotkey.Modifiers & hmWin) modifiers |= MOD_WIN;
  if (hotkey.Modifiers & hmCtrl) modifiers |= MOD_CONTROL;
  if (hotkey.Modifiers & hmAlt) modifiers |= MOD_ALT;
  if (hotkey.Modifiers & hmShift) modifiers |= MOD_SHIFT;
  if (!::RegisterHotKey(window, LauncherHotkeyId, modifiers, hotkey.Key)) return {};
  return TLauncherHotkey(window);
}
