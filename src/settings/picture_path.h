#pragma once
// A background picture's path as the Shift-JIS settings file can hold it.
#include <functional>
#include <string>
#include <string_view>

struct TStorablePath {
  std::wstring Path;     // to store; empty when refused
  std::wstring Problem;  // why it is refused, naming the path
};

// Gives a path's short (8.3) form; names the volume keeps no short form of stay long.
using TShortPathOf = std::function<std::wstring(const std::wstring& path)>;

// The path itself when the file holds it unchanged; else its short form, which is plain ASCII
// where the volume keeps one; else a refusal.
TStorablePath StorablePicturePath(const std::wstring& path, const TShortPathOf& shortPathOf);

// A stored path that lost characters to the code page: "?" is in no Windows file name.
bool IsUnreadableStoredPath(std::wstring_view path);
