#pragma once
// The menus' look follows the system's app theme: read on first use and again whenever the
// system's settings change, so that the next menu shown takes a new theme without a restart.
#include <windows.h>

#include "framework/color.h"

// Where the menus take their system colour references from: the dark palette while it
// applies, else null (the system's own colours).
const TColorScheme* MenuColorScheme();

// Reads the theme again.
void RefreshMenuTheme();

// Gives popup `menu` the theme's background: what the platform paints itself around the items
// (the margins, the gaps of a menu in columns) is dark too in the dark theme, and the system's
// own again after a switch back to light.
void ApplyMenuBackground(HMENU menu);
