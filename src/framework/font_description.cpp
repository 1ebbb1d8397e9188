#include "framework/font_description.h"

std::int32_t MulDivRounded(std::int32_t number, std::int32_t numerator, std::int32_t denominator) {
  if (denominator == 0) return -1;
  std::int64_t product = static_cast<std::int64_t>(number) * numerator;
  std::int64_t divisor = denominator;
  if (divisor < 0) {
    product = -product;
    divisor = -divisor;
  }
  const std::int64_t half = divisor / 2;
  const std::int64_t result = (product < 0 ? product - half : product + half) / divisor;
  if (result > INT32_MAX || result < -INT32_MAX) return -1;
  return static_cast<std::int32_t>(result);
}

std::int32_t TFontDescription::Size(std::int32_t pixelsPerInch) const {
  return -MulDivRounded(Height, 72, pixelsPerInch);
}

void TFontDescription::SetSize(std::int32_t points, std::int32_t pixelsPerInch) {
  Height = -MulDivRounded(points, pixelsPerInch, 72);
}

bool SameFace(const TFontDescription& a, const TFontDescription& b) {
  return a.Name == b.Name && a.Height == b.Height && a.Style == b.Style && a.Charset == b.Charset &&
         a.Pitch == b.Pitch;
}
