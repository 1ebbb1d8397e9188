#pragma once
// The dark palette of the menus: what the system colour references they draw with stand for
// while Windows gives apps its dark theme.
#include <cstdint>
#include <optional>

#include "framework/color.h"

TColorScheme DarkMenuScheme();

// The menus go dark when the apps' theme value is 0; a missing value (older Windows) and high
// contrast, whose colours the user chose to read by, keep the system's own colours.
bool WantsDarkMenus(std::optional<std::uint32_t> appsUseLightTheme, bool highContrast);
