#pragma once
// Integers written as text in the INI file.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Optional leading spaces, then either an optional sign and decimal digits within the 32-bit
// range, or "$" and 1 to 8 hexadecimal digits taken as a 32-bit pattern; nothing may follow.
std::optional<std::int32_t> ParseInt32(std::wstring_view text);

// "0x" and exactly 8 upper-case hexadecimal digits of the 32-bit pattern.
std::wstring HexText(std::int32_t value);
