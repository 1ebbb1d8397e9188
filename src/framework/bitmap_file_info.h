#pragma once
// What the head of a .bmp file says about its picture, read before the picture itself so
// that a file's claims can be judged without loading it.
#include <cstdint>
#include <optional>
#include <span>

struct TBitmapFileInfo {
  std::int32_t Width = 0;
  std::int32_t Height = 0;  // bottom-up and top-down pictures alike
  std::uint16_t BitsPerPixel = 0;
  // The memory its pixels take once loaded at their own depth (rows padded to 4 bytes).
  std::uint64_t PixelBytes() const;
};

// Enough of a file's start to hold both headers.
inline constexpr std::size_t BitmapHeadBytes = 14 + 40;

// The picture's size and depth, or nothing when `head` is not the start of a bitmap file or
// claims a depth Windows does not draw.
std::optional<TBitmapFileInfo> ReadBitmapFileInfo(std::span<const std::uint8_t> head);
