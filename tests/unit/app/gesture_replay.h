#pragma once
// Replays for judging the gesture detector as a whole: recorded pointer work of real people,
// where every popup is a false one, and sets of deliberately drawn circles, where every circle
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

// The sets of deliberate circles: radius 30 to 300 px, 0.5 to 2 s per turn, 1.2 to 2 turns,
// both senses, eight start angles, each sample moved up to 2 px and 5% of the samples lost or
// doubled. The harder set draws ellipses of aspect 0.65 to 1 at any tilt with the angular speed
// varying by up to 30% along the way.
enum class TCircleSet { csJittered, csHarder };
std::vector<TTrace> DeliberateCircles(TCircleSet set);

// Whether a trace (started from rest) opens the menu at all.
bool OpensMenu(const TTrace& trace, TCircleRule rule);

struct TRecognition {
  int Circles = 0;             // in the set
  int TurnsOnly = 0;           // recognised by the turn search alone
  int Confirmed = 0;           // recognised with the confirmation
  int ConfirmedOfTurnsOnly = 0;  // recognised by both
  double ShareKept() const { return TurnsOnly ? double(ConfirmedOfTurnsOnly) / TurnsOnly : 0; }
};
TRecognition Recognise(const std::vector<TTrace>& circles);
