#include "app/gesture_detector.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

#include "app/loop_closure.h"
#include "gesture_traces.h"

namespace {

constexpr std::int32_t Interval = 50;

int Direction(std::int32_t dx, std::int32_t dy) { return TrailDirection({dx, dy, 0}, {0, 0, 0}); }

// A trail whose k-th turn of `step` codes lands exactly at index turnAt[k - 1]. Between turns
// the points run straight on from the last turn, so no chord turns early; `tail` more points
// follow the last turn.
std::vector<TTrailPoint> TurnTrail(int firstCode, int step, const std::vector<int>& turnAt, int tail = 0) {
  std::vector<TTrailPoint> trail{{1000, 1000, 0}};
  auto add = [&trail](TTrailPoint from, TPoint32 v) {
    trail.push_back({from.X - v.X, from.Y - v.Y, static_cast<std::int32_t>(trail.size())});
  };
  add(trail[0], DirectionVector(firstCode));
  int code = firstCode;
  auto runOn = [&](int untilSize) {
    const TTrailPoint anchor = trail.back();
    for (int m = 1; static_cast<int>(trail.size()) < untilSize; ++m) add(anchor, DirectionVector(code, m));
    return anchor;
  };
  for (int index : turnAt) {
    const TTrailPoint anchor = runOn(index);
    code = (code + step + 16) % 16;
    add(anchor, DirectionVector(code));
  }
  runOn(static_cast<int>(trail.size()) + tail);
  return trail;
}

// Ticks the detector through `trace`, failing if it asks for a popup.
void Feed(TGestureDetector& detector, const TTrace& trace) {
  for (const TPoint32& p : trace) ASSERT_FALSE(detector.TimerTick(p, true, Interval));
}

}  // namespace

TEST(TrailDirection, QuadrantOneBoundaries) {
  EXPECT_EQ(Direction(0, 0), 0);
  EXPECT_EQ(Direction(10, 0), 0);
  EXPECT_EQ(Direction(10, 5), 0);   // 2·dy = dx
  EXPECT_EQ(Direction(10, 6), 1);
  EXPECT_EQ(Direction(10, 10), 1);  // dy = dx
  EXPECT_EQ(Direction(10, 11), 2);
  EXPECT_EQ(Direction(10, 20), 2);  // dy = 2·dx
  EXPECT_EQ(Direction(10, 21), 3);
  EXPECT_EQ(Direction(0, 10), 3);
}

TEST(TrailDirection, QuadrantTwoBoundaries) {
  EXPECT_EQ(Direction(-1, 10), 4);
  EXPECT_EQ(Direction(-10, 21), 4);
  EXPECT_EQ(Direction(-10, 20), 5);  // dy = 2·a
  EXPECT_EQ(Direction(-10, 11), 5);
  EXPECT_EQ(Direction(-10, 10), 6);  // dy = a
  EXPECT_EQ(Direction(-10, 6), 6);
  EXPECT_EQ(Direction(-10, 5), 7);   // 2·dy = a
  EXPECT_EQ(Direction(-10, 0), 7);
}

TEST(TrailDirection, QuadrantThreeBoundaries) {
  EXPECT_EQ(Direction(-10, -1), 8);
  EXPECT_EQ(Direction(-11, -5), 8);
  EXPECT_EQ(Direction(-10, -5), 9);    // a = 2·b
  EXPECT_EQ(Direction(-11, -10), 9);
  EXPECT_EQ(Direction(-10, -10), 10);  // a = b
  EXPECT_EQ(Direction(-10, -19), 10);
  EXPECT_EQ(Direction(-10, -20), 11);  // b = 2·a
  EXPECT_EQ(Direction(0, -10), 12);    // dx = 0 belongs to the last quadrant
}

TEST(TrailDirection, QuadrantFourBoundaries) {
  EXPECT_EQ(Direction(10, -20), 12);  // b = 2·dx
  EXPECT_EQ(Direction(10, -19), 13);
  EXPECT_EQ(Direction(10, -10), 13);  // b = dx
  EXPECT_EQ(Direction(11, -10), 14);
  EXPECT_EQ(Direction(10, -5), 14);   // dx = 2·b
  EXPECT_EQ(Direction(11, -5), 15);
  EXPECT_EQ(Direction(10, -1), 15);
}

