// The gesture detector on recorded pointer work and on deliberately drawn circles, the turn
// search alone against the turn search with its circles confirmed: false popups per hour of
// session, the share of drawn circles recognised, and the cost of a timer tick.
// Usage: bench_gesture_replay [recordings folder] [session hours]
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "gesture_replay.h"

namespace {

using Clock = std::chrono::steady_clock;

struct TRuleFigures {
  int Popups = 0;
  long long Ticks = 0;
  Clock::duration Time{};
};

TRuleFigures Replay(const std::vector<TRecordedUser>& users, TCircleRule rule) {
  TRuleFigures figures;
  const auto start = Clock::now();
  for (const TRecordedUser& user : users) {
    figures.Popups += CountPopups(user.Stretches, rule);
    for (const TTrace& stretch : user.Stretches) figures.Ticks += static_cast<long long>(stretch.size());
  }
  figures.Time = Clock::now() - start;
  return figures;
}

void PrintRecognition(const char* name, const TRecognition& r) {
  std::printf("%-9s %5d circles: turn search alone %5d (%.2f%%), confirmed %5d (%.2f%%), "
              "kept %.2f%% of those the turn search recognises\n",
              name, r.Circles, r.TurnsOnly, 100.0 * r.TurnsOnly / r.Circles, r.Confirmed,
              100.0 * r.Confirmed / r.Circles, 100.0 * r.ShareKept());
}

}  // namespace

int main(int argc, char** argv) {
  const char* folder = argc > 1 ? argv[1] : TAMARIND_POINTER_TRACES;
  const double hours = argc > 2 ? std::atof(argv[2]) : 99.9;
  const auto users = ReadRecordings(folder);
  std::printf("recorded pointer work: %zu users, %.1f hours of session\n", users.size(), hours);
  for (const TRecordedUser& user : users) {
    std::printf("  %-8s popups: turn search alone %4d, confirmed %3d\n", user.Name.c_str(),
                CountPopups(user.Stretches, TCircleRule::crTurnsOnly),
                CountPopups(user.Stretches, TCircleRule::crConfirmed));
  }
  for (TCircleRule rule : {TCircleRule::crTurnsOnly, TCircleRule::crConfirmed}) {
    const TRuleFigures f = Replay(users, rule);
    const double nanoseconds = std::chrono::duration<double, std::nano>(f.Time).count();
    std::printf("%-18s %5d false popups, %.2f per hour of session; %.0f ns per tick (%lld ticks)\n",
                rule == TCircleRule::crTurnsOnly ? "turn search alone:" : "confirmed:", f.Popups,
                f.Popups / hours, nanoseconds / f.Ticks, f.Ticks);
  }
  PrintRecognition("jittered", Recognise(DeliberateCircles(TCircleSet::csJittered)));
  PrintRecognition("harder", Recognise(DeliberateCircles(TCircleSet::csHarder)));
}
