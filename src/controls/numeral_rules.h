#pragma once
// The numeric edit's value rules: reading typed text, keeping the value within its bounds,
// which spin buttons may be used, and stepping.
#include <cstdint>
#include <string_view>

#include "controls/numeral_format.h"

struct TNumeralRange {
  std::int32_t Min;
  std::int32_t Max;
  bool Wrap;
};

// The value typed `text` stands for. Text without any digit keeps `current`; a number too large
// in magnitude, or a lone minus sign, goes to the bound on its side.
std::int32_t ValueFromText(std::wstring_view text, TEditOptions options, std::int32_t current,
                           const TNumeralRange& range);

// The value a commit keeps. Typed values, and all values without wrapping, are clamped; a value
// set by the program with wrapping on continues at the other bound.
std::int32_t BoundValue(std::int32_t value, const TNumeralRange& range, bool typed);

struct TButtonStates {
  bool UpEnabled;
  bool DownEnabled;
  bool operator==(const TButtonStates&) const = default;
};
TButtonStates ButtonStatesFor(std::int32_t value, const TNumeralRange& range, bool editEnabled);

// The outcome of one step: the value to set, and the button to disable when the step ran past
// the 32-bit range without wrapping.
struct TStep {
  std::int32_t Value;
  bool DisableUp = false;
  bool DisableDown = false;
  bool operator==(const TStep&) const = default;
};
TStep StepValue(std::int32_t value, std::int32_t increment, bool up, const TNumeralRange& range);
