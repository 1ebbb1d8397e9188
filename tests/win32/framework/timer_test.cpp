#include "framework/timer.h"

#include <gtest/gtest.h>

#include "support/message_pump.h"

TEST(Timer, TicksAtItsIntervalWhileEnabled) {
  auto timer = MakeComponent<TTimer>();
  int ticks = 0;
  timer->OnTimer = [&](TComponent* sender) {
    EXPECT_EQ(sender, timer.get());
    ++ticks;
  };
  timer->SetInterval(50);
  PumpFor(600);
  // Wine and loaded machines are late, never early: about 12 expected, at most 12.
  EXPECT_GE(ticks, 4);
  EXPECT_LE(ticks, 13);

  timer->SetEnabled(false);
  EXPECT_FALSE(timer->Running());
  const int stoppedAt = ticks;
  PumpFor(200);
  EXPECT_EQ(ticks, stoppedAt);
}

TEST(Timer, IntervalZeroStopsItAndANewIntervalRestartsIt) {
  auto timer = MakeComponent<TTimer>();
  int ticks = 0;
  timer->OnTimer = [&](TComponent*) { ++ticks; };
  timer->SetInterval(0);
  EXPECT_FALSE(timer->Running());
  PumpFor(150);
  EXPECT_EQ(ticks, 0);
  timer->SetInterval(30);
  EXPECT_TRUE(timer->Running());
  EXPECT_TRUE(PumpUntil([&] { return ticks > 0; }, 1000));
}
