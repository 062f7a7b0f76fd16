#pragma once
// An exact decimal number: the common ground of numeric text, Currency and
// the format masks. Numeric text is read into it without passing through
// binary floating point, so "0.125" rounds to two places as 0.13 and
// 100.10 - 100.00 stays 0.1.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qvl::vb {

struct Decimal {
  bool negative = false;
  std::string digits;  // decimal digits of the magnitude, no leading zeros; "" is zero
  int scale = 0;       // digits to the right of the point; negative for trailing zeros

  bool IsZero() const { return digits.empty(); }

  static Decimal FromInteger(std::int64_t v);
  // A count of 1/10^scale units (a Currency is FromScaled(raw, 4)).
  static Decimal FromScaled(std::int64_t units, int scale);
  // A double through its 15 significant digits, as the original runtime
  // shows a double. Infinity and NaN raise Overflow.
  static Decimal FromDouble(double v);

  // Rounded to `places` decimals (scale becomes exactly `places`).
  Decimal RoundHalfAway(int places) const;
  Decimal RoundHalfEven(int places) const;

  // The digits left of the point ("" for a magnitude below 1) and exactly
  // `places` digits right of it, of the magnitude, without rounding (digits
  // beyond `places` are dropped; use a Round first).
  std::string IntegerDigits() const;
  std::string FractionDigits(int places) const;

  // Plain decimal text: "-" when negative, no thousands separator, no
  // trailing zeros, "0" before the point below 1 ("12.5", "-0.5", "100").
  std::string PlainText() const;

  // The value as the nearest double (strtod of the exact digits).
  double ToDouble() const;
  // The value rounded half to even to a whole number of 1/10^scale units;
  // nullopt when it does not fit in 64 bits.
  std::optional<std::int64_t> ToScaled(int places) const;

  Decimal Times10(int power) const;  // value × 10^power (power may be negative)
  // The exact product: every digit kept, nothing rounded.
  Decimal Times(const Decimal& other) const;
};

// Numeric text as the original runtime's IsNumeric accepts it: blanks and
// tabs around, an optional sign and "$" in either order, digits with
// thousands commas after the first digit, one decimal point, an optional
// exponent (E or D, optional sign, digits). At least one digit. A value
// beyond the double range is not numeric.
std::optional<Decimal> ParseNumber(std::string_view text);

// The leading numeric prefix of text as Val reads it: blanks, tabs and line
// feeds skipped wherever they stand, an optional sign, digits, one point,
// an optional exponent; reading stops at the first other character. Text
// without a number gives zero.
Decimal ParseValPrefix(std::string_view text);

}  // namespace qvl::vb
