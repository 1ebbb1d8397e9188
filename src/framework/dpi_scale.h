#pragma once
// Sizes are designed for a 96-dpi screen; on any other they are scaled by dpi / 96, rounded
// as the system's MulDiv rounds.
#include <cstdint>

inline constexpr std::int32_t DesignDpi = 96;
inline constexpr std::int32_t DesignSmallIconSize = 16;

// `value` designed at 96 dpi, on a screen of `dpi`.
std::int32_t ScaleForDpi(std::int32_t value, std::int32_t dpi);

// The small-icon size where the system gives none for a DPI: 16 at 96 dpi, scaled.
std::int32_t SmallIconSizeForDpi(std::int32_t dpi);
