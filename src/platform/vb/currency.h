#pragma once
// Money: a 64-bit count of ten-thousandths, the original runtime's fixed-point
// currency. Every amount the system adds, compares or writes goes through
// this type, never through binary floating point. Arithmetic that leaves the
// 64-bit range raises vb::Error 6 "Overflow".
#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qvl::vb {

struct Decimal;

class Currency {
 public:
  static constexpr std::int64_t kScale = 10000;

  constexpr Currency() = default;
  // Whole units (Currency(12) is 12.0000); Overflow beyond the range.
  static Currency FromUnits(std::int64_t units);
  // Raw ten-thousandths (FromRaw(1) is 0.0001).
  static constexpr Currency FromRaw(std::int64_t raw) {
    Currency c;
    c.raw_ = raw;
    return c;
  }
  static Currency FromDecimal(const Decimal& d);  // half to even to 4 places; Overflow

  constexpr std::int64_t raw() const { return raw_; }
  bool IsZero() const { return raw_ == 0; }
  double ToDouble() const;
  Decimal ToDecimal() const;

  // Plain decimal text: no thousands separator, no trailing zeros, "0"
  // before the point below 1: "12.5", "100", "0", "-25", "-0.5".
  std::string ToText() const;

  friend constexpr auto operator<=>(Currency, Currency) = default;
  friend constexpr bool operator==(Currency, Currency) = default;

  Currency operator-() const;
  Currency& operator+=(Currency other);
  Currency& operator-=(Currency other);
  friend Currency operator+(Currency a, Currency b) { return a += b; }
  friend Currency operator-(Currency a, Currency b) { return a -= b; }

  // Products and quotients are rounded to four places half to even, as the
  // original's currency arithmetic rounds.
  friend Currency operator*(Currency a, std::int64_t n);
  friend Currency operator*(std::int64_t n, Currency a) { return a * n; }
  friend Currency operator*(Currency a, Currency b);
  // Division by zero raises vb::Error 11.
  friend Currency operator/(Currency a, std::int64_t n);
  friend Currency operator/(Currency a, Currency b);

 private:
  std::int64_t raw_ = 0;
};

// CCur of text: blanks around, sign, "$", thousands commas, decimal point,
// exponent (see IsNumeric); more than four decimals round half to even.
// nullopt when the text is not numeric or out of range.
std::optional<Currency> TryCCur(std::string_view text);
// The same, raising vb::Error 13 "Type mismatch" for text that is not
// numeric and 6 "Overflow" for a value out of range.
Currency CCur(std::string_view text);
// A double through its 15 significant digits; Overflow out of range.
Currency CCur(double value);

// The amount rule: an amount text that is empty, ".00" or not numeric
// (or out of range) counts as 0; anything else is its value.
Currency AmountOf(std::string_view text);

std::string CStr(Currency value);  // same as value.ToText()

}  // namespace qvl::vb
