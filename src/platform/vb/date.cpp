#include "platform/vb/date.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

#include "platform/vb/error.h"

namespace qvl::vb {

namespace {

constexpr std::int32_t kSecondsPerDay = 86400;

// Days from 1/1/1970 for a proleptic Gregorian date (Hinnant's algorithm).
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const auto yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

struct Civil {
  int year;
  int month;
  int day;
};

Civil CivilFromDays(std::int64_t z) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const auto doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;
  const unsigned m = mp < 10 ? mp + 3 : mp - 9;
  return {static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

// 12/30/1899 counted from 1/1/1970.
const std::int64_t kEpoch = DaysFromCivil(1899, 12, 30);
const std::int64_t kMinDay = DaysFromCivil(100, 1, 1) - kEpoch;
const std::int64_t kMaxDay = DaysFromCivil(9999, 12, 31) - kEpoch;

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m) {
  static constexpr std::array<int, 12> kDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && IsLeap(y) ? 29 : kDays[static_cast<std::size_t>(m - 1)];
}

std::int64_t DayNumberOf(std::int64_t y, int m, int d) { return DaysFromCivil(y, static_cast<unsigned>(m), static_cast<unsigned>(d)) - kEpoch; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

// Reads 1..max_len digits; returns the count read (0 when none).
std::size_t ReadNumber(std::string_view s, std::size_t& i, std::size_t max_len, int& value) {
  std::size_t n = 0;
  value = 0;
  while (i < s.size() && IsDigit(s[i]) && n < max_len + 1) {
    value = value * 10 + (s[i] - '0');
    ++i;
    ++n;
  }
  return n;
}

}  // namespace

std::optional<Date> Date::Make(int year, int month, int day, int hour, int minute, int second) {
  if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month)) return std::nullopt;
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59) return std::nullopt;
  return Date(static_cast<std::int32_t>(DayNumberOf(year, month, day)), hour * 3600 + minute * 60 + second);
}

Date Date::FromSerial(double serial) {
  if (!std::isfinite(serial)) throw Overflow();
  const double whole = std::trunc(serial);
  if (whole < static_cast<double>(kMinDay) || whole > static_cast<double>(kMaxDay)) throw Overflow();
  auto seconds = static_cast<std::int64_t>(std::llround(std::fabs(serial - whole) * kSecondsPerDay));
  auto days = static_cast<std::int64_t>(whole);
  if (seconds >= kSecondsPerDay) {  // rounded up to the next midnight
    seconds -= kSecondsPerDay;
    days += whole < 0 ? -1 : 1;
    if (days < kMinDay || days > kMaxDay) throw Overflow();
  }
  return Date(static_cast<std::int32_t>(days), static_cast<std::int32_t>(seconds));
}

double Date::Serial() const {
  const double frac = static_cast<double>(seconds_) / kSecondsPerDay;
  return days_ < 0 ? days_ - frac : days_ + frac;
}

Date Date::DatePart() const { return Date(days_, 0); }

int Date::Year() const { return CivilFromDays(days_ + kEpoch).year; }
int Date::Month() const { return CivilFromDays(days_ + kEpoch).month; }
int Date::Day() const { return CivilFromDays(days_ + kEpoch).day; }

int Date::Weekday() const {
  // 12/30/1899 was a Saturday (7).
  const int r = static_cast<int>(((days_ + 6) % 7 + 7) % 7);
  return r + 1;
}

int Date::DayOfYear() const { return static_cast<int>(days_ - DayNumberOf(Year(), 1, 1)) + 1; }

Date DateSerial(int year, int month, int day) {
  // Carry the month into the year first, then let the day run over.
  const std::int64_t index = static_cast<std::int64_t>(month) - 1;
  const std::int64_t y = year + (index >= 0 ? index / 12 : (index - 11) / 12);
  const int m = static_cast<int>(index - (y - year) * 12) + 1;
  if (y < 100 || y > 9999) throw Overflow();
  const std::int64_t days = DayNumberOf(y, m, 1) + (static_cast<std::int64_t>(day) - 1);
  if (days < kMinDay || days > kMaxDay) throw Overflow();
  return Date::FromSerial(static_cast<double>(days));
}

