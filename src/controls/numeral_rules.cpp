#include "controls/numeral_rules.h"

#include <limits>

std::int32_t ValueFromText(std::wstring_view text, TEditOptions options, std::int32_t current,
                           const TNumeralRange& range) {
  const std::wstring normalized = NormalizeText(text, options);
  if (const auto value = ParseNormalized(normalized)) return *value;
  // No digits at all: an empty field, or a hexadecimal one holding just its "$".
  if (normalized.empty() || normalized == L"$") return current;
  return normalized.front() == L'-' ? range.Min : range.Max;
}

std::int32_t BoundValue(std::int32_t value, const TNumeralRange& range, bool typed) {
  if (!range.Wrap || typed) {
    if (value >= range.Max) return range.Max;
    if (value <= range.Min) return range.Min;
    return value;
  }
  if (value > range.Max) return range.Min;
  if (value < range.Min) return range.Max;
  return value;
}

TButtonStates ButtonStatesFor(std::int32_t value, const TNumeralRange& range, bool editEnabled) {
  if (!editEnabled || (!range.Wrap && range.Max == range.Min)) return {false, false};
  if (range.Wrap) return {true, true};
  if (value >= range.Max) return {false, true};
  if (value <= range.Min) return {true, false};
  return {true, true};
}

TStep StepValue(std::int32_t value, std::int32_t increment, bool up, const TNumeralRange& range) {
  const std::int64_t next = up ? std::int64_t{value} + increment : std::int64_t{value} - increment;
  if (next >= std::numeric_limits<std::int32_t>::min() && next <= std::numeric_limits<std::int32_t>::max())
    return {static_cast<std::int32_t>(next)};
  if (up) return range.Wrap ? TStep{range.Min} : TStep{range.Max, true, false};
  return range.Wrap ? TStep{range.Max} : TStep{range.Min, false, true};
}
