#pragma once
// What the shell's notification area shows, seen from outside as a user sees it: the icons it
// holds and the tooltip it pops up over one of them. Works on Wine's own notification area,
// which is on screen when no desktop hosts the icons.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

// The shell's icon windows, newest first.
std::vector<HWND> ShellTrayIconWindows();

// Points at each of the shell's icons in turn until `pointedAt` says the pointer is over the
// one sought (its owner has heard the mouse move); returns that icon's window, with the pointer
// left resting on it, or none.
HWND FindShellTrayIcon(const std::function<bool()>& pointedAt);

// With the pointer resting on an icon: waits until the shell shows its tooltip (showing
// `awaited`, when given) and returns the text shown, or none when no tooltip came within
// `timeoutMs`.
std::optional<std::wstring> ShellTrayTooltip(HWND iconWindow, unsigned timeoutMs, const std::wstring& awaited = {});

// The pixels the screen shows over the icon's window, row by row.
std::vector<COLORREF> ShellTrayIconPixels(HWND iconWindow);

// Takes the pointer off the icons again.
void MovePointerOffShellTray();
