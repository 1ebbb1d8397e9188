#pragma once
// What a start of tamarind.exe asks for, and how a second start hands it to the running copy:
// no argument opens the launcher menu at the pointer, a folder opens a menu of that folder.
// The folder travels as it was typed, so that a relative one is resolved against the running
// copy's menu folder, in UTF-16 with its terminator.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The longest path the system knows, in characters.
constexpr std::size_t MaxFolderArgument = 32767;

// The folder the command line's arguments name: unquoted words are one name with spaces, as
// a shortcut's target line without quotes gives them; empty for none.
std::wstring FolderArgument(std::span<const std::wstring> arguments);

// `argument` as a folder: an absolute path (C:\x, \\server\share) as it is, anything else
// relative to `menuFolder`; forward slashes as backslashes, without a trailing separator
// (except a drive root's).
std::wstring ResolveFolderArgument(std::wstring_view menuFolder, std::wstring_view argument);

// The bytes a second start sends, and the argument the running copy reads from them: none when
// they are not one terminated UTF-16 string of at most MaxFolderArgument characters.
std::vector<std::uint8_t> FolderPayload(std::wstring_view argument);
std::optional<std::wstring> ReadFolderPayload(std::span<const std::uint8_t> payload);
