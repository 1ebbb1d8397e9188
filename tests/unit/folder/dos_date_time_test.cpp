#include "folder/dos_date_time.h"

#include <gtest/gtest.h>

namespace {

bool SameParts(const TDateTimeParts& a, const TDateTimeParts& b) {
  return a.Year == b.Year && a.Month == b.Month && a.Day == b.Day && a.Hour == b.Hour && a.Minute == b.Minute &&
         a.Second == b.Second;
}

}  // namespace

TEST(DosDateTime, PacksFieldsIntoTheirBits) {
  // 2024-02-29 13:45:58: year 44, month 2, day 29, hour 13, minute 45, second 29 (58 / 2).
  const std::uint32_t packed = PackDosDateTime({2024, 2, 29, 13, 45, 58});
  EXPECT_EQ(packed, (44u << 25) | (2u << 21) | (29u << 16) | (13u << 11) | (45u << 5) | 29u);
  EXPECT_TRUE(SameParts(UnpackDosDateTime(packed), {2024, 2, 29, 13, 45, 58}));
}

TEST(DosDateTime, OddSecondsLoseTheirLastBitAndYearsAreClamped) {
  EXPECT_EQ(UnpackDosDateTime(PackDosDateTime({1999, 12, 31, 23, 59, 59})).Second, 58);
  EXPECT_EQ(UnpackDosDateTime(PackDosDateTime({1970, 1, 1, 0, 0, 0})).Year, 1980);
  EXPECT_EQ(UnpackDosDateTime(PackDosDateTime({2200, 1, 1, 0, 0, 0})).Year, 2107);
  EXPECT_EQ(PackDosDateTime({1980, 1, 1, 0, 0, 0}), 0x00210000u);
}

TEST(DosDateTime, ConvertsToDaysSince30December1899) {
  EXPECT_DOUBLE_EQ(EncodeDateTime({1899, 12, 30, 0, 0, 0}), 0.0);
  EXPECT_DOUBLE_EQ(EncodeDateTime({1900, 1, 1, 12, 0, 0}), 2.5);
  EXPECT_DOUBLE_EQ(DosDateTimeToDateTime(PackDosDateTime({1980, 1, 1, 6, 0, 0})), 29221.25);
  EXPECT_DOUBLE_EQ(EncodeDateTime({2000, 3, 1, 0, 0, 0}), 36586.0);  // after a century leap day
}

TEST(DosDateTime, DecodesWhatItEncodes) {
  for (const TDateTimeParts parts : {TDateTimeParts{1980, 1, 1, 0, 0, 0}, TDateTimeParts{2024, 2, 29, 23, 59, 58},
                                     TDateTimeParts{2107, 12, 31, 23, 59, 58}, TDateTimeParts{1900, 3, 1, 1, 2, 4}}) {
    EXPECT_TRUE(SameParts(DecodeDateTime(EncodeDateTime(parts)), parts)) << parts.Year << "-" << parts.Month;
  }
}
