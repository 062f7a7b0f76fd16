#pragma once
// Format(value, mask): the original runtime's user-defined number and date
// masks, which every journal layout writes its amounts, counts and dates
// through.
//
// Number masks: "0" a digit always shown, "#" a digit shown only when
// significant (so "#.00" of 0 is ".00" and "#" of 0 is ""), "." the point,
// "," between digit placeholders groups thousands (after the last one it
// divides by 1000), quoted text and \x literal, any other character
// literal ("-000" of 5 is "-005"). Integer digits beyond the placeholders
// are all written; rounding is half away from zero to the mask's decimals
// (0.125 with "0.00" is 0.13). Sections "positive;negative;zero": with one
// section a negative value gets a leading "-" ("0000000000.00" of -5 is
// "-0000000005.00"), unless it rounds to zero, which has no sign.
//
// Date masks (letters in any case): d dd ddd dddd, m mm mmm mmmm, y (day of
// the year) yy yyyy, h hh n nn s ss, AM/PM am/pm A/P a/p; "m"/"mm" after an
// hour or before a second means minutes; month and day names are English
// and capitalised the same whatever the mask's case ("Jan", "January",
// "Sun", "Sunday"); other characters are literal.
//
// An empty mask gives the value's plain text (CStr).
#include <concepts>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/vb/currency.h"
#include "platform/vb/date.h"

namespace qvl::vb {

struct Decimal;

std::string Format(Currency value, std::string_view mask);
// A double as the runtime shows it: through its 15 significant digits.
std::string Format(double value, std::string_view mask);
std::string Format(std::int64_t value, std::string_view mask);
template <std::integral Int>
  requires(!std::same_as<Int, bool> && !std::same_as<Int, std::int64_t>)
std::string Format(Int value, std::string_view mask) {
  return Format(static_cast<std::int64_t>(value), mask);
}
std::string Format(const Date& value, std::string_view mask);
// Text that is numeric (IsNumeric) is formatted as its exact number, text
// that is a date (IsDate) as that date; any other text, the empty text
// included, comes back unchanged.
std::string Format(std::string_view text, std::string_view mask);
inline std::string Format(const char* text, std::string_view mask) { return Format(std::string_view(text), mask); }
inline std::string Format(const std::string& text, std::string_view mask) { return Format(std::string_view(text), mask); }

// The number path shared by the overloads above. A date mask turns the
// number into the date of that serial (Overflow when out of range).
std::string FormatNumber(const Decimal& value, std::string_view mask);

// Whether a mask holds date or time placeholders.
bool IsDateMask(std::string_view mask);

// Whole-number digits with a comma before every group of three from the
// right: "1234567" is "1,234,567".
std::string GroupThousands(std::string_view digits);

}  // namespace qvl::vb