std::optional<Date> ParseDate(std::string_view text) {
  const std::string_view s = TrimBlanks(text);
  std::size_t i = 0;
  int month = 0, day = 0, year = 0;
  const std::size_t m_len = ReadNumber(s, i, 2, month);
  if (m_len < 1 || m_len > 2 || i >= s.size() || (s[i] != '/' && s[i] != '-')) return std::nullopt;
  const char sep = s[i++];
  const std::size_t d_len = ReadNumber(s, i, 2, day);
  if (d_len < 1 || d_len > 2 || i >= s.size() || s[i] != sep) return std::nullopt;
  ++i;
  const std::size_t y_len = ReadNumber(s, i, 4, year);
  if (i != s.size() || (y_len != 2 && y_len != 4)) return std::nullopt;
  if (y_len == 2) year += year < 30 ? 2000 : 1900;
  return Date::Make(year, month, day);
}

bool IsDate(std::string_view text) { return ParseDate(text).has_value(); }

Date CDate(std::string_view text) {
  auto d = ParseDate(text);
  if (!d) throw TypeMismatch();
  return *d;
}

std::optional<Date> DateFromYyyymmdd(std::string_view text) {
  const std::string_view s = TrimBlanks(text);
  if (s.size() != 8) return std::nullopt;
  for (char c : s) {
    if (!IsDigit(c)) return std::nullopt;
  }
  auto num = [&](std::size_t pos, std::size_t len) {
    int v = 0;
    for (std::size_t k = pos; k < pos + len; ++k) v = v * 10 + (s[k] - '0');
    return v;
  };
  return Date::Make(num(0, 4), num(4, 2), num(6, 2));
}

Date DateAdd(Interval interval, std::int64_t n, const Date& d) {
  const int seconds = d.SecondsOfDay();
  std::int64_t days = 0;
  if (interval == Interval::Day) {
    if (n > kMaxDay - kMinDay || n < kMinDay - kMaxDay) throw Overflow();
    days = d.DayNumber() + n;
  } else {
    if (n > 120000 || n < -120000) throw Overflow();  // beyond any year 100..9999
    const std::int64_t months = interval == Interval::Month ? n : n * 12;
    const std::int64_t index = static_cast<std::int64_t>(d.Year()) * 12 + (d.Month() - 1) + months;
    const std::int64_t y = index >= 0 ? index / 12 : (index - 11) / 12;
    const int m = static_cast<int>(index - y * 12) + 1;
    if (y < 100 || y > 9999) throw Overflow();
    const int day = std::min(d.Day(), DaysInMonth(static_cast<int>(y), m));
    days = DayNumberOf(y, m, day);
  }
  if (days < kMinDay || days > kMaxDay) throw Overflow();
  return Date::FromSerial(static_cast<double>(days) + (days < 0 ? -1.0 : 1.0) * seconds / kSecondsPerDay);
}

std::int64_t DateDiff(Interval interval, const Date& a, const Date& b) {
  switch (interval) {
    case Interval::Day: return static_cast<std::int64_t>(b.DayNumber()) - a.DayNumber();
    case Interval::Month: return (static_cast<std::int64_t>(b.Year()) * 12 + b.Month()) - (static_cast<std::int64_t>(a.Year()) * 12 + a.Month());
    case Interval::Year: return static_cast<std::int64_t>(b.Year()) - a.Year();
  }
  return 0;
}

std::string MonthName(int month, bool abbreviate) {
  static constexpr std::array<const char*, 12> kNames{"January", "February", "March",     "April",   "May",      "June",
                                                      "July",    "August",   "September", "October", "November", "December"};
  if (month < 1 || month > 12) throw InvalidProcedureCall();
  std::string name = kNames[static_cast<std::size_t>(month - 1)];
  return abbreviate ? name.substr(0, 3) : name;
}

std::string WeekdayName(int weekday, bool abbreviate) {
  static constexpr std::array<const char*, 7> kNames{"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
  if (weekday < 1 || weekday > 7) throw InvalidProcedureCall();
  std::string name = kNames[static_cast<std::size_t>(weekday - 1)];
  return abbreviate ? name.substr(0, 3) : name;
}

std::string CStr(const Date& d) {
  std::string out;
  // The time alone for a time without a day (serial below 1), as the
  // original shows it.
  if (d.DayNumber() != 0 || !d.HasTime()) {
    out = std::to_string(d.Month()) + "/" + std::to_string(d.Day()) + "/" + std::to_string(d.Year());
  }
  if (d.HasTime()) {
    const int h12 = d.Hour() % 12 == 0 ? 12 : d.Hour() % 12;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%d:%02d:%02d %s", h12, d.Minute(), d.Second(), d.Hour() < 12 ? "AM" : "PM");
    if (!out.empty()) out += " ";
    out += buf;
  }
  return out;
}

}  // namespace qvl::vb
