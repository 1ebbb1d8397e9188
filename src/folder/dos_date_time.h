#pragma once
// Packed DOS date-times (as file listings keep them) and the day-count date-time form
// (days since 30 December 1899, the fraction being the time of day).
#include <cstdint>

struct TDateTimeParts {
  int Year;
  int Month;
  int Day;
  int Hour;
  int Minute;
  int Second;
};

// Bits 25-31 year - 1980, 21-24 month, 16-20 day, 11-15 hour, 5-10 minute, 0-4 second / 2.
// Years outside 1980..2107 are clamped to that range: the format cannot hold them.
std::uint32_t PackDosDateTime(const TDateTimeParts& parts);
TDateTimeParts UnpackDosDateTime(std::uint32_t packed);

double EncodeDateTime(const TDateTimeParts& parts);
TDateTimeParts DecodeDateTime(double dateTime);
double DosDateTimeToDateTime(std::uint32_t packed);
