#pragma once
// Colour-to-monochrome reduction: a pixel near the background colour (every channel within
// half the range) becomes white, any other pixel black.
#include <cstdint>
#include <vector>

#include "framework/color.h"

// `pixels` are 0x00RRGGBB values, top row first. The result holds the rows of a 1-bit picture,
// top row first, each padded to whole 16-bit words, set bits white.
std::vector<std::uint8_t> MonochromeRows(const std::vector<std::uint32_t>& pixels, int width, int height,
                                         TRgb background);
bool IsNearColor(TRgb pixel, TRgb background);
