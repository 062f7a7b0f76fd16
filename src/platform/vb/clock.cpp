#include "platform/vb/clock.h"

#include <ctime>
#include <optional>

namespace qvl::vb {

namespace {

// One thread runs the whole program, so plain process-wide state suffices.
std::optional<Date>& Fixed() {
  static std::optional<Date> fixed;
  return fixed;
}

Date SystemNow() {
  const std::time_t t = std::time(nullptr);
  std::tm local{};
  localtime_r(&t, &local);
  auto d = Date::Make(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                      local.tm_sec > 59 ? 59 : local.tm_sec);
  return d.value_or(Date{});
}

}  // namespace

Date Now() { return Fixed() ? *Fixed() : SystemNow(); }

Date Today() { return Now().DatePart(); }

void SetFixedClock(const Date& instant) { Fixed() = instant; }

void UseSystemClock() { Fixed().reset(); }

ScopedFixedClock::ScopedFixedClock(const Date& instant) : had_fixed_(Fixed().has_value()), previous_(Fixed().value_or(Date{})) {
  SetFixedClock(instant);
}

ScopedFixedClock::~ScopedFixedClock() {
  if (had_fixed_) {
    SetFixedClock(previous_);
  } else {
    UseSystemClock();
  }
}

}  // namespace qvl::vb
