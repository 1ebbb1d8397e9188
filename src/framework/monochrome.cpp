#include "framework/monochrome.h"

#include <cstdlib>

bool IsNearColor(TRgb pixel, TRgb background) {
  const auto near = [](int a, int b) { return std::abs(a - b) < 128; };
  return near(pixel.Red, background.Red) && near(pixel.Green, background.Green) && near(pixel.Blue, background.Blue);
}

std::vector<std::uint8_t> MonochromeRows(const std::vector<std::uint32_t>& pixels, int width, int height,
                                         TRgb background) {
  const int stride = (width + 15) / 16 * 2;
  std::vector<std::uint8_t> rows(static_cast<size_t>(stride) * height, 0);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::uint32_t p = pixels[static_cast<size_t>(y) * width + x];
      const TRgb rgb{static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8), static_cast<std::uint8_t>(p)};
      if (IsNearColor(rgb, background)) rows[static_cast<size_t>(y) * stride + x / 8] |= 0x80 >> (x % 8);
    }
  }
  return rows;
}
