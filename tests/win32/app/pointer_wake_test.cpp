#include "app/pointer_wake.h"

#include <gtest/gtest.h>

#include <thread>

#include "support/message_pump.h"
#include "support/user_input.h"

namespace {

POINT PointerNow() {
  POINT at{};
  ::GetCursorPos(&at);
  return at;
}

// The hook is installed on a thread of its own: moves before that are not seen.
bool HookInPlace(const TPointerWake& wake) {
  return PumpUntil([&] { return wake.Watching(); }, 2000);
}

TEST(PointerWake, ARestWhereTheHookSawThePointerEndsAtTheFirstMovement) {
  ::SetCursorPos(300, 300);
  int wakes = 0;
  TPointerWake wake([&] { ++wakes; });
  ASSERT_TRUE(HookInPlace(wake));
  wake.Observe(PointerNow());
  EXPECT_FALSE(wake.CanRest(PointerNow()));  // the hook has seen nothing yet
  MovePointerBy(5, 5);
  ASSERT_TRUE(PumpUntil([&] { return wake.CanRest(PointerNow()); }, 2000));
  wake.Observe(PointerNow());
  EXPECT_EQ(wakes, 0);  // not resting: nothing to end

  wake.Rest(PointerNow());
  PumpFor(100);
  EXPECT_TRUE(wake.Resting());
  const unsigned long long start = NowMs();
  MovePointerBy(-5, 5);
  ASSERT_TRUE(PumpUntil([&] { return wakes == 1; }, 2000));
  EXPECT_LT(NowMs() - start, 500u);  // the hook, not the guard poll
  EXPECT_FALSE(wake.Resting());
  PumpFor(100);
  EXPECT_EQ(wakes, 1);  // one wake for a burst of moves
}

TEST(PointerWake, AMoveTheHookMissedEndsTheTrustForGood) {
  ::SetCursorPos(300, 300);
  TPointerWake wake([] {});
  ASSERT_TRUE(HookInPlace(wake));
  MovePointerBy(5, 5);
  ASSERT_TRUE(PumpUntil([&] { return wake.CanRest(PointerNow()); }, 2000));
  wake.Observe(PointerNow());
  ::SetCursorPos(350, 320);  // moves the pointer without any mouse input: the hook misses it
  PumpFor(100);
  wake.Observe(PointerNow());
  EXPECT_FALSE(wake.CanRest(PointerNow()));
  MovePointerBy(5, 5);  // seen again, but a hook that misses moves cannot be left a rest
  PumpFor(200);
  wake.Observe(PointerNow());
  EXPECT_FALSE(wake.CanRest(PointerNow()));
}

TEST(PointerWake, TheHookSeesMovesWhileThisThreadTakesNoMessages) {
  ::SetCursorPos(300, 300);
  TPointerWake wake([] {});
  ASSERT_TRUE(HookInPlace(wake));
  // As while a launch blocks this thread: nothing here pumps messages until the hook has seen it.
  std::thread([] { MovePointerBy(7, 7); }).join();
  bool seen = false;
  for (const unsigned long long start = NowMs(); !seen && NowMs() - start < 2000; ::Sleep(10))
    seen = wake.CanRest(PointerNow());
  EXPECT_TRUE(seen);
}

TEST(PointerWake, TheGuardPollEndsARestTheHookDidNotSee) {
  ::SetCursorPos(200, 200);
  int wakes = 0;
  TPointerWake wake([&] { ++wakes; });
  wake.Rest(PointerNow());
  PumpFor(TPointerWake::GuardIntervalMs + 300);
  EXPECT_EQ(wakes, 0);  // still at rest
  ::SetCursorPos(260, 240);  // moves the pointer without any mouse input
  EXPECT_TRUE(PumpUntil([&] { return wakes == 1; }, 2 * TPointerWake::GuardIntervalMs + 500));
}

TEST(PointerWake, ACancelledRestRaisesNothing) {
  ::SetCursorPos(100, 100);
  int wakes = 0;
  TPointerWake wake([&] { ++wakes; });
  ASSERT_TRUE(HookInPlace(wake));
  wake.Rest(PointerNow());
  wake.Cancel();
  ::SetCursorPos(150, 150);
  MovePointerBy(3, 3);
  PumpFor(TPointerWake::GuardIntervalMs + 300);
  EXPECT_EQ(wakes, 0);
}

}  // namespace
