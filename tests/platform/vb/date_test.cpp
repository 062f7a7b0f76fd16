#include "platform/vb/date.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "platform/vb/error.h"

namespace qvl::vb {
namespace {

Date D(int y, int m, int d, int h = 0, int n = 0, int s = 0) { return *Date::Make(y, m, d, h, n, s); }

TEST(Date, ParsesCalendarValidUsMonthDayYearOnly) {
  const std::pair<const char*, Date> dates[] = {
      {"12/06/2026", D(2026, 12, 6)}, {"12-6-2026", D(2026, 12, 6)}, {"  12/6/2026  ", D(2026, 12, 6)},
      {"1/7/03", D(2003, 1, 7)},      {"1/1/29", D(2029, 1, 1)},      {"1/1/30", D(1930, 1, 1)},
      {"2/29/00", D(2000, 2, 29)},    {"2/29/2024", D(2024, 2, 29)},  {"12/31/9999", D(9999, 12, 31)}};
  for (const auto& [text, date] : dates) EXPECT_EQ(ParseDate(text), date) << text;
  for (const char* text : {"2026-12-06", "20261206", "12/6", "12/6/202", "12/6/20266", "12/6/2026 14:05",
                           "Dec 6, 2026", "6.12.2026", "12/06-2026", "", "123/6/2026", "1/1/0099", "12/6/2026x",
                           "\t12/6/2026", "2/29/2026", "2/29/1900", "13/1/2026", "0/1/2026", "4/31/2026", "1/0/2026"}) {
    EXPECT_FALSE(IsDate(text)) << text;
  }
  EXPECT_THROW(CDate("2026-12-06"), Error);
}

TEST(Date, RecordDatesUseAllFourYearDigits) {
  EXPECT_EQ(DateFromYyyymmdd("19291231"), D(1929, 12, 31));
  EXPECT_EQ(DateFromYyyymmdd("20300101"), D(2030, 1, 1));
  EXPECT_EQ(DateFromYyyymmdd(" 20240229 "), D(2024, 2, 29));
  for (const char* text : {"20230229", "20261306", "2026126", "202612066", "2026-12-", "", "00000000", "ABCDEFGH"}) {
    EXPECT_FALSE(DateFromYyyymmdd(text).has_value()) << text;
  }
}

TEST(Date, SerialsWeekdaysAndNames) {
  EXPECT_EQ(D(1899, 12, 30).Serial(), 0.0);
  EXPECT_EQ(D(2026, 12, 6).Serial(), 46362.0);
  EXPECT_EQ(Date::FromSerial(-1.25), D(1899, 12, 29, 6));
  EXPECT_EQ(Date::FromSerial(D(100, 1, 1).Serial()), D(100, 1, 1));
  EXPECT_THROW(Date::FromSerial(D(9999, 12, 31).Serial() + 1), Error);
  EXPECT_THROW(Date::FromSerial(D(100, 1, 1).Serial() - 1), Error);
  EXPECT_EQ(Weekday(D(2009, 10, 8)), 5);  // Thursday
  EXPECT_EQ(Weekday(D(1899, 12, 29)), 6);
  EXPECT_EQ(WeekdayName(Weekday(D(2009, 10, 4)), true), "Sun");
  EXPECT_EQ(MonthName(9, true), "Sep");
  EXPECT_THROW(MonthName(13), Error);
  EXPECT_EQ(D(2024, 12, 31).DayOfYear(), 366);
}

TEST(Date, DateAddCarriesAcrossMonthAndYearEnds) {
  const std::pair<Date, Date> rows[] = {
      {DateAdd(Interval::Day, -60, D(2026, 12, 6)), D(2026, 10, 7)},
      {DateAdd(Interval::Month, 1, D(2026, 1, 31)), D(2026, 2, 28)},
      {DateAdd(Interval::Month, 1, D(2024, 1, 31)), D(2024, 2, 29)},
      {DateAdd(Interval::Month, -12, D(2026, 1, 15)), D(2025, 1, 15)},
      {DateAdd(Interval::Year, 1, D(2024, 2, 29)), D(2025, 2, 28)},
      {DateAdd(Interval::Day, 1, D(2026, 12, 6, 14, 5)), D(2026, 12, 7, 14, 5)},
  };
  for (const auto& [computed, expected] : rows) EXPECT_EQ(computed, expected) << CStr(expected);
  EXPECT_THROW(DateAdd(Interval::Day, 1, D(9999, 12, 31)), Error);
  EXPECT_THROW(DateAdd(Interval::Year, INT64_MAX, D(2026, 1, 1)), Error);
  EXPECT_THROW(DateAdd(Interval::Day, INT64_MIN, D(2026, 1, 1)), Error);
}

TEST(Date, DefaultTextIsTheUsShortForm) {
  EXPECT_EQ(CStr(D(2026, 12, 6)), "12/6/2026");
  EXPECT_EQ(CStr(D(2002, 4, 29, 10, 21, 47)), "4/29/2002 10:21:47 AM");
  EXPECT_EQ(CStr(D(2026, 12, 6, 14, 5)), "12/6/2026 2:05:00 PM");
  EXPECT_EQ(CStr(D(2026, 12, 6, 0, 0, 1)), "12/6/2026 12:00:01 AM");
}

}  // namespace
}  // namespace qvl::vb