TEST(TrailDirection, ExtremeCoordinatesDoNotOverflow) {
  const std::int32_t big = INT32_MAX;
  EXPECT_EQ(TrailDirection({big, big, 0}, {-big, -big, 0}), 1);
  EXPECT_EQ(TrailDirection({-big, 0, 0}, {big, 0, 0}), 7);
}

TEST(DirectionsNear, DistanceGoesRoundTheCircle) {
  EXPECT_TRUE(DirectionsNear(15, 0, 1));
  EXPECT_TRUE(DirectionsNear(0, 15, 1));
  EXPECT_TRUE(DirectionsNear(14, 0, 2));
  EXPECT_FALSE(DirectionsNear(14, 0, 1));
  EXPECT_FALSE(DirectionsNear(1, 15, 1));
  EXPECT_TRUE(DirectionsNear(7, 7, 0));
  EXPECT_FALSE(DirectionsNear(0, 8, 7));
  EXPECT_TRUE(DirectionsNear(0, 8, 8));
}

TEST(MatchTurns, TurnsWithinTheirWindowsMakeACircleInEitherSense) {
  for (int firstCode : {0, 5, 14}) {
    SCOPED_TRACE(firstCode);
    // Every turn as late as allowed: the k-th at index 5·k.
    const auto clockwise = TurnTrail(firstCode, +2, {5, 10, 15, 20, 25, 30});
    EXPECT_EQ(MatchTurns(clockwise, +2, 5), TTurnMatch::tmCircle);
    EXPECT_NE(MatchTurns(clockwise, -2, 5), TTurnMatch::tmCircle);
    EXPECT_EQ(DetectCircle(clockwise, 5, TCircleRule::crTurnsOnly), TTurnMatch::tmCircle);

    const auto anticlockwise = TurnTrail(firstCode, -2, {2, 3, 4, 5, 6, 7});
    EXPECT_EQ(MatchTurns(anticlockwise, -2, 5), TTurnMatch::tmCircle);
    EXPECT_NE(MatchTurns(anticlockwise, +2, 5), TTurnMatch::tmCircle);
    EXPECT_EQ(DetectCircle(anticlockwise, 5, TCircleRule::crTurnsOnly), TTurnMatch::tmCircle);
  }
}

TEST(MatchTurns, ALateTurnIsTooSlowOnceThePointsAreThere) {
  // The fourth turn one point after its window closed at index 20.
  const auto late = TurnTrail(3, +2, {5, 10, 15, 21, 25, 30});
  EXPECT_EQ(MatchTurns(late, +2, 5), TTurnMatch::tmTooSlow);
  EXPECT_EQ(DetectCircle(late, 5, TCircleRule::crTurnsOnly), TTurnMatch::tmTooSlow);
  // While the trail ends before the window closes, more points may still bring the turn.
  const std::span<const TTrailPoint> early(late.data(), 20);
  EXPECT_EQ(MatchTurns(early, +2, 5), TTurnMatch::tmTooFew);
  EXPECT_EQ(DetectCircle(early, 5, TCircleRule::crTurnsOnly), TTurnMatch::tmTooFew);
}

TEST(MatchTurns, TooFewPointsAnswerThree) {
  // The points beyond each trail below are still there in memory, as an earlier trail's points
  // are left in the detector's array: a search that read them would find the sixth turn.
  const auto circle = TurnTrail(0, +2, {2, 3, 4, 5, 6, 7});
  EXPECT_EQ(MatchTurns(std::span(circle).first(7), +2, 5), TTurnMatch::tmTooFew);
  EXPECT_EQ(MatchTurns(std::span(circle).first(2), +2, 5), TTurnMatch::tmTooFew);
  EXPECT_EQ(MatchTurns(std::span(circle).first(0), -2, 5), TTurnMatch::tmTooFew);
  EXPECT_EQ(MatchTurns(std::span(circle).first(8), +2, 5), TTurnMatch::tmCircle);
}

