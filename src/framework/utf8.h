#pragma once
// UTF-16 (or UTF-32 where wchar_t is 32 bits) to UTF-8 and back, for logs and tests.
#include <string>
#include <string_view>

std::string ToUtf8(std::wstring_view text);
std::wstring FromUtf8(std::string_view text);
