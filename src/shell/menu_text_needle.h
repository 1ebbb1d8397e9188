#pragma once
// The shell's menu items are recognised by where a marker such as "(&N)" stands in their text,
// counted in bytes of the text's code-page-932 form, whatever the system's language; a menu
// string read gives at most 254 of those bytes.
#include <cstddef>
#include <string_view>

constexpr std::size_t MenuTextReadBytes = 254;

// The 1-based byte position at which `needle` first occurs within the readable part of
// `text`, or 0 when it does not occur there.
std::size_t Cp932NeedlePosition(std::wstring_view text, std::wstring_view needle);
