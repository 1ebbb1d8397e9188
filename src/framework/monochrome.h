#pragma once
// Colour-to-monochrome reduction of a picture drawn on white paper: its ink, the pixels darker
// than three quarters of full brightness, becomes white; the paper and light pixels black.
#include <cstdint>
#include <vector>

#include "framework/color.h"

bool IsInkPixel(TRgb pixel);
// `pixels` are 0x00RRGGBB values, top row first. The result holds the rows of a 1-bit picture,
// top row first, each padded to whole 16-bit words, set bits white.
std::vector<std::uint8_t> MonochromeRows(const std::vector<std::uint32_t>& pixels, int width, int height);
