#pragma once
// Dates with an optional time of day, as the original runtime's Date:
// years 100 to 9999, counted in days from 12/30/1899 (the serial the
// runtime converts numbers to and from). What text is a date is fixed
// here once for the whole program: U.S. month/day/year only.
#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qvl::vb {

class Date {
 public:
  // 12/30/1899 at midnight (serial 0).
  constexpr Date() = default;

  // A calendar-valid date and time (years 100..9999); nullopt otherwise.
  static std::optional<Date> Make(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);
  // From the runtime's serial: whole days since 12/30/1899, the fraction
  // the time of day (for days before it the fraction still counts
  // forward). Overflow outside years 100..9999.
  static Date FromSerial(double serial);
  double Serial() const;

  std::int32_t DayNumber() const { return days_; }      // whole days since 12/30/1899
  std::int32_t SecondsOfDay() const { return seconds_; }
  Date DatePart() const;                                 // the same day at midnight
  bool HasTime() const { return seconds_ != 0; }

  int Year() const;
  int Month() const;
  int Day() const;
  int Hour() const { return seconds_ / 3600; }
  int Minute() const { return seconds_ / 60 % 60; }
  int Second() const { return seconds_ % 60; }
  int Weekday() const;    // 1 = Sunday .. 7 = Saturday
  int DayOfYear() const;  // 1..366

  friend constexpr auto operator<=>(const Date&, const Date&) = default;
  friend constexpr bool operator==(const Date&, const Date&) = default;

 private:
  constexpr Date(std::int32_t days, std::int32_t seconds) : days_(days), seconds_(seconds) {}
  std::int32_t days_ = 0;
  std::int32_t seconds_ = 0;
};

inline int Year(const Date& d) { return d.Year(); }
inline int Month(const Date& d) { return d.Month(); }
inline int Day(const Date& d) { return d.Day(); }
inline int Weekday(const Date& d) { return d.Weekday(); }

// DateSerial(year, month, day) with the runtime's carrying: month 13 is
// January of the next year, day 0 the last day of the month before. The
// year is taken as given (no two-digit window). Overflow out of range.
Date DateSerial(int year, int month, int day);

// A date text: month/day/year with "/" or "-" (the same both times),
// month and day of one or two digits, a year of two digits (00-29 are
// 2000-2029, 30-99 are 1930-1999) or four, calendar-valid, blanks around
// allowed. Nothing else (no ISO form, no month names, no time) is a date.
std::optional<Date> ParseDate(std::string_view text);
bool IsDate(std::string_view text);
// ParseDate, raising vb::Error 13 "Type mismatch" for text that is not a date.
Date CDate(std::string_view text);

// An 8-digit "yyyymmdd" text (blanks around allowed) with all four year
// digits; nullopt when it is not exactly that or not calendar-valid.
std::optional<Date> DateFromYyyymmdd(std::string_view text);

enum class Interval { Day, Month, Year };

// Adds n intervals. Adding months or years keeps the day, cut to the last
// day of the target month (1/31 + 1 month is 2/28 or 2/29). The time of
// day is kept. Overflow outside years 100..9999.
Date DateAdd(Interval interval, std::int64_t n, const Date& d);
// Interval boundaries crossed from a to b (negative when b is earlier):
// days between the calendar days, months between the months, years
// between the years; the time of day plays no part.
std::int64_t DateDiff(Interval interval, const Date& a, const Date& b);

// English names: MonthName(1) "January", MonthName(1, true) "Jan";
// WeekdayName(1) "Sunday", WeekdayName(1, true) "Sun". Invalid procedure
// call for a number out of range.
std::string MonthName(int month, bool abbreviate = false);
std::string WeekdayName(int weekday, bool abbreviate = false);

// The date's default text, as the system's U.S. short date and time forms
// show it: "12/6/2026"; with a time of day "12/6/2026 2:05:00 PM".
std::string CStr(const Date& d);

}  // namespace qvl::vb
