#include "framework/dpi_scale.h"

#include "framework/font_description.h"

std::int32_t ScaleForDpi(std::int32_t value, std::int32_t dpi) { return MulDivRounded(value, dpi, DesignDpi); }

std::int32_t SmallIconSizeForDpi(std::int32_t dpi) { return ScaleForDpi(DesignSmallIconSize, dpi); }
