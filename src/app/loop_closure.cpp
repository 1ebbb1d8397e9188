#include "app/loop_closure.h"

#include <algorithm>
#include <limits>

#include "app/circle_confirmation.h"

namespace {

constexpr int Degree = 16;  // bearings are kept in sixteenths of a degree
constexpr int FullTurn = 360 * Degree;

// A loop drawn in 0.3 s is seen about six times by a timer that fires every 47 to 63 ms.
constexpr int FewestPoints = 6;
// From one chord to the next a sparsely sampled loop turns up to this far, more at the flat
// ends of an ellipse. A sharper turn, or one back against the sense, is no part of a loop, so
// the search ends there: it changes no answer, it halves the cost.
constexpr int SharpestTurn = 135 * Degree;
constexpr int SharpestTurnBack = 20 * Degree;
// The nearest point at least 0.6 of the farthest one's distance from the middle (as squared
// distances: 9 / 25 = 0.6²); an ellipse of 2 : 3 comes to 0.67.
constexpr std::int64_t RoundnessNumerator = 9;
constexpr std::int64_t RoundnessDenominator = 25;
// The points sweep at least half the disc of the farthest one about the middle: a pentagon drawn
// on an ellipse of 2 : 3 sweeps 0.5 of it, the corners of ordinary pointer work far less.
constexpr std::int64_t PiNumerator = 355;
constexpr std::int64_t PiDenominator = 113;
// Six points leave little to judge a loop by, so its pace must be steadier than a dense trail's.
constexpr int FastestLoopPace = 2;

enum class TLoopJudgement { ljClosed, ljNotYet, ljRejected };

int ChordBearing(const TTrailPoint& from, const TTrailPoint& to) {
  return Bearing(std::int64_t{to.X} - from.X, std::int64_t{to.Y} - from.Y);
}

TLoopJudgement JudgeLoop(std::span<const TTrailPoint> loop, int sense) {
  if (!std::ranges::all_of(loop, [&](const TTrailPoint& p) { return WithinReach(p, loop.back()); }))
    return TLoopJudgement::ljRejected;
  const TDoubledPoint middle = MiddleOfBox(loop);
  int winding = 0;
  int previous = 0;
  std::int64_t nearest = std::numeric_limits<std::int64_t>::max(), farthest = 0;
  std::int64_t swept = 0;  // 8 times the area swept about the middle: doubled points, doubled triangles
  std::int64_t previousDx = 0, previousDy = 0;
  for (std::size_t k = 0; k < loop.size(); ++k) {
    const std::int64_t dx = 2 * std::int64_t{loop[k].X} - middle.X, dy = 2 * std::int64_t{loop[k].Y} - middle.Y;
    const std::int64_t squared = dx * dx + dy * dy;
    nearest = std::min(nearest, squared);
    farthest = std::max(farthest, squared);
    const int bearing = Bearing(dx, dy);
    if (k > 0) {
      winding += sense * TurnBetween(previous, bearing);
      swept += sense * (previousDx * dy - dx * previousDy);
    }
    previous = bearing;
    previousDx = dx;
    previousDy = dy;
  }
  if (winding < FullTurn) return TLoopJudgement::ljNotYet;
  // swept is 8 times the area and farthest 4 r²: half the disc, pi r² / 2, is pi * farthest / 8.
  const bool round = RoundnessDenominator * nearest >= RoundnessNumerator * farthest;
  const bool full = PiDenominator * swept >= PiNumerator * farthest;
  return round && full && KeepsPace(loop, middle, sense, FastestLoopPace) ? TLoopJudgement::ljClosed
                                                                           : TLoopJudgement::ljRejected;
}

}  // namespace

bool ClosesLoop(std::span<const TTrailPoint> trail) {
  const int newest = static_cast<int>(trail.size()) - 1;
  if (newest + 1 < FewestPoints) return false;
  // Back from the newest point while the chords keep turning one way. The points wind about their
  // middle about as far as the chords turn plus one step, a step turning about as far as the
  // sharpest turn of a chord: from there on, the first stretch that winds a full turn is the
  // loop, judged once.
  int later = ChordBearing(trail[newest - 1], trail[newest]);
  int turning = 0, sharpest = 0;
  for (int start = newest - 2; start >= 0; --start) {
    const int bearing = ChordBearing(trail[start], trail[start + 1]);
    const int turn = TurnBetween(bearing, later);
    later = bearing;
    turning += turn;
    const int sense = turning >= 0 ? 1 : -1;
    if (sense * turn > SharpestTurn || sense * turn < -SharpestTurnBack) return false;
    sharpest = std::max(sharpest, sense * turn);
    if (newest - start + 1 < FewestPoints || sense * turning + sharpest < FullTurn) continue;
    const TLoopJudgement judgement = JudgeLoop(trail.subspan(static_cast<std::size_t>(start)), sense);
    if (judgement != TLoopJudgement::ljNotYet) return judgement == TLoopJudgement::ljClosed;
  }
  return false;
}
