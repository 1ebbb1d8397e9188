#include "framework/timer.h"

#include <gtest/gtest.h>

#include <vector>

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

  timer->SetEnabled(true);
  EXPECT_TRUE(timer->Running());
  EXPECT_TRUE(PumpUntil([&] { return ticks > stoppedAt; }, 1000));
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

TEST(Timer, TicksComeAtTheIntervalSetNotLater) {
  auto timer = MakeComponent<TTimer>();
  std::vector<unsigned long long> ticks;
  timer->OnTimer = [&](TComponent*) { ticks.push_back(NowMs()); };
  timer->SetInterval(40);
  ASSERT_TRUE(PumpUntil([&] { return ticks.size() >= 9; }, 2000));
  // Averaged over eight intervals, one late tick moves it little.
  const double averageMs = static_cast<double>(ticks[8] - ticks[0]) / 8;
  EXPECT_GE(averageMs, 35.0);
  EXPECT_LE(averageMs, 55.0);

  // A new interval takes effect on the running timer.
  timer->SetInterval(120);
  ticks.clear();
  ASSERT_TRUE(PumpUntil([&] { return ticks.size() >= 3; }, 2000));
  const double slowerMs = static_cast<double>(ticks[2] - ticks[0]) / 2;
  EXPECT_GE(slowerMs, 110.0);
  EXPECT_LE(slowerMs, 150.0);
}
