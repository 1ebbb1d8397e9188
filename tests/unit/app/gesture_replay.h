#pragma once
// Replays for judging the gesture detector as a whole: recorded pointer work of real people,
// where every popup is a false one, and a set of deliberately drawn circles, where every circle
// should open the menu.
#include <filesystem>
#include <string>
#include <vector>

#include "app/gesture_detector.h"
#include "gesture_traces.h"

// One user's recording: the stretches of pointer work between rests (a rest empties the trail,
// so each stretch starts afresh).
struct TRecordedUser {
  std::string Name;
  std::vector<TTrace> Stretches;
};

// Reads a recording: gzip'd text, one "x y" line per 50 ms tick, "# session NAME" lines and empty
// lines (rests) between stretches. Throws std::runtime_error when the file cannot be read.
TRecordedUser ReadRecording(const std::filesystem::path& file);

// Every recording (*.txt.gz) in `folder`, by name.
std::vector<TRecordedUser> ReadRecordings(const std::filesystem::path& folder);

// How often the detector asks for the popup while replaying the stretches.
int CountPopups(const std::vector<TTrace>& stretches, TCircleRule rule);

// A circle drawn by hand as the gesture timer sees it, with what it was drawn like.
struct TDrawnCircle {
  double SecondsPerLoop;
  double Radius;  // the longer half-axis, in pixels
  double Loops;
  std::vector<TTimedTick> Ticks;  // from rest, through the drawing, to rest again
  int LastTickInTime;             // the last tick at most 0.3 s after the drawing ended
};

// The circles people draw: 0.3 to 2 s per loop, radius 25 to 300 px, 1.1 to 2 loops, either way
// round, ellipses as flat as 2:3 at any tilt, a centre drifting by up to a fifth of the radius
// per loop, the speed swinging along the loop, a tremor of one or two pixels, and a timer that
// fires every 46.9 or 62.5 ms, as Windows rounds 50 ms up to its 15.6 ms clock.
std::vector<TDrawnCircle> DeliberateCircles();

// Whether the detector asks for the popup while the circle is drawn or within 0.3 s of its end.
bool RecognisedInTime(const TDrawnCircle& circle, TCircleRule rule);
