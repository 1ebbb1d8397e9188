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

struct TGzCloser {
  void operator()(gzFile file) const { gzclose(file); }
};

// A uniform number in [low, high) from the generator's raw output, the same on every library.
double Uniform(std::mt19937& random, double low, double high) {
  return low + (high - low) * (static_cast<double>(random()) / 4294967296.0);
}

// Evenly spread on a logarithmic scale: as many circles from 0.3 to 0.6 s per loop as from 1 to 2 s.
double LogUniform(std::mt19937& random, double low, double high) {
  return std::exp(Uniform(random, std::log(low), std::log(high)));
}

// Windows rounds a 50 ms timer to its 15.625 ms clock: three or four clock ticks apart.
constexpr double ShortTickMs = 46.875, LongTickMs = 62.5;
constexpr double RecognitionGraceSeconds = 0.3;

// A hand drawing loops: where the pointer is after `travelled` radians along the drawing.
struct THand {
  TSense Sense;
  double StartAngle, Radius, Aspect, Tilt;
  double DriftX, DriftY;  // of the centre, in pixels per loop
  double SpeedSwing, SwingsPerLoop, SwingPhase;
  double Tremor;  // pixels

  // How fast the hand goes at this point of the drawing, against its mean.
  double Pace(double travelled) const { return 1 + SpeedSwing * std::sin(SwingsPerLoop * travelled + SwingPhase); }

  TPoint32 At(double travelled, std::mt19937& random) const {
    const double angle = StartAngle + (Sense == TSense::Clockwise ? travelled : -travelled);
    const double x = Radius * std::cos(angle), y = Aspect * Radius * std::sin(angle);
    const double loops = travelled / (2 * std::numbers::pi);
    const double centreX = 960 + DriftX * loops, centreY = 540 + DriftY * loops;
    return {static_cast<std::int32_t>(std::lround(centreX + x * std::cos(Tilt) - y * std::sin(Tilt) +
                                                  Uniform(random, -Tremor, Tremor))),
            static_cast<std::int32_t>(std::lround(centreY + x * std::sin(Tilt) + y * std::cos(Tilt) +
                                                  Uniform(random, -Tremor, Tremor)))};
  }
};

TDrawnCircle Draw(std::mt19937& random) {
  const double secondsPerLoop = LogUniform(random, 0.3, 2.0);
  const double loops = Uniform(random, 1.1, 2.0);
  const double radius = LogUniform(random, 25, 300);
  const double driftAngle = Uniform(random, 0, 2 * std::numbers::pi);
  const double drift = Uniform(random, 0, radius / 5);
  const THand hand{random() % 2 ? TSense::Clockwise : TSense::Anticlockwise,
                   Uniform(random, 0, 2 * std::numbers::pi),
                   radius,
                   Uniform(random, 2.0 / 3, 1.0),
                   Uniform(random, 0, std::numbers::pi),
                   drift * std::cos(driftAngle),
                   drift * std::sin(driftAngle),
                   Uniform(random, 0, 0.35),
                   std::floor(Uniform(random, 1, 3)),
                   Uniform(random, 0, 2 * std::numbers::pi),
                   Uniform(random, 1, 2)};
  // Some machines' timers fire mostly late, some mostly early.
  const double longTickShare = Uniform(random, 0, 1);
  auto nextInterval = [&] { return Uniform(random, 0, 1) < longTickShare ? LongTickMs : ShortTickMs; };

  // The drawing as it goes, in 1 ms steps: how far along it is at each millisecond.
  const double end = loops * 2 * std::numbers::pi;
  const double meanSpeed = 2 * std::numbers::pi / (secondsPerLoop * 1000);
  std::vector<double> travelledAt{0};
  while (travelledAt.back() < end) {
    travelledAt.push_back(std::min(end, travelledAt.back() + meanSpeed * hand.Pace(travelledAt.back())));
  }
  const double drawingMs = static_cast<double>(travelledAt.size() - 1);

  TDrawnCircle circle{drawingMs / 1000 / loops, radius, loops, {}, 0};
  const TPoint32 start = hand.At(0, random), finish = hand.At(end, random);
  // At rest on the start for a while; the drawing begins anywhere between two ticks.
  double sinceStart = -Uniform(random, 200, 400);
  for (double interval = nextInterval();; interval = nextInterval()) {
    sinceStart += interval;
    const auto measured = static_cast<std::int32_t>(std::lround(interval));
    TPoint32 at = start;
    if (sinceStart >= drawingMs) {
      at = finish;
    } else if (sinceStart > 0) {
      at = hand.At(travelledAt[static_cast<std::size_t>(sinceStart)], random);
    }
    circle.Ticks.push_back({at, measured});
    if (sinceStart <= drawingMs + RecognitionGraceSeconds * 1000) {
      circle.LastTickInTime = static_cast<int>(circle.Ticks.size()) - 1;
    }
    if (sinceStart > drawingMs + 1000) break;
  }
  return circle;
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
  for (const TTrace& stretch : stretches) popups += static_cast<int>(PopupTicks(stretch, rule).size());
  return popups;
}

std::vector<TDrawnCircle> DeliberateCircles() {
  std::mt19937 random(40);
  std::vector<TDrawnCircle> circles;
  for (int k = 0; k < 4000; ++k) circles.push_back(Draw(random));
  return circles;
}

bool RecognisedInTime(const TDrawnCircle& circle, TCircleRule rule) {
  const std::vector<int> popups = PopupTicks(circle.Ticks, rule);
  return !popups.empty() && popups.front() <= circle.LastTickInTime;
}
