#include "platform/vb/date.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

#include "platform/vb/clock.h"
#include "platform/vb/error.h"

namespace qvl::vb {
namespace {

Date D(int y, int m, int d, int h = 0, int n = 0, int s = 0) { return *Date::Make(y, m, d, h, n, s); }

TEST(Date, ParsesUsMonthDayYearOnly) {
  EXPECT_EQ(ParseDate("12/6/2026"), D(2026, 12, 6));
  EXPECT_EQ(ParseDate("12/06/2026"), D(2026, 12, 6));
  EXPECT_EQ(ParseDate("1/7/03"), D(2003, 1, 7));
  EXPECT_EQ(ParseDate("12-06-2026"), D(2026, 12, 6));
  EXPECT_EQ(ParseDate("  12/6/2026  "), D(2026, 12, 6));
  for (const char* text : {"2026-12-06", "2026/12/06", "20261206", "12/6", "12/6/", "12/6/202", "12/6/20266",
                           "12/6/2026 14:05", "Dec 6, 2026", "6.12.2026", "12/06-2026", "12 6 2026", "", " ",
                           "123/6/2026", "12/123/2026", "1/1/0099", "a/b/cccc", "12/6/2026x", "\t12/6/2026"}) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(IsDate(text));
  }
}

TEST(Date, ChecksTheCalendar) {
  for (const char* text : {"2/29/2024", "2/29/2000", "12/31/9999"}) EXPECT_TRUE(IsDate(text)) << text;
  for (const char* text : {"2/29/2026", "2/29/1900", "13/1/2026", "0/1/2026", "4/31/2026", "1/0/2026"})
    EXPECT_FALSE(IsDate(text)) << text;
}

TEST(Date, TwoDigitYearsWindowAt2030) {
  EXPECT_EQ(CDate("1/1/00").Year(), 2000);
  EXPECT_EQ(CDate("1/1/29").Year(), 2029);
  EXPECT_EQ(CDate("1/1/30").Year(), 1930);
  EXPECT_EQ(CDate("1/1/99").Year(), 1999);
  EXPECT_EQ(CDate("2/29/00"), D(2000, 2, 29));
  EXPECT_THROW(CDate("2026-12-06"), Error);
}

TEST(Date, RecordDatesUseAllFourYearDigits) {
  EXPECT_EQ(DateFromYyyymmdd("20091008"), D(2009, 10, 8));
  EXPECT_EQ(DateFromYyyymmdd("19291231"), D(1929, 12, 31));
  EXPECT_EQ(DateFromYyyymmdd("20300101"), D(2030, 1, 1));
  EXPECT_EQ(DateFromYyyymmdd(" 20240229 "), D(2024, 2, 29));
  for (const char* text : {"20230229", "20261306", "2026126", "202612066", "2026-12-", "", "00000000", "ABCDEFGH"}) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(DateFromYyyymmdd(text).has_value());
  }
}

TEST(Date, WeekdaysNamesAndDayOfYear) {
  const Date d = D(2009, 10, 8, 13, 4, 5);
  EXPECT_EQ(Weekday(d), 5);  // Thursday
  EXPECT_EQ(WeekdayName(Weekday(D(2009, 10, 3))), "Saturday");
  EXPECT_EQ(WeekdayName(Weekday(D(2009, 10, 4)), true), "Sun");
  EXPECT_EQ(Weekday(D(1899, 12, 30)), 7);
  EXPECT_EQ(Weekday(D(1899, 12, 29)), 6);
  EXPECT_EQ(MonthName(9, true), "Sep");
  EXPECT_EQ(MonthName(12), "December");
  EXPECT_THROW(MonthName(13), Error);
  EXPECT_EQ(D(2024, 12, 31).DayOfYear(), 366);
  EXPECT_EQ(d.DatePart(), D(2009, 10, 8));
}

TEST(Date, SerialsCountFromTheEndOf1899) {
  EXPECT_EQ(D(1899, 12, 30).Serial(), 0.0);
  EXPECT_EQ(D(2026, 12, 6).Serial(), 46362.0);
  EXPECT_EQ(D(1899, 12, 29).Serial(), -1.0);
  EXPECT_EQ(Date::FromSerial(46362.5), D(2026, 12, 6, 12));
  EXPECT_EQ(Date::FromSerial(-1.25), D(1899, 12, 29, 6));
  EXPECT_EQ(Date::FromSerial(D(100, 1, 1).Serial()), D(100, 1, 1));
  EXPECT_THROW(Date::FromSerial(D(9999, 12, 31).Serial() + 1), Error);
  EXPECT_THROW(Date::FromSerial(D(100, 1, 1).Serial() - 1), Error);
}

TEST(Date, DateSerialCarriesOverflowingMonthsAndDays) {
  EXPECT_EQ(DateSerial(2026, 13, 1), D(2027, 1, 1));
  EXPECT_EQ(DateSerial(2026, 3, 0), D(2026, 2, 28));
  EXPECT_EQ(DateSerial(2024, 3, 0), D(2024, 2, 29));
  EXPECT_EQ(DateSerial(2026, 0, 15), D(2025, 12, 15));
  EXPECT_EQ(DateSerial(2026, 12, 32), D(2027, 1, 1));
  // The year is taken as given: no two-digit window, and 29 is out of range.
  EXPECT_THROW(DateSerial(29, 1, 1), Error);
  EXPECT_THROW(DateSerial(2026, INT_MIN, 1), Error);
  EXPECT_THROW(DateSerial(2026, 1, INT_MAX), Error);
}

