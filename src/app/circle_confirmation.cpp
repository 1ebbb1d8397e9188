#include "app/circle_confirmation.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace {

constexpr int Degree = 16;  // bearings are kept in sixteenths of a degree
constexpr int FullTurn = 360 * Degree;
constexpr int HalfTurn = 180 * Degree;

// A circle has turned about this far once it is drawn; the turn search alone lets a trail pass
// after about three quarters of a turn.
constexpr int TurningNeeded = 320 * Degree;
// No single step of a drawn circle turns further than this in its own sense...
constexpr int SharpestTurn = 90 * Degree;
// ...nor back against it: a hand drawing a circle wobbles, it does not zigzag.
constexpr int SharpestTurnBack = 67 * Degree;
// The nearest point's distance from the trail's centroid, at least 0.45 of the farthest one's
// (as squared distances: 81 / 400 = 0.45²).
constexpr std::int64_t RoundnessNumerator = 81;
constexpr std::int64_t RoundnessDenominator = 400;
// No hand draws a circle wider than this; beyond it the squares below could overflow.
constexpr std::int64_t WidestCircle = 1 << 20;

// atan(num / den) for 0 <= num <= den, den > 0, in sixteenths of a degree: the first two terms
// of a quadratic fit, (45 t + 15.64 t (1 - t)) degrees, good to a quarter of a degree.
int OctantAngle(std::int64_t num, std::int64_t den) {
  while (den > WidestCircle) {
    num >>= 1;
    den >>= 1;
  }
  const std::int64_t linear = 45 * Degree * num * den;
  const std::int64_t bulge = 250 * num * (den - num);
  return static_cast<int>((linear + bulge + den * den / 2) / (den * den));
}

// A pause shows as a step far slower than the mean. The turn search's trails are dense, so a
// quick step there is only the hand's unevenness.
constexpr int SlowestShare = 3;
constexpr int FastestTurnSearchPace = 3;

bool IsRound(std::span<const TTrailPoint> trail) {
  // Coordinates relative to the first point and scaled by the point count, so that the
  // centroid is a whole number.
  const TTrailPoint& origin = trail.front();
  const auto count = static_cast<std::int64_t>(trail.size());
  std::int64_t sumX = 0, sumY = 0;
  for (const TTrailPoint& p : trail) {
    sumX += std::int64_t{p.X} - origin.X;
    sumY += std::int64_t{p.Y} - origin.Y;
  }
  std::int64_t nearest = std::numeric_limits<std::int64_t>::max(), farthest = 0;
  for (const TTrailPoint& p : trail) {
    const std::int64_t dx = count * (std::int64_t{p.X} - origin.X) - sumX;
    const std::int64_t dy = count * (std::int64_t{p.Y} - origin.Y) - sumY;
    const std::int64_t squared = dx * dx + dy * dy;
    nearest = std::min(nearest, squared);
    farthest = std::max(farthest, squared);
  }
  return RoundnessDenominator * nearest >= RoundnessNumerator * farthest;
}

}  // namespace

int TurnBetween(int a, int b) {
  int turn = b - a;
  if (turn > HalfTurn) turn -= FullTurn;
  if (turn <= -HalfTurn) turn += FullTurn;
  return turn;
}

bool WithinReach(const TTrailPoint& p, const TTrailPoint& origin) {
  return std::abs(std::int64_t{p.X} - origin.X) <= WidestCircle && std::abs(std::int64_t{p.Y} - origin.Y) <= WidestCircle;
}

TDoubledPoint MiddleOfBox(std::span<const TTrailPoint> trail) {
  std::int32_t left = trail[0].X, right = left, top = trail[0].Y, bottom = top;
  for (const TTrailPoint& p : trail) {
    left = std::min(left, p.X);
    right = std::max(right, p.X);
    top = std::min(top, p.Y);
    bottom = std::max(bottom, p.Y);
  }
  return {std::int64_t{left} + right, std::int64_t{top} + bottom};
}

bool KeepsPace(std::span<const TTrailPoint> trail, TDoubledPoint middle, int step, int fastest) {
  const int sense = step > 0 ? 1 : -1;
  auto bearing = [&](const TTrailPoint& p) {
    return Bearing(2 * std::int64_t{p.X} - middle.X, 2 * std::int64_t{p.Y} - middle.Y);
  };
  auto turnAt = [&](std::size_t k) { return sense * TurnBetween(bearing(trail[k - 1]), bearing(trail[k])); };
  std::int64_t turned = 0, took = 0;
  for (std::size_t k = 2; k < trail.size(); ++k) {
    turned += turnAt(k);
    took += trail[k].Ms - trail[k - 1].Ms;
  }
  for (std::size_t k = 2; k < trail.size(); ++k) {
    // The step's pace, turn / ms, against the mean, turned / took, multiplied out.
    const std::int64_t turn = turnAt(k), ms = trail[k].Ms - trail[k - 1].Ms;
    if (SlowestShare * turn * took < turned * ms || turn * took > fastest * turned * ms) return false;
  }
  return true;
}

int Bearing(std::int64_t dx, std::int64_t dy) {
  const std::int64_t ax = std::abs(dx), ay = std::abs(dy);
  if (ax == 0 && ay == 0) return 0;
  const int inQuadrant = ay <= ax ? OctantAngle(ay, ax) : 90 * Degree - OctantAngle(ax, ay);
  if (dx >= 0 && dy >= 0) return inQuadrant;
  if (dx < 0 && dy >= 0) return HalfTurn - inQuadrant;
  if (dx < 0) return HalfTurn + inQuadrant;
  return (FullTurn - inQuadrant) % FullTurn;
}

TCircleConfirmation ConfirmCircle(std::span<const TTrailPoint> trail, int step) {
  if (trail.size() < 3) return TCircleConfirmation::ccNotYet;
  if (!std::ranges::all_of(trail, [&](const TTrailPoint& p) { return WithinReach(p, trail.front()); }))
    return TCircleConfirmation::ccRejected;
  const int sense = step > 0 ? 1 : -1;
  int turning = 0;
  int previous = -1;  // the bearing of the last step that moved
  for (std::size_t k = 1; k < trail.size(); ++k) {
    const std::int64_t dx = std::int64_t{trail[k].X} - trail[k - 1].X;
    const std::int64_t dy = std::int64_t{trail[k].Y} - trail[k - 1].Y;
    if (dx == 0 && dy == 0) continue;
    const int bearing = Bearing(dx, dy);
    if (previous >= 0) {
      const int turn = sense * TurnBetween(previous, bearing);
      if (turn > SharpestTurn || turn < -SharpestTurnBack) return TCircleConfirmation::ccRejected;
      turning += turn;
    }
    previous = bearing;
  }
  if (turning < TurningNeeded) return TCircleConfirmation::ccNotYet;
  return IsRound(trail) && KeepsPace(trail, MiddleOfBox(trail), step, FastestTurnSearchPace)
             ? TCircleConfirmation::ccConfirmed
             : TCircleConfirmation::ccRejected;
}
