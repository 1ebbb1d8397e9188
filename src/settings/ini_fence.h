#pragma once
// Fences: characters put around a stored text so that its leading and trailing blanks survive
// the INI file, which trims them.
#include <string>
#include <string_view>

// fnDoubleQuote encloses in double quotes, fnParenthesis in the half-width corner brackets
// "｢" "｣" (bytes 0xA2 and 0xA3 in code page 932), fnVer11Mode writes corner brackets and
// removes either kind, fnNone adds and removes nothing.
enum class TIniGTFence { fnDoubleQuote, fnParenthesis, fnVer11Mode, fnNone };

std::wstring EncloseInFence(std::wstring_view text, TIniGTFence fence);
// Removes at most one pair of enclosing fence characters the mode reads.
std::wstring StripFence(std::wstring_view text, TIniGTFence fence);
