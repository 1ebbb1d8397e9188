#include "app/gesture_detector.h"

#include "app/circle_confirmation.h"
#include "app/loop_closure.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int DirectionCount = 16;
constexpr int TurnTolerance = 1;
constexpr int TurnsNeeded = 6;
constexpr int LastSearchIndex = 100;
constexpr std::int32_t TickCounterLimit = 16000000;
constexpr std::int32_t CoolDownMs = 500;
// A longer interval (the first one measured, or one after the timer slept) counts as this long:
// only a point's age could tell the difference, and it is counted in ticks.
constexpr std::int32_t LongestTickMs = 1000;

int Wrapped(int direction) {
  if (direction < 0) return direction + DirectionCount;
  if (direction >= DirectionCount) return direction - DirectionCount;
  return direction;
}

}  // namespace

int TrailDirection(const TTrailPoint& a, const TTrailPoint& b) {
  // 64 bits, so that doubling a difference of two extreme coordinates cannot overflow.
  const std::int64_t dx = std::int64_t{a.X} - b.X;
  const std::int64_t dy = std::int64_t{a.Y} - b.Y;
  if (dx >= 0 && dy >= 0) {
    if (2 * dy <= dx) return 0;
    if (dy <= dx) return 1;
    if (dy <= 2 * dx) return 2;
    return 3;
  }
  if (dy >= 0) {
    const std::int64_t ax = -dx;
    if (dy > 2 * ax) return 4;
    if (dy > ax) return 5;
    if (2 * dy > ax) return 6;
    return 7;
  }
  const std::int64_t by = -dy;
  if (dx < 0) {
    const std::int64_t ax = -dx;
    if (ax > 2 * by) return 8;
    if (ax > by) return 9;
    if (by < 2 * ax) return 10;
    return 11;
  }
  if (by >= 2 * dx) return 12;
  if (by >= dx) return 13;
  if (dx <= 2 * by) return 14;
  return 15;
}

bool DirectionsNear(int a, int b, int tolerance) {
  const int difference = a - b;
  return tolerance >= std::abs(difference) || tolerance >= std::abs(difference - DirectionCount) ||
         tolerance >= std::abs(difference + DirectionCount);
}

TTurnMatch MatchTurns(std::span<const TTrailPoint> trail, int step, std::int32_t turnSpan) {
  const int newest = std::min(static_cast<int>(trail.size()) - 1, LastSearchIndex);
  if (newest < 1) return TTurnMatch::tmTooFew;
  int expected = Wrapped(TrailDirection(trail[0], trail[1]) + step);
  int i = 1;  // where the current segment starts
  int j = 1;  // how far along the trail its end is sought
  int turns = 0;
  std::int32_t window = turnSpan;  // the index by which the next turn must have come
  while (i + j <= newest) {
    if (DirectionsNear(TrailDirection(trail[i], trail[i + j]), expected, TurnTolerance)) {
      expected = Wrapped(expected + step);
      i += j;
      j = 1;
      window += turnSpan;
      if (++turns == TurnsNeeded) return TTurnMatch::tmCircle;
    } else if (i + j == window) {
      return TTurnMatch::tmTooSlow;
    } else {
      ++j;
    }
  }
  // The segment's end lies beyond the newest point (after a turn found at the newest point
  // too: the search never compares with places the trail does not fill).
  return TTurnMatch::tmTooFew;
}

namespace {

TTurnMatch MatchCircle(std::span<const TTrailPoint> trail, int step, std::int32_t turnSpan, TCircleRule rule) {
  const TTurnMatch turns = MatchTurns(trail, step, turnSpan);
  if (turns != TTurnMatch::tmCircle || rule == TCircleRule::crTurnsOnly) return turns;
  switch (ConfirmCircle(trail, step)) {
  case TCircleConfirmation::ccConfirmed: return TTurnMatch::tmCircle;
  case TCircleConfirmation::ccNotYet: return TTurnMatch::tmTooFew;
  case TCircleConfirmation::ccRejected: break;
  }
  return TTurnMatch::tmTooSlow;
}

}  // namespace

TTurnMatch DetectCircle(std::span<const TTrailPoint> trail, std::int32_t turnSpan, TCircleRule rule) {
  const TTurnMatch anticlockwise = MatchCircle(trail, -2, turnSpan, rule);
  const TTurnMatch clockwise = MatchCircle(trail, +2, turnSpan, rule);
  if (anticlockwise == TTurnMatch::tmCircle || clockwise == TTurnMatch::tmCircle) return TTurnMatch::tmCircle;
  if (anticlockwise == TTurnMatch::tmTooFew || clockwise == TTurnMatch::tmTooFew) return TTurnMatch::tmTooFew;
  return TTurnMatch::tmTooSlow;
}