TEST(MatchTurns, NeverLooksPastIndexHundred) {
  // Turns due by index 120 with a long enough window: the last lies beyond the search.
  const auto trail = TurnTrail(0, +2, {20, 40, 60, 80, 100, 101}, 10);
  EXPECT_EQ(MatchTurns(trail, +2, 50), TTurnMatch::tmTooFew);
  const auto inside = TurnTrail(0, +2, {20, 40, 60, 80, 99, 100}, 10);
  EXPECT_EQ(MatchTurns(inside, +2, 50), TTurnMatch::tmCircle);
}

TEST(MatchTurns, AStraightLineNeverMakesACircle) {
  for (int code = 0; code < 16; ++code) {
    const auto line = TurnTrail(code, +2, {}, 60);
    EXPECT_EQ(DetectCircle(line, 5, TCircleRule::crTurnsOnly), TTurnMatch::tmTooSlow) << code;
  }
}

TEST(MatchTurns, SampledCircles) {
  for (TSense sense : {TSense::Clockwise, TSense::Anticlockwise}) {
    const auto brisk = TrailOf(CircleTrace({.TicksPerTurn = 16, .Sense = sense}));
    EXPECT_EQ(DetectCircle(brisk, 5, TCircleRule::crTurnsOnly), TTurnMatch::tmCircle);
    EXPECT_EQ(MatchTurns(brisk, sense == TSense::Clockwise ? +2 : -2, 5), TTurnMatch::tmCircle);
    // Twelve points to each sixteenth of the turn: no turn comes within five points.
    const auto slow = TrailOf(CircleTrace({.Radius = 400, .TicksPerTurn = 192, .Turns = 0.3, .Sense = sense}));
    EXPECT_EQ(DetectCircle(slow, 5, TCircleRule::crTurnsOnly), TTurnMatch::tmTooSlow);
  }
}

TEST(GestureDetector, ReadsNothingWhileNotReadyOrBlind) {
  TGestureDetector detector;
  EXPECT_FALSE(detector.TimerTick(TPoint32{100, 100}, false, Interval));
  EXPECT_FALSE(detector.TimerTick(std::nullopt, true, Interval));
  EXPECT_EQ(detector.Tick(), 0);
  EXPECT_TRUE(detector.Trail().empty());
}

TEST(GestureDetector, MovingAlongOneAxisRecordsNothing) {
  TGestureDetector detector;
  TTrace horizontal, vertical;
  for (int x = 0; x < 200; x += 7) horizontal.push_back({300 + x, 2});
  for (int y = 0; y < 200; y += 7) vertical.push_back({1, 300 + y});
  Feed(detector, horizontal);
  Feed(detector, vertical);
  EXPECT_TRUE(detector.Trail().empty());
  // Moving more than two pixels on both axes records the point.
  ASSERT_FALSE(detector.TimerTick(TPoint32{4, 503}, true, Interval));
  ASSERT_EQ(detector.Trail().size(), 1u);
  EXPECT_EQ(detector.LastPos(), (TPoint32{4, 503}));
  ASSERT_FALSE(detector.TimerTick(TPoint32{6, 520}, true, Interval));
  EXPECT_EQ(detector.Trail().size(), 1u);
}

TEST(GestureDetector, ABriskCirclePostsOnePopupThenCoolsDown) {
  for (TSense sense : {TSense::Clockwise, TSense::Anticlockwise}) {
    SCOPED_TRACE(sense == TSense::Clockwise ? "clockwise" : "anticlockwise");
    TGestureDetector detector;
    const TTrace circle = CircleTrace({.TicksPerTurn = 16, .Turns = 2.5, .Sense = sense});
    int popups = 0;
    std::size_t tick = 0;
    for (; tick < circle.size() && popups == 0; ++tick) popups += detector.TimerTick(circle[tick], true, Interval);
    ASSERT_EQ(popups, 1);
    ASSERT_LT(tick + 10, circle.size());  // the circle goes on long enough for what follows
    EXPECT_TRUE(detector.Trail().empty());
    EXPECT_TRUE(detector.CoolingDown());
    // The pointer keeps circling: nine ticks record nothing, the tenth records again.
    for (int after = 1; after <= 9; ++after, ++tick) {
      EXPECT_FALSE(detector.TimerTick(circle[tick], true, Interval));
      EXPECT_TRUE(detector.Trail().empty()) << after;
    }
    EXPECT_FALSE(detector.TimerTick(circle[tick], true, Interval));
    EXPECT_EQ(detector.Trail().size(), 1u);
    EXPECT_FALSE(detector.CoolingDown());
  }
}

