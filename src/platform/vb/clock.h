#pragma once
// The program's one clock. Everything that asks for the current date or
// time (the period end's default, the age and future checks, run dates and
// time stamps in journals) reads it here, so a test or a scripted scenario
// can fix the instant and get the same output every time.
#include "platform/vb/date.h"

namespace qvl::vb {

// The current local date and time (to the second), or the fixed instant.
Date Now();
// Now() without its time of day.
Date Today();

// Fixes the clock at an instant until UseSystemClock() is called.
void SetFixedClock(const Date& instant);
// Back to the system's local time (the default).
void UseSystemClock();

// Fixes the clock for one scope and restores the previous setting after.
class ScopedFixedClock {
 public:
  explicit ScopedFixedClock(const Date& instant);
  ~ScopedFixedClock();
  ScopedFixedClock(const ScopedFixedClock&) = delete;
  ScopedFixedClock& operator=(const ScopedFixedClock&) = delete;

 private:
  bool had_fixed_;
  Date previous_;
};

}  // namespace qvl::vb
