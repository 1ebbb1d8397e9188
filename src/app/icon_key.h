#pragma once
// Keys of the launcher's icon cache: files of one type share an icon, so icons are looked up
// by the first three characters of the extension.
#include <array>
#include <string_view>

using TIconKey = std::array<wchar_t, 3>;

// The extension of `path` without its dot, ASCII letters upper-cased, cut to three characters
// and padded with blanks (Report.html gives "HTM", no extension "   ").
TIconKey IconKeyOf(std::wstring_view path);

// Programs, icons, control-panel items and Explorer commands carry their own picture: it is
// taken from the file itself and never shared by extension.
bool HasOwnIcon(const TIconKey& key);
// Every shortcut has its own icon too, though the shell supplies it.
bool IsShortcutKey(const TIconKey& key);
