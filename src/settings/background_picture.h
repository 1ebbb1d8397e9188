#pragma once
// The menu's background pictures, read from .bmp files. The menu tiles a picture into a cache
// of its fixed size from the top-left corner, so only that much of a picture is kept; a file
// whose pixels would take more memory than a bound is not loaded at all.
#include <cstdint>
#include <string>

class TBitmap;

inline constexpr std::uint64_t MaxBackgroundPixelBytes = 64ull << 20;

// Loads the picture of `path` into `picture`. Returns why the file gives no picture (then
// `picture` is empty), or an empty text.
std::wstring LoadBackgroundPicture(const std::wstring& path, TBitmap& picture);
