// The gesture detector fed any pointer trace: the trail stays within its bound, a tick the
// detector says it may sleep through changes nothing, and judging any trail as a circle is safe.
#include "app/circle_confirmation.h"
#include "app/gesture_detector.h"
#include "fuzz_support.h"

#include <algorithm>
#include <limits>

namespace {
// A coordinate moved by `delta`, stopping at the ends of the 32-bit range.
std::int32_t Moved(std::int32_t coordinate, std::int32_t delta) {
  const auto moved = static_cast<std::int64_t>(coordinate) + delta;
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(moved, std::numeric_limits<std::int32_t>::min(),
                                                            std::numeric_limits<std::int32_t>::max()));
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider data(bytes, size);
  TGestureDetector detector;
  const std::int32_t interval = data.ConsumeIntegralInRange<std::int32_t>(-1, 1000);
  TPoint32 pointer{};
  while (data.remaining_bytes() > 0) {
    // Mostly small moves, as a hand makes them; now and then a jump anywhere.
    if (data.ConsumeIntegralInRange<int>(0, 15) == 0) {
      pointer = {data.ConsumeIntegral<std::int32_t>(), data.ConsumeIntegral<std::int32_t>()};
    } else {
      pointer.X = Moved(pointer.X, data.ConsumeIntegralInRange<std::int32_t>(-40, 40));
      pointer.Y = Moved(pointer.Y, data.ConsumeIntegralInRange<std::int32_t>(-40, 40));
    }
    const bool ready = data.ConsumeIntegralInRange<int>(0, 31) != 0;
    const bool readable = data.ConsumeIntegralInRange<int>(0, 63) != 0;

    if (detector.CanSleep(pointer, ready)) {
      const TGestureDetector before = detector;
      FUZZ_CHECK(!detector.TimerTick(pointer, ready, interval));
      FUZZ_CHECK(detector.Trail().empty() && before.Trail().empty());
      FUZZ_CHECK(detector.CoolingDown() == before.CoolingDown());
    } else {
      (void)detector.TimerTick(readable ? std::optional(pointer) : std::nullopt, ready, interval);
    }
    FUZZ_CHECK(detector.Trail().size() <= 62);
    // The confirmation sees trails the turn search seldom passes on: it must hold up on any.
    (void)ConfirmCircle(detector.Trail(), data.ConsumeBool() ? 2 : -2);
  }
  return 0;
}