TEST(GestureDetector, ACircleNotYetRoundWaitsWithItsPointsUntilItIs) {
  for (TSense sense : {TSense::Clockwise, TSense::Anticlockwise}) {
    const TTrace circle = CircleTrace({.TicksPerTurn = 16, .Turns = 2, .Sense = sense});
    const std::vector<int> turnsOnly = PopupTicks(circle, TCircleRule::crTurnsOnly);
    ASSERT_FALSE(turnsOnly.empty());
    TGestureDetector detector;
    std::size_t tick = 0;
    while (tick < circle.size() && !detector.TimerTick(circle[tick], true, Interval)) {
      // Until it is confirmed nothing of the circle is dropped: every sample is a point.
      ASSERT_EQ(detector.Trail().size(), tick + 1);
      ++tick;
    }
    // The turn search alone fires about three quarters of the way round; confirmed, the circle
    // has gone about a full turn.
    ASSERT_LT(tick, circle.size());
    EXPECT_GE(tick, static_cast<std::size_t>(turnsOnly.front()) + 2);
    EXPECT_GE(tick, 15u);
    EXPECT_LE(tick, 18u);
  }
}

TEST(GestureDetector, AChainLeftWaitingDoesNotHoldUpTheNextCircle) {
  // Three quarters of a turn the turn search takes for a circle, a stroke away from it, then a
  // real circle: only the real one opens the menu, as soon as it is round.
  const TTrace hook = Joined(CircleTrace({.Centre = {400, 400}, .TicksPerTurn = 16, .Turns = 0.8}),
                             [] {
                               TTrace stroke;
                               for (int k = 1; k <= 8; ++k) stroke.push_back({400 + 12 * k, 300 - 9 * k});
                               return stroke;
                             }());
  ASSERT_EQ(PopupTicks(hook, TCircleRule::crTurnsOnly).size(), 1u);
  ASSERT_TRUE(PopupTicks(hook).empty());
  const TTrace circle = CircleTrace({.Centre = {800, 300}, .TicksPerTurn = 16, .Turns = 1.5});
  const std::vector<int> popups = PopupTicks(Joined(hook, circle));
  ASSERT_EQ(popups.size(), 1u);
  const int intoCircle = popups.front() - static_cast<int>(hook.size());
  EXPECT_GE(intoCircle, 15);
  EXPECT_LE(intoCircle, 18);
}

TEST(GestureDetector, CoolDownLastsHalfASecondOfMeasuredTime) {
  // The tick that ends the cool-down for each measured interval; one below 1 ms counts as 1 ms.
  const struct {
    std::int32_t Interval;
    int CoolTicks;
  } cases[] = {{100, 5}, {62, 9}, {47, 11}, {0, 500}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Interval);
    TGestureDetector detector;
    const TTrace circle = CircleTrace({.TicksPerTurn = 16, .Turns = 40});
    std::size_t tick = 0;
    while (!detector.TimerTick(circle[tick], true, c.Interval)) ++tick;
    ++tick;
    for (int after = 1; after < c.CoolTicks; ++after) ASSERT_FALSE(detector.TimerTick(circle[tick++], true, c.Interval));
    EXPECT_TRUE(detector.CoolingDown());
    ASSERT_FALSE(detector.TimerTick(circle[tick], true, c.Interval));
    EXPECT_FALSE(detector.CoolingDown());
  }
}

TEST(GestureDetector, PointsOlderThanSixtyTicksAreDropped) {
  TGestureDetector detector;
  Feed(detector, {{100, 100}, {110, 110}, {120, 120}});
  ASSERT_EQ(detector.Trail().size(), 3u);
  Feed(detector, RestTrace({120, 120}, 58));
  EXPECT_EQ(detector.Trail().size(), 3u);  // the oldest is 60 ticks old
  Feed(detector, RestTrace({120, 120}, 1));
  ASSERT_EQ(detector.Trail().size(), 2u);
  // The clock now counts from the new oldest point, in ticks and in measured time.
  EXPECT_EQ(detector.Trail()[0].Tick, 0);
  EXPECT_EQ(detector.Trail()[1].Tick, 1);
  EXPECT_EQ(detector.Trail()[0].Ms, 0);
  EXPECT_EQ(detector.Trail()[1].Ms, Interval);
  EXPECT_EQ(detector.Tick(), 60);
  Feed(detector, RestTrace({120, 120}, 2));
  EXPECT_TRUE(detector.Trail().empty());
}

