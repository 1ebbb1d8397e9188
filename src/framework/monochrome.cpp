#include "framework/monochrome.h"

#include <cstddef>

bool IsInkPixel(TRgb pixel) {
  // Luminance in thousandths, by the usual weights of the three primaries.
  const int luminance = 299 * pixel.Red + 587 * pixel.Green + 114 * pixel.Blue;
  return luminance < 192 * 1000;
}

std::vector<std::uint8_t> MonochromeRows(const std::vector<std::uint32_t>& pixels, int width, int height) {
  const int stride = (width + 15) / 16 * 2;
  std::vector<std::uint8_t> rows(static_cast<std::size_t>(stride) * height, 0);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::uint32_t p = pixels[static_cast<std::size_t>(y) * width + x];
      const TRgb rgb{static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8), static_cast<std::uint8_t>(p)};
      if (IsInkPixel(rgb)) rows[static_cast<std::size_t>(y) * stride + x / 8] |= 0x80 >> (x % 8);
    }
  }
  return rows;
}
