// Real pointer work and deliberate circles replayed through the gesture detector, so that a
// later change cannot bring back popups under the user's hands unseen.
#include <gtest/gtest.h>

#include "gesture_replay.h"

namespace {

// The five recorded users' sessions lasted 99.9 hours in all (the recordings' README).
constexpr double SessionHours = 99.9;

}  // namespace

TEST(GestureReplay, OrdinaryPointerWorkOpensTheMenuAtMostOnceInThreeHours) {
  const auto users = ReadRecordings(TAMARIND_POINTER_TRACES);
  ASSERT_EQ(users.size(), 5u);
  int turnsOnly = 0, confirmed = 0;
  for (const TRecordedUser& user : users) {
    turnsOnly += CountPopups(user.Stretches, TCircleRule::crTurnsOnly);
    confirmed += CountPopups(user.Stretches, TCircleRule::crConfirmed);
  }
  // The turn search alone is fooled every few minutes: the replay sees what it should.
  EXPECT_GT(turnsOnly / SessionHours, 20.0);
  EXPECT_LE(confirmed / SessionHours, 0.33) << confirmed << " popups";
}

TEST(GestureReplay, DeliberateCirclesOpenTheMenuInTime) {
  const std::vector<TDrawnCircle> circles = DeliberateCircles();
  int recognised = 0;
  for (const TDrawnCircle& circle : circles) recognised += RecognisedInTime(circle, TCircleRule::crConfirmed);
  EXPECT_GE(recognised, static_cast<int>(circles.size()) * 98 / 100) << recognised << " of " << circles.size();
}
