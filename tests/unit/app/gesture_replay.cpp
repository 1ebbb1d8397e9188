#include "gesture_replay.h"

#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <numbers>
#include <random>
#include <stdexcept>

namespace {

constexpr std::int32_t TimerInterval = 50;

struct TGzCloser {
  void operator()(gzFile file) const { gzclose(file); }
};

// A uniform number in [low, high) from the generator's raw output, the same on every library.
double Uniform(std::mt19937& random, double low, double high) {
  return low + (high - low) * (static_cast<double>(random()) / 4294967296.0);
}

struct TDrawing {
  TSense Sense;
  double StartAngle;
  int Radius;
  int TicksPerTurn;
  double Turns;
};

// The pointer drawing one shape, tick by tick, with the hand's tremor and the timer's hiccups.
TTrace Draw(const TDrawing& drawing, TCircleSet set, std::mt19937& random) {
  const double sense = drawing.Sense == TSense::Clockwise ? 1.0 : -1.0;
  double aspect = 1.0, tilt = 0.0, speedSwing = 0.0, swingPhase = 0.0;
  int swingsPerTurn = 1;
  if (set == TCircleSet::csHarder) {
    aspect = Uniform(random, 0.65, 1.0);
    tilt = Uniform(random, 0.0, std::numbers::pi);
    speedSwing = Uniform(random, -0.3, 0.3);
    swingPhase = Uniform(random, 0.0, 2 * std::numbers::pi);
    swingsPerTurn = 1 + static_cast<int>(random() % 2);
  }
  const TPoint32 centre{960, 540};
  const double meanStep = 2 * std::numbers::pi / drawing.TicksPerTurn;
  const double end = drawing.Turns * 2 * std::numbers::pi;
  TTrace drawn;
  auto at = [&](double travelled) {
    const double angle = drawing.StartAngle + sense * travelled;
    const double x = drawing.Radius * std::cos(angle), y = aspect * drawing.Radius * std::sin(angle);
    const double jitterX = Uniform(random, -2.0, 2.0), jitterY = Uniform(random, -2.0, 2.0);
    return TPoint32{centre.X + static_cast<std::int32_t>(std::lround(x * std::cos(tilt) - y * std::sin(tilt) + jitterX)),
                    centre.Y + static_cast<std::int32_t>(std::lround(x * std::sin(tilt) + y * std::cos(tilt) + jitterY))};
  };
  drawn.insert(drawn.end(), 3, at(0));
  for (double travelled = 0; travelled <= end;) {
    const TPoint32 sample = at(travelled);
    const double hiccup = Uniform(random, 0.0, 1.0);
    if (hiccup >= 0.025) drawn.push_back(sample);  // below: the sample is lost
    if (hiccup >= 0.975) drawn.push_back(sample);  // the sample read twice
    travelled += meanStep * (1 + speedSwing * std::sin(swingsPerTurn * travelled + swingPhase));
  }
  drawn.insert(drawn.end(), 10, drawn.back());
  return drawn;
}

}  // namespace

TRecordedUser ReadRecording(const std::filesystem::path& file) {
  std::unique_ptr<gzFile_s, TGzCloser> gz(gzopen(file.string().c_str(), "rb"));
  if (!gz) throw std::runtime_error("cannot open " + file.string());
  TRecordedUser user{file.stem().stem().string(), {}};
  TTrace stretch;
  auto endStretch = [&] {
    if (!stretch.empty()) user.Stretches.push_back(std::move(stretch));
    stretch.clear();
  };
  char line[256];
  while (gzgets(gz.get(), line, sizeof line)) {
    TPoint32 p;
    if (std::sscanf(line, "%d %d", &p.X, &p.Y) == 2) {
      stretch.push_back(p);
    } else {
      endStretch();  // a session's start or a rest
    }
  }
  int error = Z_OK;
  gzerror(gz.get(), &error);
  if (error != Z_OK && error != Z_STREAM_END) throw std::runtime_error("cannot read " + file.string());
  endStretch();
  return user;
}

std::vector<TRecordedUser> ReadRecordings(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().string().ends_with(".txt.gz")) files.push_back(entry.path());
  }
  std::ranges::sort(files);
  std::vector<TRecordedUser> users;
  for (const auto& file : files) users.push_back(ReadRecording(file));
  return users;
}

int CountPopups(const std::vector<TTrace>& stretches, TCircleRule rule) {
  int popups = 0;
  for (const TTrace& stretch : stretches) {
    TGestureDetector detector(rule);
    for (const TPoint32& p : stretch) popups += detector.TimerTick(p, true, TimerInterval);
  }
  return popups;
}

std::vector<TTrace> DeliberateCircles(TCircleSet set) {
  std::mt19937 random(set == TCircleSet::csJittered ? 1 : 2);
  std::vector<TTrace> circles;
  for (TSense sense : {TSense::Clockwise, TSense::Anticlockwise})
    for (int start = 0; start < 8; ++start)
      for (int radius : {30, 50, 80, 120, 180, 240, 300})
        for (int ticksPerTurn : {10, 14, 20, 28, 40})
          for (double turns : {1.2, 1.5, 2.0})
            circles.push_back(Draw({sense, start * std::numbers::pi / 4, radius, ticksPerTurn, turns}, set, random));
  return circles;
}

bool OpensMenu(const TTrace& trace, TCircleRule rule) {
  TGestureDetector detector(rule);
  return std::ranges::any_of(trace, [&](const TPoint32& p) { return detector.TimerTick(p, true, TimerInterval); });
}

TRecognition Recognise(const std::vector<TTrace>& circles) {
  TRecognition result;
  for (const TTrace& circle : circles) {
    const bool turnsOnly = OpensMenu(circle, TCircleRule::crTurnsOnly);
    const bool confirmed = OpensMenu(circle, TCircleRule::crConfirmed);
    ++result.Circles;
    result.TurnsOnly += turnsOnly;
    result.Confirmed += confirmed;
    result.ConfirmedOfTurnsOnly += turnsOnly && confirmed;
  }
  return result;
}
