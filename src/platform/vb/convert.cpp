#include "platform/vb/convert.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "platform/vb/decimal.h"
#include "platform/vb/error.h"

namespace qvl::vb {

namespace {

template <typename Int>
Int RoundToInt(const Decimal& d) {
  auto whole = d.ToScaled(0);
  if (!whole || *whole < std::numeric_limits<Int>::min() || *whole > std::numeric_limits<Int>::max()) throw Overflow();
  return static_cast<Int>(*whole);
}

Decimal NumberOf(std::string_view text) {
  auto d = ParseNumber(text);
  if (!d) throw TypeMismatch();
  return *d;
}

template <typename Int>
Int RoundDouble(double value) {
  // The default rounding mode of nearbyint is to nearest, ties to even.
  const double r = std::nearbyint(value);
  if (!(r >= static_cast<double>(std::numeric_limits<Int>::min()) && r <= static_cast<double>(std::numeric_limits<Int>::max()))) {
    throw Overflow();
  }
  return static_cast<Int>(r);
}

}  // namespace

bool IsNumeric(std::string_view text) { return ParseNumber(text).has_value(); }

double Val(std::string_view text) { return ParseValPrefix(text).ToDouble(); }

Currency ValCurrency(std::string_view text) { return Currency::FromDecimal(ParseValPrefix(text)); }

double CDbl(std::string_view text) { return NumberOf(text).ToDouble(); }

std::int16_t CInt(double value) { return RoundDouble<std::int16_t>(value); }
std::int16_t CInt(Currency value) { return RoundToInt<std::int16_t>(value.ToDecimal()); }
std::int16_t CInt(std::string_view text) { return RoundToInt<std::int16_t>(NumberOf(text)); }

std::int32_t CLng(double value) { return RoundDouble<std::int32_t>(value); }
std::int32_t CLng(Currency value) { return RoundToInt<std::int32_t>(value.ToDecimal()); }
std::int32_t CLng(std::string_view text) { return RoundToInt<std::int32_t>(NumberOf(text)); }

std::string CStr(double value) {
  if (!std::isfinite(value)) throw Overflow();
  if (value == 0) return "0";
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.15g", value);
  std::string s(buf);
  const auto e = s.find('e');
  if (e == std::string::npos) return s;
  // "1.5e+15" -> "1.5E+15"; the exponent keeps at least two digits.
  s[e] = 'E';
  return s;
}

std::string CStr(std::int64_t value) { return std::to_string(value); }

}  // namespace qvl::vb
