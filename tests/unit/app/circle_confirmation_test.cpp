#include "app/circle_confirmation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "gesture_traces.h"

namespace {

// Points along an ellipse of the given aspect, `ticks` to the turn, clockwise on the screen.
std::vector<TTrailPoint> Ellipse(double aspect, double turns, int ticks = 24, int radius = 120) {
  TTrace trace;
  for (int k = 0; k <= turns * ticks; ++k) {
    const double angle = 2 * std::numbers::pi * k / ticks;
    trace.push_back({500 + static_cast<std::int32_t>(std::lround(radius * std::cos(angle))),
                     400 + static_cast<std::int32_t>(std::lround(aspect * radius * std::sin(angle)))});
  }
  return TrailOf(trace);
}

// A path of 40-pixel steps, each turned from the one before by the given degrees (clockwise on
// the screen when positive).
std::vector<TTrailPoint> Polyline(const std::vector<double>& turns) {
  std::vector<TTrailPoint> trail{{500, 300, 0}};
  double x = 500, y = 300, heading = 0;
  auto stepOn = [&] {
    x += 40 * std::cos(heading);
    y += 40 * std::sin(heading);
    trail.push_back({static_cast<std::int32_t>(std::lround(x)), static_cast<std::int32_t>(std::lround(y)),
                     static_cast<std::int32_t>(trail.size())});
  };
  stepOn();
  for (double turn : turns) {
    heading += turn * std::numbers::pi / 180;
    stepOn();
  }
  return trail;
}

}  // namespace

TEST(Bearing, FollowsTheTrueAngleAllRound) {
  for (int tenths = 0; tenths < 3600; ++tenths) {
    const double radians = tenths / 10.0 * std::numbers::pi / 180;
    const auto dx = std::llround(10000 * std::cos(radians)), dy = std::llround(10000 * std::sin(radians));
    double expected = std::atan2(double(dy), double(dx)) * 180 / std::numbers::pi * 16;
    if (expected < 0) expected += 5760;
    double error = std::abs(Bearing(dx, dy) - expected);
    error = std::min(error, 5760 - error);
    ASSERT_LE(error, 4.0) << tenths / 10.0 << " degrees";  // a quarter of a degree
  }
  EXPECT_EQ(Bearing(5, 0), 0);
  EXPECT_EQ(Bearing(0, 5), 90 * 16);
  EXPECT_EQ(Bearing(-5, 0), 180 * 16);
  EXPECT_EQ(Bearing(0, -5), 270 * 16);
  EXPECT_EQ(Bearing(7, 7), 45 * 16);
  EXPECT_EQ(Bearing(1 << 30, -(1 << 30)), 315 * 16);
}

TEST(ConfirmCircle, AFullRoundTurnInItsOwnSense) {
  for (TSense sense : {TSense::Clockwise, TSense::Anticlockwise}) {
    const int step = sense == TSense::Clockwise ? +2 : -2;
    const auto circle = TrailOf(CircleTrace({.TicksPerTurn = 20, .Turns = 1.0, .Sense = sense}));
    EXPECT_EQ(ConfirmCircle(circle, step), TCircleConfirmation::ccConfirmed);
    // Drawn the other way round it turns the wrong way.
    EXPECT_NE(ConfirmCircle(circle, -step), TCircleConfirmation::ccConfirmed);
    // Three quarters of the way round it is smooth and round enough, but not yet a circle.
    const auto partWay = TrailOf(CircleTrace({.TicksPerTurn = 20, .Turns = 0.75, .Sense = sense}));
    EXPECT_EQ(ConfirmCircle(partWay, step), TCircleConfirmation::ccNotYet);
    // 19 chords of a 20-tick turn turn 18 times by 18 degrees: 324; 18 chords only 306.
    const auto justEnough = TrailOf(CircleTrace({.TicksPerTurn = 20, .Turns = 0.95, .Sense = sense}));
    EXPECT_EQ(ConfirmCircle(justEnough, step), TCircleConfirmation::ccConfirmed);
    const auto justShort = TrailOf(CircleTrace({.TicksPerTurn = 20, .Turns = 0.9, .Sense = sense}));
    EXPECT_EQ(ConfirmCircle(justShort, step), TCircleConfirmation::ccNotYet);
  }
}

