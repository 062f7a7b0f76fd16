#include "platform/vb/currency.h"

#include <limits>

#include "platform/vb/decimal.h"
#include "platform/vb/error.h"

namespace qvl::vb {

namespace {

using Wide = __int128;

std::int64_t Checked(Wide v) {
  if (v > std::numeric_limits<std::int64_t>::max() || v < std::numeric_limits<std::int64_t>::min()) throw Overflow();
  return static_cast<std::int64_t>(v);
}

// n / d rounded half to even (d != 0).
Wide DivideHalfEven(Wide n, Wide d) {
  Wide q = n / d;
  Wide r = n % d;
  if (r == 0) return q;
  const Wide twice = (r < 0 ? -r : r) * 2;
  const Wide mag = d < 0 ? -d : d;
  const bool away = twice > mag || (twice == mag && (q % 2 != 0));
  if (away) q += ((n < 0) != (d < 0)) ? -1 : 1;
  return q;
}

// The common amount text read straight into ten-thousandths: blanks, an
// optional sign, digits and at most four decimals. Anything else (commas,
// "$", exponents, more decimals, very long numbers) is left to the general
// reader; so is text without a digit.
std::optional<std::int64_t> PlainAmount(std::string_view text) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  std::int64_t value = 0;
  int digits = 0, places = 0;
  while (i < n && text[i] >= '0' && text[i] <= '9') {
    if (++digits > 14) return std::nullopt;
    value = value * 10 + (text[i++] - '0');
  }
  if (i < n && text[i] == '.') {
    ++i;
    while (i < n && text[i] >= '0' && text[i] <= '9') {
      if (++places > 4) return std::nullopt;
      value = value * 10 + (text[i++] - '0');
    }
  }
  if (digits + places == 0) return std::nullopt;
  while (i < n && (text[i] == ' ' || text[i] == '\t')) ++i;
  if (i != n) return std::nullopt;
  for (int p = places; p < 4; ++p) value *= 10;
  return negative ? -value : value;
}

}  // namespace

Currency Currency::FromUnits(std::int64_t units) { return FromRaw(Checked(static_cast<Wide>(units) * kScale)); }

Currency Currency::FromDecimal(const Decimal& d) {
  auto raw = d.ToScaled(4);
  if (!raw) throw Overflow();
  return FromRaw(*raw);
}

double Currency::ToDouble() const { return ToDecimal().ToDouble(); }

Decimal Currency::ToDecimal() const { return Decimal::FromScaled(raw_, 4); }

std::string Currency::ToText() const { return ToDecimal().PlainText(); }

Currency Currency::operator-() const { return FromRaw(Checked(-static_cast<Wide>(raw_))); }

Currency& Currency::operator+=(Currency other) {
  raw_ = Checked(static_cast<Wide>(raw_) + other.raw_);
  return *this;
}

Currency& Currency::operator-=(Currency other) {
  raw_ = Checked(static_cast<Wide>(raw_) - other.raw_);
  return *this;
}

Currency operator*(Currency a, std::int64_t n) { return Currency::FromRaw(Checked(static_cast<Wide>(a.raw_) * n)); }

Currency operator*(Currency a, Currency b) {
  // Both factors carry four decimals: the exact product carries eight.
  return Currency::FromRaw(Checked(DivideHalfEven(static_cast<Wide>(a.raw_) * b.raw_, Currency::kScale)));
}

Currency operator/(Currency a, std::int64_t n) {
  if (n == 0) throw DivisionByZero();
  return Currency::FromRaw(Checked(DivideHalfEven(a.raw_, n)));
}

Currency operator/(Currency a, Currency b) {
  if (b.raw_ == 0) throw DivisionByZero();
  return Currency::FromRaw(Checked(DivideHalfEven(static_cast<Wide>(a.raw_) * Currency::kScale, b.raw_)));
}

std::optional<Currency> TryCCur(std::string_view text) {
  if (auto raw = PlainAmount(text)) return Currency::FromRaw(*raw);
  auto d = ParseNumber(text);
  if (!d) return std::nullopt;
  auto raw = d->ToScaled(4);
  if (!raw) return std::nullopt;
  return Currency::FromRaw(*raw);
}

Currency CCur(std::string_view text) {
  if (auto raw = PlainAmount(text)) return Currency::FromRaw(*raw);
  auto d = ParseNumber(text);
  if (!d) throw TypeMismatch();
  return Currency::FromDecimal(*d);
}

Currency CCur(double value) { return Currency::FromDecimal(Decimal::FromDouble(value)); }

Currency AmountOf(std::string_view text) { return TryCCur(text).value_or(Currency{}); }

std::string CStr(Currency value) { return value.ToText(); }

}  // namespace qvl::vb
