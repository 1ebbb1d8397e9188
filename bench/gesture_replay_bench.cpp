// The gesture detector on recorded pointer work and on deliberately drawn circles, the turn
// search alone against the whole detector: false popups per hour of session, the share of drawn
// circles recognised in time (overall, by speed and by size), and the cost of a timer tick.
// Usage: bench_gesture_replay [recordings folder] [session hours]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <span>

#include "gesture_replay.h"

namespace {

using Clock = std::chrono::steady_clock;

// The tick's cost is the best of a few replays: other work on the machine only slows one down.
constexpr int TimedReplays = 3;

const char* RuleName(TCircleRule rule) { return rule == TCircleRule::crTurnsOnly ? "turn search alone" : "confirmed"; }

struct TRuleFigures {
  int Popups = 0;
  long long Ticks = 0;
  Clock::duration Time = Clock::duration::max();
};

TRuleFigures Replay(const std::vector<TRecordedUser>& users, TCircleRule rule) {
  TRuleFigures figures;
  for (const TRecordedUser& user : users) {
    for (const TTrace& stretch : user.Stretches) figures.Ticks += static_cast<long long>(stretch.size());
  }
  for (int replay = 0; replay < TimedReplays; ++replay) {
    const auto start = Clock::now();
    int popups = 0;
    for (const TRecordedUser& user : users) popups += CountPopups(user.Stretches, rule);
    figures.Time = std::min(figures.Time, Clock::now() - start);
    figures.Popups = popups;
  }
  return figures;
}

struct TBand {
  const char* Name;
  double Low, High;  // Low included, High not
};

constexpr double Beyond = std::numeric_limits<double>::infinity();
constexpr TBand SpeedBands[] = {{"0.3-0.5 s per loop", 0, 0.5},
                                {"0.5-0.8 s per loop", 0.5, 0.8},
                                {"0.8-1.2 s per loop", 0.8, 1.2},
                                {"1.2-2 s per loop", 1.2, Beyond}};
constexpr TBand SizeBands[] = {{"radius 25-50 px", 0, 50},
                               {"radius 50-100 px", 50, 100},
                               {"radius 100-200 px", 100, 200},
                               {"radius 200-300 px", 200, Beyond}};

struct TShare {
  int Recognised = 0, Circles = 0;
  void Count(bool recognised) {
    Recognised += recognised;
    ++Circles;
  }
  double Percent() const { return Circles ? 100.0 * Recognised / Circles : 0; }
};

void PrintBands(const char* title, std::span<const TBand> bands, double TDrawnCircle::*measure,
                const std::vector<TDrawnCircle>& circles, const std::vector<bool>& recognised) {
  std::printf("  by %s:\n", title);
  for (const TBand& band : bands) {
    TShare share;
    for (std::size_t k = 0; k < circles.size(); ++k) {
      const double value = circles[k].*measure;
      if (value >= band.Low && value < band.High) share.Count(recognised[k]);
    }
    std::printf("    %-20s %5d of %5d  %6.2f%%\n", band.Name, share.Recognised, share.Circles, share.Percent());
  }
}

void PrintRecognition(TCircleRule rule, const std::vector<TDrawnCircle>& circles) {
  std::vector<bool> recognised;
  TShare all;
  for (const TDrawnCircle& circle : circles) {
    recognised.push_back(RecognisedInTime(circle, rule));
    all.Count(recognised.back());
  }
  std::printf("%s: %d of %d drawn circles recognised in time, %.2f%%\n", RuleName(rule), all.Recognised,
              all.Circles, all.Percent());
  PrintBands("speed", SpeedBands, &TDrawnCircle::SecondsPerLoop, circles, recognised);
  PrintBands("size", SizeBands, &TDrawnCircle::Radius, circles, recognised);
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
    std::printf("%s: %d false popups, %.2f per hour of session; %.0f ns per tick (%lld ticks, best of %d)\n",
                RuleName(rule), f.Popups, f.Popups / hours, nanoseconds / f.Ticks, f.Ticks, TimedReplays);
  }
  const std::vector<TDrawnCircle> circles = DeliberateCircles();
  for (TCircleRule rule : {TCircleRule::crTurnsOnly, TCircleRule::crConfirmed}) PrintRecognition(rule, circles);
}