TEST(GestureDetector, ALongTrailDropsItsOldEndWhileNoCircleFits) {
  // A slow zigzag records a point every tick but never turns steadily.
  TGestureDetector detector;
  for (int tick = 0; tick < 400; ++tick) {
    const TPoint32 p{100 + 5 * tick, tick % 2 == 0 ? 100 : 110};
    ASSERT_FALSE(detector.TimerTick(p, true, Interval));
    ASSERT_LE(detector.Trail().size(), 62u);
  }
  EXPECT_FALSE(detector.Trail().empty());
}

TEST(GestureDetector, TickCounterResetClearsTheTrail) {
  TGestureDetector detector;
  Feed(detector, {{10, 10}});
  Feed(detector, RestTrace({10, 10}, 100));  // the point ages out; the clock runs on
  ASSERT_TRUE(detector.Trail().empty());
  while (detector.Tick() < 16000000 - 2) ASSERT_FALSE(detector.TimerTick(TPoint32{10, 10}, true, Interval));
  Feed(detector, {{20, 20}});
  ASSERT_EQ(detector.Trail().size(), 1u);
  Feed(detector, {{30, 30}});  // the 16,000,000th tick: the trail starts again with it
  ASSERT_EQ(detector.Trail().size(), 1u);
  EXPECT_EQ(detector.Trail()[0].X, 30);
  EXPECT_EQ(detector.Trail()[0].Tick, 0);
  EXPECT_EQ(detector.Tick(), 0);
}

TEST(GestureDetector, SleepsOnlyWhenATickWouldRecordNothing) {
  TGestureDetector detector;
  EXPECT_TRUE(detector.CanSleep({1, 1}, true));
  EXPECT_FALSE(detector.CanSleep({1, 1}, false));
  EXPECT_FALSE(detector.CanSleep({3, 3}, true));  // would be recorded
  Feed(detector, {{3, 3}});
  EXPECT_FALSE(detector.CanSleep({3, 3}, true));  // a point is ageing
  Feed(detector, RestTrace({3, 3}, 61));
  EXPECT_TRUE(detector.CanSleep({3, 3}, true));
  EXPECT_TRUE(detector.CanSleep({50, 5}, true));  // too close on one axis to be recorded

  const TTrace circle = CircleTrace({.TicksPerTurn = 16, .Turns = 2});
  std::size_t tick = 0;
  while (!detector.TimerTick(circle[tick], true, Interval)) ++tick;
  EXPECT_FALSE(detector.CanSleep({1, 1}, true));  // cooling down: the ticks count it out
  Feed(detector, RestTrace({1, 1}, 10));
  EXPECT_TRUE(detector.CanSleep({1, 1}, true));
}

