#pragma once
// Where a shortcut file leads. Two readers: the shell's link object, which understands every
// shortcut the shell writes, and a scan of the file's raw bytes, which finds the target of
// shortcuts from older shells.
#include <cstdint>
#include <string>

enum class TLinkTarget : std::uint8_t { ltNeither = 0, ltFile = 1, ltFolder = 2, ltNotFound = 255 };

// Replaces `path` (a shortcut file) by the target path found in its bytes, empty when none, and
// tells whether that names a folder, a file or neither. A file that cannot be read holds no
// target.
TLinkTarget ReadLinkTarget(std::wstring& path);

// The path the shell's link object reads from the shortcut, without resolving it, searching or
// showing anything; empty when the file is no readable shortcut or names no file-system path.
// Needs COM on the calling thread.
std::wstring ShellLinkPath(const std::wstring& shortcut);

bool IsExistingFolder(const std::wstring& path);
