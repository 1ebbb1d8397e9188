#pragma once
// The shell's context menu of files used through its basic command interface: filling a menu,
// recognising its items, carrying out a command.
#include <shlobj.h>

#include <cstddef>
#include <string_view>

#include "shell/id_list.h"

// Commands carried out on one item without showing its menu.
enum class TShellCommand { scLink, scDelete, scProperties, scCut, scCopy, scPaste };

// Menu identifiers handed to the shell start here; what the shell puts in the menu ends below
// the program's own identifiers.
constexpr UINT ShellFirstCommand = 1;
constexpr UINT ShellLastCommand = 1524;

// The menu identifier of a standard command: its verb offset plus the first identifier.
UINT CommandIdOf(TShellCommand command);

// Lets the shell fill `menu` with the item commands (the explorer's set).
bool FillShellMenu(IContextMenu& contextMenu, HMENU menu);
// Carries out the menu command `commandId` of `contextMenu`. A refusal by the shell is shown in
// the one message box the component has.
bool InvokeMenuCommand(IContextMenu& contextMenu, HWND owner, UINT commandId);

// The 1-based position of the first enabled, non-separator item of `menu` whose text holds
// `needle` first at the 1-based code-page-932 byte `bytePosition`; -1 when none does.
int FindMenuItem(HMENU menu, std::wstring_view needle, std::size_t bytePosition);

// Carries out `command` on `item` of `folder` through the item's own menu, when the item
// allows it (for a paste: when its menu offers an enabled paste item).
bool InvokeStandardCommand(HWND owner, IShellFolder* folder, TShellCommand command, const TIdByte* item);
