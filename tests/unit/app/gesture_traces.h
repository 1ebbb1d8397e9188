#pragma once
// Pointer traces for the gesture detector's tests: one screen position per timer tick, and
// replays of a trace through the detector with the timer always running or sleeping at rest.
#include <vector>

#include "app/gesture_detector.h"

using TTrace = std::vector<TPoint32>;

// One tick of a timer that does not keep time exactly: the pointer's position and the time
// since the tick before, as the timer's owner measured it.
struct TTimedTick {
  TPoint32 At;
  std::int32_t IntervalMs;
};

enum class TSense { Clockwise, Anticlockwise };  // as seen on the screen, y growing downward

struct TCircleShape {
  TPoint32 Centre{500, 400};
  int Radius = 100;
  int TicksPerTurn = 16;
  double Turns = 1.0;
  double StartAngle = 0.0;  // radians, 0 along +x
  TSense Sense = TSense::Clockwise;
};

// The pointer's positions, tick by tick, as it goes round the circle (the start included).
TTrace CircleTrace(const TCircleShape& shape);

// The trace as a trail, one point a 50 ms tick, as if every position had moved far enough.
std::vector<TTrailPoint> TrailOf(const TTrace& trace);

// `ticks` positions at `at`.
TTrace RestTrace(TPoint32 at, int ticks);

// `first` followed by `second`.
TTrace Joined(TTrace first, const TTrace& second);

// A vector whose TrailDirection code is `code` (0 to 15), well inside its sector, `length`
// times a basic length of about ten pixels.
TPoint32 DirectionVector(int code, int length = 1);

// The ticks (counted from 0) at which the detector asks for the gesture popup, with the timer
// running on every tick, every 50 ms or as measured.
std::vector<int> PopupTicks(const TTrace& trace, TCircleRule rule = TCircleRule::crConfirmed);
std::vector<int> PopupTicks(const std::vector<TTimedTick>& ticks, TCircleRule rule = TCircleRule::crConfirmed);

// The same replay with the timer stopped whenever the detector may sleep, the pointer looked
// at only every `wakePollTicks` ticks while it sleeps (1: woken by the first movement); the
// ticks slept through are counted in `sleptTicks` when given.
std::vector<int> PopupTicksSleeping(const TTrace& trace, int wakePollTicks, int* sleptTicks = nullptr);