void TGestureDetector::ResetTrail() {
  FLastPos = {};
  FTrailCount = 0;
  FTick = 0;
  FElapsedMs = 0;
  FCoolDown = false;
  FTrail.fill({});
}

void TGestureDetector::DropOldestPoint() {
  if (FTrailCount == 0) return;
  std::copy(FTrail.begin() + 1, FTrail.begin() + FTrailCount, FTrail.begin());
  --FTrailCount;
  // The clock counts from the oldest point; with the last point gone it counts from that one.
  const std::int32_t base = FTrail[0].Tick;
  const std::int32_t baseMs = FTrail[0].Ms;
  for (int i = 1; i < FTrailCount; ++i) {
    FTrail[i].Tick -= base;
    FTrail[i].Ms -= baseMs;
  }
  FTick -= base;
  FElapsedMs -= baseMs;
  FTrail[0].Tick = 0;
  FTrail[0].Ms = 0;
}

TTurnMatch TGestureDetector::MatchTurns(int step) const { return ::MatchTurns(Trail(), step, FTurnSpan); }

TTurnMatch TGestureDetector::DetectCircle() const { return ::DetectCircle(Trail(), FTurnSpan, FRule); }

bool TGestureDetector::MovedFromLastPos(TPoint32 pointer) const {
  return std::abs(std::int64_t{pointer.X} - FLastPos.X) > FMoveThreshold &&
         std::abs(std::int64_t{pointer.Y} - FLastPos.Y) > FMoveThreshold;
}

void TGestureDetector::AppendPoint(TPoint32 pointer) {
  // At most one point comes per tick and points older than the age limit leave one per tick,
  // so the trail never holds more than 62 of its 101 places.
  FLastPos = pointer;
  FTrail[FTrailCount++] = {pointer.X, pointer.Y, FTick, FElapsedMs};
}

bool TGestureDetector::DropOutdatedPoint() {
  if (FTrailCount == 0 || FTick - FTrail[0].Tick <= FTurnSpan * FMinPoints) return false;
  DropOldestPoint();
  return true;
}

bool TGestureDetector::SearchTrail() {
  while (FTrailCount >= FMinPoints) {
    switch (DetectCircle()) {
    case TTurnMatch::tmCircle: return Recognised();
    case TTurnMatch::tmTooSlow:
      DropOldestPoint();
      break;
    case TTurnMatch::tmTooFew:
      return false;
    }
  }
  return false;
}

bool TGestureDetector::Recognised() {
  ResetTrail();
  FCoolDown = true;
  return true;
}

bool TGestureDetector::TimerTick(std::optional<TPoint32> pointer, bool ready, std::int32_t intervalMs) {
  if (!ready || !pointer) return false;
  if (++FTick == TickCounterLimit) ResetTrail();
  // Time counts from the oldest point; with none, only the cool-down reads it.
  if (FTrailCount > 0 || FCoolDown) FElapsedMs += std::clamp(intervalMs, std::int32_t{1}, LongestTickMs);
  if (FCoolDown) {
    if (FElapsedMs < CoolDownMs) return false;
    FCoolDown = false;
  }
  if (MovedFromLastPos(*pointer)) {
    AppendPoint(*pointer);
    if (FRule == TCircleRule::crConfirmed && ClosesLoop(Trail())) return Recognised();
  }
  DropOutdatedPoint();
  return SearchTrail();
}

bool TGestureDetector::CanSleep(TPoint32 pointer, bool ready) const {
  // A tick with an empty trail, no cool-down and the pointer too close to FLastPos to be
  // recorded only advances FTick. FTick is read against trail points (their ages, and each
  // point's Tick is taken from it) and by the cool-down, which restarts it from zero; with no
  // point and no cool-down its value is never compared with anything, so such ticks can be
  // left out. The one trace of them is the counter's overflow reset after 16,000,000 ticks
  // (nine days at 50 ms), which on an empty trail only forgets FLastPos: the resting position
  // would then be recorded once and age out three seconds later. Skipping the ticks skips that.
  return ready && FTrailCount == 0 && !FCoolDown && !MovedFromLastPos(pointer);
}
