// Real pointer work and deliberate circles replayed through the gesture detector, so that a
// later change cannot bring back popups under the user's hands unseen.
#include <gtest/gtest.h>

#include "gesture_replay.h"

namespace {

// The five recorded users' sessions lasted 99.9 hours in all (the recordings' README).
constexpr double SessionHours = 99.9;

}  // namespace

TEST(GestureReplay, OrdinaryPointerWorkOpensTheMenuAtMostOncePerHour) {
  const auto users = ReadRecordings(TAMARIND_POINTER_TRACES);
  ASSERT_EQ(users.size(), 5u);
  int turnsOnly = 0, confirmed = 0;
  for (const TRecordedUser& user : users) {
    turnsOnly += CountPopups(user.Stretches, TCircleRule::crTurnsOnly);
    confirmed += CountPopups(user.Stretches, TCircleRule::crConfirmed);
  }
  // The turn search alone is fooled every few minutes: the replay sees what it should.
  EXPECT_GT(turnsOnly / SessionHours, 20.0);
  EXPECT_LE(confirmed / SessionHours, 1.0) << confirmed << " popups";
}

TEST(GestureReplay, DeliberateCirclesStillOpenTheMenu) {
  const TRecognition jittered = Recognise(DeliberateCircles(TCircleSet::csJittered));
  EXPECT_GE(jittered.TurnsOnly, jittered.Circles * 9 / 10);  // a set the turn search mostly sees
  EXPECT_GE(jittered.ShareKept(), 0.99) << jittered.ConfirmedOfTurnsOnly << " of " << jittered.TurnsOnly;
  const TRecognition harder = Recognise(DeliberateCircles(TCircleSet::csHarder));
  EXPECT_GE(harder.TurnsOnly, harder.Circles * 9 / 10);
  EXPECT_GE(harder.ShareKept(), 0.95) << harder.ConfirmedOfTurnsOnly << " of " << harder.TurnsOnly;
}
