#pragma once
// The circle gesture: the pointer is sampled once per timer tick, samples that moved far enough
// form a trail, and integer geometry tells a circle drawn in either sense from any other
// movement. No trigonometry: sixteen directions are told apart by comparing slopes.
#include <array>
#include <cstdint>
#include <optional>
#include <span>

struct TPoint32 {
  std::int32_t X;
  std::int32_t Y;
  constexpr bool operator==(const TPoint32&) const = default;
};

struct TTrailPoint {
  std::int32_t X;
  std::int32_t Y;
  std::int32_t Tick;    // timer ticks, relative to the trail's oldest point
  std::int32_t Ms = 0;  // measured milliseconds, relative likewise
};

// The direction code (0 to 15) of the vector a - b, y growing downward: four sectors to a
// quadrant, split by the slopes 1/2, 1 and 2, counted from +x towards +y (0 to 3), -x (4 to 7),
// -y (8 to 11) and back to +x (12 to 15).
int TrailDirection(const TTrailPoint& a, const TTrailPoint& b);

// True when two direction codes lie at most `tolerance` apart on the circle of sixteen.
bool DirectionsNear(int a, int b, int tolerance);

// The answers of the turn search, numbered as the detector has always numbered them.
enum class TTurnMatch { tmCircle = 1, tmTooSlow = 2, tmTooFew = 3 };

// Searches `trail` (oldest first) for six successive turns of `step` codes (-2 or +2) after
// the first segment, the k-th turn found at an index of at most k * `turnSpan`. tmTooSlow when
// a turn did not come in time, tmTooFew when the trail ran out first. Never reads past the
// trail's newest point nor past index 100.
TTurnMatch MatchTurns(std::span<const TTrailPoint> trail, int step, std::int32_t turnSpan);

// How far a trail must go before it counts as a circle: the turn search alone, or the turn
// search with its circles confirmed as round, smooth full turns drawn in one go (see
// circle_confirmation.h) together with the loops too fast for the turn search (loop_closure.h).
enum class TCircleRule { crTurnsOnly, crConfirmed };

// A circle in either sense: tmCircle if either sense matches, else tmTooFew if either sense
// may still match with more points, else tmTooSlow. Under crConfirmed a sense whose turns match
// counts as tmTooFew while its trail has not yet turned far enough, and as tmTooSlow when it is
// not a circle at all.
TTurnMatch DetectCircle(std::span<const TTrailPoint> trail, std::int32_t turnSpan, TCircleRule rule);

// The gesture timer's state: the trail, its clock and the cool-down after a recognised circle.
class TGestureDetector {
public:
  static constexpr int TrailCapacity = 101;

  explicit TGestureDetector(TCircleRule rule = TCircleRule::crConfirmed) : FRule(rule) {}

  // One tick of the gesture timer, `intervalMs` after the one before as the caller measured it
  // (a 50 ms timer fires 47 to 63 ms apart on Windows). `pointer` is empty when the position
  // could not be read; while `ready` is false (a menu build runs) the tick does nothing. True
  // when a circle was recognised: the caller posts the gesture popup.
  [[nodiscard]] bool TimerTick(std::optional<TPoint32> pointer, bool ready, std::int32_t intervalMs);

  // True when further ticks with the pointer resting at `pointer` would change nothing the
  // detector can ever recognise, so the timer may stop until the pointer moves.
  [[nodiscard]] bool CanSleep(TPoint32 pointer, bool ready) const;

  void ResetTrail();
  // Drops the oldest point and rebases the clock on the new oldest one.
  void DropOldestPoint();
  [[nodiscard]] TTurnMatch MatchTurns(int step) const;
  [[nodiscard]] TTurnMatch DetectCircle() const;

  std::span<const TTrailPoint> Trail() const { return {FTrail.data(), static_cast<std::size_t>(FTrailCount)}; }
  std::int32_t Tick() const { return FTick; }
  TPoint32 LastPos() const { return FLastPos; }
  bool CoolingDown() const { return FCoolDown; }

private:
  bool MovedFromLastPos(TPoint32 pointer) const;
  void AppendPoint(TPoint32 pointer);
  bool DropOutdatedPoint();
  bool SearchTrail();
  bool Recognised();

  TCircleRule FRule;
  std::int32_t FTurnSpan = 5;       // points each turn may stretch over
  std::int32_t FMoveThreshold = 2;  // pixels, on both axes, before a point is recorded
  TPoint32 FLastPos{};
  std::array<TTrailPoint, TrailCapacity> FTrail{};
  std::int32_t FTrailCount = 0;
  std::int32_t FTick = 0;
  std::int32_t FElapsedMs = 0;  // since the oldest point, or since the recognition while cooling down
  std::int32_t FMinPoints = 12;  // the search starts at this many points
  bool FCoolDown = false;
};
