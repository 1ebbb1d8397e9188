#pragma once
// The second way a circle is recognised. The turn search needs seven chords, each turned by
// about an eighth of a circle, and starts at twelve points; a loop drawn in a third of a second
// is sampled only six or seven times, each step turning a fifth of a circle or more. This looks
// at the newest points alone: a loop is a stretch that winds a full turn about its middle in one
// sense, round, filling its circle, at a steady pace.
#include <span>

#include "app/gesture_detector.h"

// True when the newest points of `trail` (oldest first) close such a loop.
bool ClosesLoop(std::span<const TTrailPoint> trail);
