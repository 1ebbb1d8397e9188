#include "folder/dos_date_time.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int SecondsPerDay = 24 * 60 * 60;

// Days since 1 March of year 0 (proleptic Gregorian), the civil-calendar algorithm.
long DaysFromCivil(int year, int month, int day) {
  year -= month <= 2;
  const long era = (year >= 0 ? year : year - 399) / 400;
  const long yoe = year - era * 400;
  const long doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe;
}

void CivilFromDays(long days, int& year, int& month, int& day) {
  const long era = (days >= 0 ? days : days - 146096) / 146097;
  const long doe = days - era * 146097;
  const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(yoe + era * 400 + (month <= 2));
}

}  // namespace

std::uint32_t PackDosDateTime(const TDateTimeParts& p) {
  const std::uint32_t year = static_cast<std::uint32_t>(std::clamp(p.Year, 1980, 2107) - 1980);
  return year << 25 | static_cast<std::uint32_t>(p.Month & 0x0F) << 21 |
         static_cast<std::uint32_t>(p.Day & 0x1F) << 16 | static_cast<std::uint32_t>(p.Hour & 0x1F) << 11 |
         static_cast<std::uint32_t>(p.Minute & 0x3F) << 5 | static_cast<std::uint32_t>((p.Second / 2) & 0x1F);
}

TDateTimeParts UnpackDosDateTime(std::uint32_t packed) {
  return TDateTimeParts{static_cast<int>(packed >> 25) + 1980, static_cast<int>(packed >> 21 & 0x0F),
                        static_cast<int>(packed >> 16 & 0x1F), static_cast<int>(packed >> 11 & 0x1F),
                        static_cast<int>(packed >> 5 & 0x3F),  static_cast<int>(packed & 0x1F) * 2};
}

double EncodeDateTime(const TDateTimeParts& p) {
  const long days = DaysFromCivil(p.Year, p.Month, p.Day) - DaysFromCivil(1899, 12, 30);
  const int seconds = p.Hour * 3600 + p.Minute * 60 + p.Second;
  return static_cast<double>(days) + static_cast<double>(seconds) / SecondsPerDay;
}

TDateTimeParts DecodeDateTime(double dateTime) {
  // Round to the second first, so 23:59:59.9999 does not come back as second 60.
  const long long total = std::llround(dateTime * SecondsPerDay);
  long long days = total / SecondsPerDay;
  long long seconds = total % SecondsPerDay;
  if (seconds < 0) {
    seconds += SecondsPerDay;
    --days;
  }
  TDateTimeParts p{};
  CivilFromDays(static_cast<long>(days) + DaysFromCivil(1899, 12, 30), p.Year, p.Month, p.Day);
  p.Hour = static_cast<int>(seconds / 3600);
  p.Minute = static_cast<int>(seconds / 60 % 60);
  p.Second = static_cast<int>(seconds % 60);
  return p;
}

double DosDateTimeToDateTime(std::uint32_t packed) { return EncodeDateTime(UnpackDosDateTime(packed)); }
