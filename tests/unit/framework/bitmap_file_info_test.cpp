#include "framework/bitmap_file_info.h"

#include <gtest/gtest.h>

#include <climits>

TEST(BitmapFileInfo, RefusesDepthsWindowsDoesNotDrawAndSizesTheRestWithoutWrapping) {
  const struct {
    std::int32_t Width, Height;
    std::uint16_t Bits;
    std::optional<std::uint64_t> PixelBytes;  // none: refused
  } cases[] = {
      {1 << 30, 1 << 24, 8192, std::nullopt},  // its size wraps to 0
      {10, 10, 3, std::nullopt},
      {10, -20, 24, 32 * 20},  // top-down
      {INT32_MAX, INT32_MAX, 32, 4ull * INT32_MAX * INT32_MAX},
  };
  for (const auto& c : cases) {
    std::uint8_t head[BitmapHeadBytes] = {'B', 'M'};
    const auto put = [&head](std::size_t at, std::uint32_t value) {
      for (int i = 0; i < 4; ++i) head[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    };
    put(14, 40), put(18, c.Width), put(22, c.Height), put(26, 1u | c.Bits << 16);  // planes, depth
    const std::optional<TBitmapFileInfo> info = ReadBitmapFileInfo(head);
    ASSERT_EQ(info.has_value(), c.PixelBytes.has_value()) << c.Width << " x " << c.Height << " x " << c.Bits;
    if (!info) continue;
    EXPECT_EQ(info->Height, c.Height < 0 ? -c.Height : c.Height);
    EXPECT_EQ(info->PixelBytes(), *c.PixelBytes);
  }
  // A depth set by hand still gives a size no limit lets through.
  EXPECT_EQ((TBitmapFileInfo{1 << 30, 1 << 24, 8192}.PixelBytes()), UINT64_MAX);
}
