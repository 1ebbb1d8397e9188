#pragma once
// Starting a file or folder as a double click in Explorer does: the shell's "open" in the
// file's own folder, with the shell's own messages (no program for the type, a missing file, a
// downloaded program's security warning) shown as Explorer shows them.
//
// The shell can take as long as its target: a sleeping network share, a virus scan, a program
// answering a DDE conversation. So each launch runs on a thread of its own, which the caller
// never waits for; a launch that hangs holds back only itself, never the menus nor a later
// launch. The thread owns copies of what it needs, so a launch under way is safe while the
// program ends (though a launch still inside the shell when the process goes is cut off).
#include <string>

// Call on the thread that has the foreground (the one whose menu the user chose from): it
// lets the started program bring its window to the front.
void LaunchWithShell(const std::wstring& path);
