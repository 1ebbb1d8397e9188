#pragma once
// The second look at a trail the turn search took for a circle. The turn search only asks that
// seven chords turn the same way in time, which S-curves, hooks and back-and-forth strokes of
// ordinary pointer work also do. A drawn circle turns smoothly and steadily about a full turn
// and keeps roughly the same distance from its middle; this checks exactly that, with integer
// arithmetic on the trail's points.
#include <span>

#include "app/gesture_detector.h"

enum class TCircleConfirmation {
  ccConfirmed,  // a full, smooth, round turn
  ccNotYet,     // smooth so far but not yet turned far enough: keep the points and wait
  ccRejected,   // not a circle however it goes on
};

// Judges `trail` (oldest first) as a circle drawn in the sense of `step` (+2 clockwise on the
// screen, -2 anticlockwise, as for MatchTurns).
TCircleConfirmation ConfirmCircle(std::span<const TTrailPoint> trail, int step);

// The bearing of the vector (dx, dy) in sixteenths of a degree, 0 to 5759, growing from +x
// towards +y as the direction codes do. Within about a quarter of a degree of the true angle.
int Bearing(std::int64_t dx, std::int64_t dy);
