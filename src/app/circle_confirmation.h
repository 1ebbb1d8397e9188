#pragma once
// The second look at a trail the turn search took for a circle. The turn search only asks that
// seven chords turn the same way in time, which S-curves, hooks and back-and-forth strokes of
// ordinary pointer work also do. A drawn circle turns smoothly and steadily about a full turn,
// in one go, and keeps roughly the same distance from its middle; this checks exactly that,
// with integer arithmetic on the trail's points.
#include <span>

#include "app/gesture_detector.h"

enum class TCircleConfirmation {
  ccConfirmed,  // a full, smooth, round turn at a steady pace
  ccNotYet,     // smooth so far but not yet turned far enough: keep the points and wait
  ccRejected,   // not a circle however it goes on
};

// Judges `trail` (oldest first) as a circle drawn in the sense of `step` (+2 clockwise on the
// screen, -2 anticlockwise, as for MatchTurns).
TCircleConfirmation ConfirmCircle(std::span<const TTrailPoint> trail, int step);

// The bearing of the vector (dx, dy) in sixteenths of a degree, 0 to 5759, growing from +x
// towards +y as the direction codes do. Within about a quarter of a degree of the true angle.
int Bearing(std::int64_t dx, std::int64_t dy);

// The signed turn from bearing a to bearing b, in (-180, 180] degrees (in sixteenths).
int TurnBetween(int a, int b);

// True when `p` lies close enough to `origin` for a drawn circle; beyond that, squares of the
// distances in these judgements could overflow.
bool WithinReach(const TTrailPoint& p, const TTrailPoint& origin);

// A point given at twice its size, so that the middle of two pixels is a whole number.
struct TDoubledPoint {
  std::int64_t X;
  std::int64_t Y;
};

// The middle of the box that holds `trail` (not empty).
TDoubledPoint MiddleOfBox(std::span<const TTrailPoint> trail);

// True when `trail` goes round `middle` in the sense of `step` (positive: clockwise on the
// screen) at a steady pace: after the first step, which may leave from rest, no step turns about
// the middle slower than a third of the mean pace nor faster than `fastest` times it. Paced by
// the points' measured times, not their ticks.
bool KeepsPace(std::span<const TTrailPoint> trail, TDoubledPoint middle, int step, int fastest);