TEST(ConfirmCircle, FlatOrLopsidedShapesAreNoCircles) {
  EXPECT_EQ(ConfirmCircle(Ellipse(0.65, 1.1), +2), TCircleConfirmation::ccConfirmed);
  EXPECT_EQ(ConfirmCircle(Ellipse(0.4, 1.1), +2), TCircleConfirmation::ccRejected);
  // A small loop at the end of a long straight stroke (a hook) turns enough but is far from round.
  TTrace hook;
  for (int x = 0; x < 300; x += 15) hook.push_back({100 + x, 100 + x / 5});
  hook = Joined(hook, CircleTrace({.Centre = {430, 160}, .Radius = 30, .TicksPerTurn = 16, .Turns = 1.0}));
  auto hookTrail = TrailOf(hook);
  EXPECT_EQ(ConfirmCircle(hookTrail, +2), TCircleConfirmation::ccRejected);
}

TEST(ConfirmCircle, ZigzagsAndSharpCornersAreNoCircles) {
  // Back and forth: every other step turns right round.
  std::vector<TTrailPoint> strokes;
  for (int k = 0; k < 20; ++k) strokes.push_back({100 + (k % 2) * 60, 100 + k * 4, k});
  EXPECT_EQ(ConfirmCircle(strokes, +2), TCircleConfirmation::ccRejected);
  EXPECT_EQ(ConfirmCircle(strokes, -2), TCircleConfirmation::ccRejected);
  // An S-curve: a half turn one way, then a half turn the other way, never a full turn.
  TTrace s = CircleTrace({.Centre = {500, 400}, .Radius = 80, .TicksPerTurn = 16, .Turns = 0.5, .StartAngle = 0});
  s = Joined(s, CircleTrace({.Centre = {340, 400}, .Radius = 80, .TicksPerTurn = 16, .Turns = 0.5,
                             .StartAngle = 0, .Sense = TSense::Anticlockwise}));
  EXPECT_EQ(ConfirmCircle(TrailOf(s), +2), TCircleConfirmation::ccNotYet);
  EXPECT_EQ(ConfirmCircle(TrailOf(s), -2), TCircleConfirmation::ccNotYet);
  // A square: four corners of 90 degrees are the sharpest a circle's step may turn, a pentagon's
  // corners are gentler; a triangle's 120-degree corners are too sharp.
  auto polygon = [](int corners) {
    TTrace trace;
    for (int k = 0; k <= corners + 1; ++k) {
      const double angle = 2 * std::numbers::pi * k / corners + 0.3;
      trace.push_back({500 + static_cast<std::int32_t>(std::lround(200 * std::cos(angle))),
                       400 + static_cast<std::int32_t>(std::lround(200 * std::sin(angle)))});
    }
    return TrailOf(trace);
  };
  EXPECT_EQ(ConfirmCircle(polygon(5), +2), TCircleConfirmation::ccConfirmed);
  EXPECT_EQ(ConfirmCircle(polygon(3), +2), TCircleConfirmation::ccRejected);
}

TEST(ConfirmCircle, EachStepMayTurnUpTo90DegreesOnAndUpTo67Back) {
  // 24 steps of 15 degrees, one stretch of them replaced by the given turns (same sum).
  auto circleWith = [](std::vector<double> stretch) {
    std::vector<double> turns(10, 15.0);
    turns.insert(turns.end(), stretch.begin(), stretch.end());
    turns.resize(turns.size() + 10, 15.0);
    return Polyline(turns);
  };
  EXPECT_EQ(ConfirmCircle(circleWith({15, 15}), +2), TCircleConfirmation::ccConfirmed);
  EXPECT_EQ(ConfirmCircle(circleWith({-60, 85, 20}), +2), TCircleConfirmation::ccConfirmed);
  EXPECT_EQ(ConfirmCircle(circleWith({-75, 85, 35}), +2), TCircleConfirmation::ccRejected);
  EXPECT_EQ(ConfirmCircle(circleWith({85, -25, -15}), +2), TCircleConfirmation::ccConfirmed);
  EXPECT_EQ(ConfirmCircle(circleWith({100, -40, -15}), +2), TCircleConfirmation::ccRejected);
}

TEST(ConfirmCircle, OutlandishCoordinatesAreRejectedSafely) {
  auto circle = TrailOf(CircleTrace({.TicksPerTurn = 20, .Turns = 1.0}));
  circle[5] = {2'000'000'000, -2'000'000'000, 5};
  EXPECT_EQ(ConfirmCircle(circle, +2), TCircleConfirmation::ccRejected);
  // A circle near the end of the coordinate range is still a circle.
  auto far = TrailOf(CircleTrace({.Centre = {2'147'000'000, -2'147'000'000}, .TicksPerTurn = 20, .Turns = 1.0}));
  EXPECT_EQ(ConfirmCircle(far, +2), TCircleConfirmation::ccConfirmed);
  EXPECT_EQ(ConfirmCircle(std::span(far).first(2), +2), TCircleConfirmation::ccNotYet);
}