TEST(GestureDetectorIdle, SleepingAtRestChangesNoResult) {
  std::mt19937 random(12);
  auto uniform = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
  int slept = 0;
  int popups = 0;
  for (int round = 0; round < 300; ++round) {
    TTrace trace;
    TPoint32 p{uniform(0, 1000), uniform(0, 800)};
    while (trace.size() < 1500) {
      switch (uniform(0, 3)) {
      case 0:  // rest, long enough for the trail to empty or not
        trace = Joined(trace, RestTrace(p, uniform(1, 120)));
        break;
      case 1:  // wander
        for (int n = uniform(1, 40); n > 0; --n) {
          p = {p.X + uniform(-8, 8), p.Y + uniform(-8, 8)};
          trace.push_back(p);
        }
        break;
      case 2:  // slide along one axis
        for (int n = uniform(1, 40); n > 0; --n) {
          p.X += uniform(-6, 6);
          trace.push_back(p);
        }
        break;
      default: {  // a circle, of any pace, starting from where the pointer is
        const int radius = uniform(10, 300);
        const double start = uniform(0, 359) * std::numbers::pi / 180;
        const TPoint32 centre{p.X - int(radius * std::cos(start)), p.Y - int(radius * std::sin(start))};
        const TTrace circle = CircleTrace({.Centre = centre,
                                           .Radius = radius,
                                           .TicksPerTurn = uniform(8, 60),
                                           .Turns = uniform(1, 30) / 10.0,
                                           .StartAngle = start,
                                           .Sense = uniform(0, 1) ? TSense::Clockwise : TSense::Anticlockwise});
        trace = Joined(trace, circle);
        p = trace.back();
      }
      }
    }
    int sleptNow = 0;
    const std::vector<int> expected = PopupTicks(trace);
    ASSERT_EQ(PopupTicksSleeping(trace, 1, &sleptNow), expected) << "round " << round;
    slept += sleptNow;
    popups += static_cast<int>(expected.size());
  }
  // The replay must really have slept and seen circles, or it proves nothing.
  EXPECT_GT(slept, 300 * 1500 / 10);
  EXPECT_GT(popups, 100);
}

TEST(GestureDetectorIdle, ACircleStartedFromRestIsRecognisedAfterSleeping) {
  for (int pace : {16, 24, 32}) {
    for (int eighth = 0; eighth < 8; ++eighth) {
      for (TSense sense : {TSense::Clockwise, TSense::Anticlockwise}) {
        const double start = eighth * std::numbers::pi / 4;
        const TTrace circle = CircleTrace({.TicksPerTurn = pace, .Turns = 1.25, .StartAngle = start, .Sense = sense});
        const TTrace trace = Joined(Joined(RestTrace(circle[0], 100), circle), RestTrace(circle.back(), 20));
        int slept = 0;
        const std::vector<int> popups = PopupTicksSleeping(trace, 1, &slept);
        EXPECT_EQ(popups.size(), 1u) << pace << " " << eighth;
        EXPECT_EQ(popups, PopupTicks(trace));
        EXPECT_GE(slept, 100 - 62);  // asleep from the moment the start point aged out
      }
    }
  }
}

TEST(GestureDetector, TheEndToEndTestsCirclesOpenTheMenuInTime) {
  // The pointer rests 0.3 s on the first of 24 points a turn, radius 60, then moves on every
  // 40 ms for 1.5 turns; a timer firing as on Windows reads where it last moved to.
  const int endMs = 300 + 40 * 36;
  for (TSense sense : {TSense::Clockwise, TSense::Anticlockwise}) {
    const TTrace points = CircleTrace({.Radius = 60, .TicksPerTurn = 24, .Turns = 1.5, .Sense = sense});
    for (const std::vector<std::int32_t>& intervals : {std::vector<std::int32_t>{50}, {47, 63}, {63}, {47}}) {
      for (int phaseMs : {0, 17, 33}) {
        std::vector<TTimedTick> ticks;
        int lastTickInTime = 0;
        for (int at = phaseMs; at <= endMs + 1000; at += ticks.back().IntervalMs) {
          ticks.push_back({points[std::clamp((at - 300) / 40, 0, 36)], intervals[ticks.size() % intervals.size()]});
          if (at <= endMs + 300) lastTickInTime = static_cast<int>(ticks.size()) - 1;
        }
        const std::vector<int> popups = PopupTicks(ticks);
        ASSERT_FALSE(popups.empty()) << intervals[0] << " " << phaseMs;
        EXPECT_LE(popups.front(), lastTickInTime) << intervals[0] << " " << phaseMs;
      }
    }
  }
}

TEST(ClosesLoop, OutlandishCoordinatesAreRejectedSafely) {
  auto loop = TrailOf(CircleTrace({.TicksPerTurn = 7, .Turns = 1.2}));
  ASSERT_TRUE(ClosesLoop(loop));
  auto far = loop;
  for (TTrailPoint& p : far) {
    p.X += 2'147'000'000 - 600;
    p.Y -= 2'147'000'000 - 600;
  }
  EXPECT_TRUE(ClosesLoop(far));
  loop[3] = {2'000'000'000, -2'000'000'000, 3, 150};
  EXPECT_FALSE(ClosesLoop(loop));
}
