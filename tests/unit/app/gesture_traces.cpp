#include "gesture_traces.h"

#include <cmath>
#include <numbers>

namespace {

constexpr std::int32_t TimerInterval = 50;

}  // namespace

TTrace CircleTrace(const TCircleShape& shape) {
  TTrace trace;
  const double sense = shape.Sense == TSense::Clockwise ? 1.0 : -1.0;
  const int ticks = static_cast<int>(std::lround(shape.Turns * shape.TicksPerTurn));
  for (int tick = 0; tick <= ticks; ++tick) {
    const double angle = shape.StartAngle + sense * 2 * std::numbers::pi * tick / shape.TicksPerTurn;
    trace.push_back({shape.Centre.X + static_cast<std::int32_t>(std::lround(shape.Radius * std::cos(angle))),
                     shape.Centre.Y + static_cast<std::int32_t>(std::lround(shape.Radius * std::sin(angle)))});
  }
  return trace;
}

std::vector<TTrailPoint> TrailOf(const TTrace& trace) {
  std::vector<TTrailPoint> trail;
  for (const TPoint32& p : trace) {
    const auto tick = static_cast<std::int32_t>(trail.size());
    trail.push_back({p.X, p.Y, tick, tick * TimerInterval});
  }
  return trail;
}

TTrace RestTrace(TPoint32 at, int ticks) { return TTrace(static_cast<std::size_t>(ticks), at); }

TTrace Joined(TTrace first, const TTrace& second) {
  first.insert(first.end(), second.begin(), second.end());
  return first;
}

TPoint32 DirectionVector(int code, int length) {
  // One vector inside each sector of the first quadrant; the others are quarter turns of them.
  static constexpr TPoint32 firstQuadrant[] = {{10, 2}, {10, 7}, {7, 10}, {2, 10}};
  TPoint32 v = firstQuadrant[code % 4];
  for (int quarter = 0; quarter < code / 4; ++quarter) v = {-v.Y, v.X};
  return {v.X * length, v.Y * length};
}

namespace {

// The ticks at which the detector asks for the popup, `tickAt(k)` giving the k-th tick.
template <typename TickAt>
std::vector<int> ReplayedPopups(std::size_t ticks, TCircleRule rule, TickAt tickAt) {
  TGestureDetector detector(rule);
  std::vector<int> popups;
  for (std::size_t k = 0; k < ticks; ++k) {
    const TTimedTick tick = tickAt(k);
    if (detector.TimerTick(tick.At, true, tick.IntervalMs)) popups.push_back(static_cast<int>(k));
  }
  return popups;
}

}  // namespace

std::vector<int> PopupTicks(const TTrace& trace, TCircleRule rule) {
  return ReplayedPopups(trace.size(), rule, [&](std::size_t k) { return TTimedTick{trace[k], TimerInterval}; });
}

std::vector<int> PopupTicks(const std::vector<TTimedTick>& ticks, TCircleRule rule) {
  return ReplayedPopups(ticks.size(), rule, [&](std::size_t k) { return ticks[k]; });
}

std::vector<int> PopupTicksSleeping(const TTrace& trace, int wakePollTicks, int* sleptTicks) {
  TGestureDetector detector;
  std::vector<int> popups;
  bool asleep = false;
  TPoint32 restingAt{};
  int ticksAsleep = 0;
  int slept = 0;
  for (int tick = 0; tick < static_cast<int>(trace.size()); ++tick) {
    const TPoint32 pointer = trace[tick];
    if (asleep) {
      ++ticksAsleep;
      if (ticksAsleep % wakePollTicks != 0 || pointer == restingAt) {
        ++slept;
        continue;
      }
      asleep = false;
    }
    if (detector.TimerTick(pointer, true, TimerInterval)) popups.push_back(tick);
    if (detector.CanSleep(pointer, true)) {
      asleep = true;
      restingAt = pointer;
      ticksAsleep = 0;
    }
  }
  if (sleptTicks) *sleptTicks = slept;
  return popups;
}
