#pragma once
// Shift-JIS (code page 932), used where a stored file or a byte rule needs it: the INI file,
// fence bytes, and limits counted in bytes. The program's own text stays UTF-16.
// Characters that code page 932 cannot hold become "?", never a best-fit look-alike that could
// name another file.
#include <cstddef>
#include <string>
#include <string_view>

std::string ToCp932(std::wstring_view text);
std::wstring FromCp932(std::string_view bytes);

// The characters of `text` that do not come back from code page 932 as they were, each once and
// in order; empty when the whole text does.
std::wstring Cp932Misfits(std::wstring_view text);

// Bytes the text takes in code page 932.
std::size_t Cp932Length(std::wstring_view text);
// A character whose code-page-932 form takes two bytes (full-width digits, kana, kanji ...).
bool IsDoubleByteChar(wchar_t c);
// The longest prefix of `text` that fits in `maxBytes` of code page 932 without splitting a
// character.
std::wstring TruncateToCp932Bytes(std::wstring_view text, std::size_t maxBytes);
