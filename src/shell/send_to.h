#pragma once
// The Send To submenu of the shell's context menu, filled by the program from the user's Send
// To folder (the shell fills it only for callers that pass it the menu messages), and the
// paste into a chosen entry.
#include <windows.h>

#include <optional>

// Entries carry the identifiers from here on, one per entry of the folder's enumeration.
constexpr UINT SendToFirstCommand = 1525;
// The identifiers up to 1623 are the program's: no more entries than that are shown.
constexpr int SendToMaxEntries = 99;

// Fills the Send To submenu of `menu`, recognised by its Japanese text ("(&N)" or "(&T)" at
// byte 5), replacing the item it held. Gives the number of identifiers given out, or nothing
// when the menu has no Send To submenu or the Send To folder cannot be found.
std::optional<int> FillSendToMenu(HWND owner, HMENU menu);

// The entry that the chosen `command` stands for, when it is one of `armed` identifiers.
std::optional<int> SendToEntryOf(UINT command, int armed);

// Pastes the clipboard into the entry `entryIndex` of the Send To folder's enumeration.
bool SendToInvoke(HWND owner, int entryIndex);
