#pragma once
// How the numeric edit shows a 32-bit value and reads it back: decimal or hexadecimal,
// half-width or full-width digits, with or without digit-group separators.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "framework/enum_set.h"

enum class TEditOption { eoHEXIndicate, eoDWDisplay, eoDivide, eoRightAlign };
using TEditOptions = TEnumSet<TEditOption>;

// Upper-cases `text`, then maps each digit (and, for hexadecimal, each letter A to F) to its
// full-width or half-width form; any other character is dropped. Full-width hexadecimal keeps
// the letters half-width, so only the digits change width.
std::wstring ToFullWidth(std::wstring_view text, bool hexadecimal);
std::wstring ToHalfWidth(std::wstring_view text, bool hexadecimal);

// The text shown for `value`.
std::wstring FormatValue(std::int32_t value, TEditOptions options);

// `text` reduced to what ParseNormalized accepts: the digits (full-width ones too, when
// full-width display is on), lower-cased, behind "$" for hexadecimal or "-" for a negative
// decimal whose first character is a minus sign. Everything else is dropped.
std::wstring NormalizeText(std::wstring_view text, TEditOptions options);

// Reads "$" followed by hexadecimal digits (up to FFFFFFFF, read as two's complement), or
// decimal digits with an optional leading "-". Nothing when the text is not such a number or
// the number does not fit in 32 bits.
std::optional<std::int32_t> ParseNormalized(std::wstring_view text);