TEST(Date, DateAddAcrossMonthAndYearEnds) {
  EXPECT_EQ(DateAdd(Interval::Day, 1, D(2026, 12, 31)), D(2027, 1, 1));
  EXPECT_EQ(DateAdd(Interval::Day, -60, D(2026, 12, 6)), D(2026, 10, 7));
  EXPECT_EQ(DateAdd(Interval::Day, 1, D(2024, 2, 28)), D(2024, 2, 29));
  EXPECT_EQ(DateAdd(Interval::Month, 1, D(2026, 1, 31)), D(2026, 2, 28));
  EXPECT_EQ(DateAdd(Interval::Month, 1, D(2024, 1, 31)), D(2024, 2, 29));
  EXPECT_EQ(DateAdd(Interval::Month, -1, D(2026, 3, 31)), D(2026, 2, 28));
  EXPECT_EQ(DateAdd(Interval::Month, 12, D(2026, 12, 6)), D(2027, 12, 6));
  EXPECT_EQ(DateAdd(Interval::Month, -12, D(2026, 1, 15)), D(2025, 1, 15));
  EXPECT_EQ(DateAdd(Interval::Year, 1, D(2024, 2, 29)), D(2025, 2, 28));
  EXPECT_EQ(DateAdd(Interval::Day, 1, D(2026, 12, 6, 14, 5)), D(2026, 12, 7, 14, 5));
  EXPECT_THROW(DateAdd(Interval::Day, 1, D(9999, 12, 31)), Error);
  EXPECT_THROW(DateAdd(Interval::Year, -10000, D(2026, 1, 1)), Error);
  EXPECT_THROW(DateAdd(Interval::Year, INT64_MAX, D(2026, 1, 1)), Error);
  EXPECT_THROW(DateAdd(Interval::Day, INT64_MIN, D(2026, 1, 1)), Error);
}

TEST(Date, DateDiffCountsBoundaries) {
  EXPECT_EQ(DateDiff(Interval::Day, D(2026, 12, 31), D(2027, 1, 1)), 1);
  EXPECT_EQ(DateDiff(Interval::Day, D(2027, 1, 1), D(2026, 12, 31)), -1);
  EXPECT_EQ(DateDiff(Interval::Day, D(2024, 2, 1), D(2024, 3, 1)), 29);
  EXPECT_EQ(DateDiff(Interval::Day, D(2026, 12, 6, 23, 59), D(2026, 12, 7, 0, 1)), 1);
  EXPECT_EQ(DateDiff(Interval::Day, D(2026, 10, 7), D(2026, 12, 6)), 60);
  EXPECT_EQ(DateDiff(Interval::Month, D(2026, 12, 31), D(2027, 1, 1)), 1);
  EXPECT_EQ(DateDiff(Interval::Month, D(2026, 1, 1), D(2026, 1, 31)), 0);
  EXPECT_EQ(DateDiff(Interval::Year, D(2026, 12, 31), D(2027, 1, 1)), 1);
}

TEST(Date, DefaultTextIsTheUsShortForm) {
  EXPECT_EQ(CStr(D(2026, 12, 6)), "12/6/2026");
  EXPECT_EQ(CStr(D(2009, 10, 9)), "10/9/2009");
  EXPECT_EQ(CStr(D(2002, 4, 29, 10, 21, 47)), "4/29/2002 10:21:47 AM");
  EXPECT_EQ(CStr(D(2026, 12, 6, 14, 5)), "12/6/2026 2:05:00 PM");
  EXPECT_EQ(CStr(D(2026, 12, 6, 0, 0, 1)), "12/6/2026 12:00:01 AM");
  // The text form parses back to the same day.
  EXPECT_EQ(CDate(CStr(D(2026, 1, 2))), D(2026, 1, 2));
}

TEST(Clock, AFixedInstantReplacesTheSystemTime) {
  {
    ScopedFixedClock fixed(D(2026, 12, 6, 14, 5, 0));
    EXPECT_EQ(Now(), D(2026, 12, 6, 14, 5, 0));
    EXPECT_EQ(Today(), D(2026, 12, 6));
    {
      ScopedFixedClock inner(D(2020, 1, 1));
      EXPECT_EQ(Today(), D(2020, 1, 1));
    }
    EXPECT_EQ(Now(), D(2026, 12, 6, 14, 5, 0));  // the outer setting comes back
  }
  // Back on the system clock: today is a real date, far from the fixed one.
  EXPECT_GE(Today().Year(), 2024);
  EXPECT_FALSE(Today().HasTime());
  SetFixedClock(D(2030, 6, 1, 9));
  EXPECT_EQ(Now(), D(2030, 6, 1, 9));
  UseSystemClock();
  EXPECT_NE(Now(), D(2030, 6, 1, 9));
}

}  // namespace
}  // namespace qvl::vb
