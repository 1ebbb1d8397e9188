#pragma once
// Cursor identifiers as components store them (0 the default arrow, negative numbers the
// system's own cursors) and the cursor image each one stands for.
#include <windows.h>

#include <cstdint>

using TCursor = std::int16_t;

inline constexpr TCursor crDefault = 0;
inline constexpr TCursor crArrow = -2;
inline constexpr TCursor crCross = -3;
inline constexpr TCursor crIBeam = -4;
inline constexpr TCursor crHourGlass = -11;
inline constexpr TCursor crNo = -18;
inline constexpr TCursor crAppStart = -19;
inline constexpr TCursor crHelp = -20;
inline constexpr TCursor crHandPoint = -21;
inline constexpr TCursor crSizeAll = -22;

// The system cursor of `cursor`; the arrow for the default and for identifiers it does not know.
HCURSOR CursorImage(TCursor cursor);
