#include "framework/bitmap_file_info.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

void Put(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value, int count) {
  for (int i = 0; i < count; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// The two headers of a file with the given header size, size and depth.
std::vector<std::uint8_t> Head(std::uint32_t headerBytes, std::int32_t width, std::int32_t height, int bits) {
  std::vector<std::uint8_t> bytes(BitmapHeadBytes, 0);
  bytes[0] = 'B';
  bytes[1] = 'M';
  Put(bytes, 14, headerBytes, 4);
  if (headerBytes == 12) {
    Put(bytes, 18, static_cast<std::uint32_t>(width), 2);
    Put(bytes, 20, static_cast<std::uint32_t>(height), 2);
    Put(bytes, 24, static_cast<std::uint32_t>(bits), 2);
  } else {
    Put(bytes, 18, static_cast<std::uint32_t>(width), 4);
    Put(bytes, 22, static_cast<std::uint32_t>(height), 4);
    Put(bytes, 28, static_cast<std::uint32_t>(bits), 2);
  }
  return bytes;
}

}  // namespace

TEST(BitmapFileInfo, SizeDepthAndMemoryComeFromTheHeadersAndAnythingElseIsNoBitmap) {
  const std::string text = "This is a text file, renamed to .bmp, and longer than the headers.";
  std::vector<std::uint8_t> truncated = Head(40, 48, 16, 24);
  truncated.resize(20);
  const struct {
    const char* Case;
    std::vector<std::uint8_t> Bytes;
    bool Bitmap;
    std::int32_t Width, Height;
    std::uint64_t PixelBytes;
  } cases[] = {
      {"48 x 16, 24 bits", Head(40, 48, 16, 24), true, 48, 16, 48 * 3 * 16},
      {"top-down", Head(124, 48, -16, 32), true, 48, 16, 48 * 4 * 16},
      {"rows padded to 4 bytes", Head(40, 3, 2, 24), true, 3, 2, 12 * 2},
      {"OS/2 header", Head(12, 20, 10, 8), true, 20, 10, 20 * 10},
      {"compressed: unpacked to 32 bits", Head(40, 10, 10, 0), true, 10, 10, 400},
      {"0 x 0", Head(40, 0, 0, 24), true, 0, 0, 0},
      {"10,000 x 10,000, 1 bit", Head(40, 10000, 10000, 1), true, 10000, 10000, 1252ull * 10000},
      {"10,000 x 10,000, 24 bits", Head(40, 10000, 10000, 24), true, 10000, 10000, 30000ull * 10000},
      {"largest height", Head(40, 1, -2147483647, 1), true, 1, 2147483647, 4ull * 2147483647},
      {"negative width", Head(40, -5, 5, 24), false, 0, 0, 0},
      {"most negative height", Head(40, 5, INT32_MIN, 24), false, 0, 0, 0},
      {"unknown header size", Head(16, 5, 5, 24), false, 0, 0, 0},
      {"cut short", truncated, false, 0, 0, 0},
      {"text", std::vector<std::uint8_t>(text.begin(), text.end()), false, 0, 0, 0},
      {"nothing", {}, false, 0, 0, 0},
  };
  for (const auto& c : cases) {
    const std::optional<TBitmapFileInfo> info = ReadBitmapFileInfo(c.Bytes);
    ASSERT_EQ(info.has_value(), c.Bitmap) << c.Case;
    if (!info) continue;
    EXPECT_EQ(info->Width, c.Width) << c.Case;
    EXPECT_EQ(info->Height, c.Height) << c.Case;
    EXPECT_EQ(info->PixelBytes(), c.PixelBytes) << c.Case;
  }
}
