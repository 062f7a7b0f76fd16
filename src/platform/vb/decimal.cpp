#include "platform/vb/decimal.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <vector>

#include "platform/vb/error.h"

namespace qvl::vb {

namespace {

// Exponents beyond this cannot be a finite double (or a nonzero one), so
// the digit strings never need to grow past a few hundred characters.
constexpr int kMaxExponent = 400;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

void StripLeadingZeros(std::string& s) {
  std::size_t i = 0;
  while (i < s.size() && s[i] == '0') ++i;
  s.erase(0, i);
}

// Removes fractional trailing zeros so equal values have one form.
void Normalize(Decimal& d) {
  StripLeadingZeros(d.digits);
  while (d.scale > 0 && !d.digits.empty() && d.digits.back() == '0') {
    d.digits.pop_back();
    --d.scale;
  }
  if (d.digits.empty()) {
    d.negative = false;
    d.scale = 0;
  }
}

// Adds one unit in the last place of a digit string.
std::string Increment(std::string s) {
  int i = static_cast<int>(s.size()) - 1;
  while (i >= 0 && s[i] == '9') s[i--] = '0';
  if (i < 0) return "1" + s;
  ++s[i];
  return s;
}

enum class Tie { HalfAway, HalfEven };

Decimal Round(const Decimal& d, int places, Tie tie) {
  Decimal out;
  out.negative = d.negative;
  out.scale = places;
  if (d.scale <= places) {
    out.digits = d.digits + std::string(places - d.scale, '0');
  } else {
    const std::size_t drop = static_cast<std::size_t>(d.scale - places);
    std::string kept, dropped;
    if (d.digits.size() > drop) {
      kept = d.digits.substr(0, d.digits.size() - drop);
      dropped = d.digits.substr(d.digits.size() - drop);
    } else {
      dropped = std::string(drop - d.digits.size(), '0') + d.digits;
    }
    bool up = false;
    if (!dropped.empty() && dropped[0] >= '5') {
      if (tie == Tie::HalfAway || dropped[0] > '5') {
        up = true;
      } else {
        const bool beyond_half = dropped.find_first_not_of('0', 1) != std::string::npos;
        const bool last_odd = !kept.empty() && ((kept.back() - '0') % 2 == 1);
        up = beyond_half || last_odd;
      }
    }
    out.digits = up ? Increment(kept.empty() ? "0" : kept) : kept;
  }
  StripLeadingZeros(out.digits);
  if (out.digits.empty()) out.negative = false;
  return out;
}

struct Cursor {
  std::string_view s;
  std::size_t i = 0;
  bool AtEnd() const { return i >= s.size(); }
  char Peek() const { return AtEnd() ? '\0' : s[i]; }
};

// Reads an optional exponent ("E+05", "d3") at the cursor; returns false
// (cursor unchanged) when what follows is not a complete exponent.
bool ReadExponent(Cursor& c, long& exponent) {
  const std::size_t start = c.i;
  const char e = c.Peek();
  if (e != 'e' && e != 'E' && e != 'd' && e != 'D') return false;
  ++c.i;
  bool neg = false;
  if (c.Peek() == '+' || c.Peek() == '-') neg = c.s[c.i++] == '-';
  if (!IsDigit(c.Peek())) {
    c.i = start;
    return false;
  }
  long v = 0;
  while (IsDigit(c.Peek())) {
    if (v < 100000) v = v * 10 + (c.s[c.i] - '0');
    ++c.i;
  }
  exponent = neg ? -v : v;
  return true;
}

// A decimal point and the digits after it, which are appended to `digits`;
// returns how many there were (0 without a point).
long ReadFraction(Cursor& c, std::string& digits) {
  long frac = 0;
  if (c.Peek() != '.') return 0;
  ++c.i;
  while (IsDigit(c.Peek())) {
    digits.push_back(c.s[c.i++]);
    ++frac;
  }
  return frac;
}

// Builds the Decimal for mantissa digits with `frac` fractional digits and
// a decimal exponent; nullopt when it lies outside the double range.
std::optional<Decimal> Assemble(bool negative, std::string digits, long frac, long exponent) {
  Decimal d;
  d.negative = negative;
  d.digits = std::move(digits);
  StripLeadingZeros(d.digits);
  if (d.digits.empty()) return Decimal{};
  const long scale = frac - exponent;
  const long magnitude = static_cast<long>(d.digits.size()) - scale;  // digits left of the point
  if (magnitude > 309) return std::nullopt;
  if (magnitude < -kMaxExponent) return Decimal{};
  if (scale < 0) {
    d.digits.append(static_cast<std::size_t>(-scale), '0');
    d.scale = 0;
  } else {
    d.scale = static_cast<int>(scale);
  }
  Normalize(d);
  if (!std::isfinite(d.ToDouble())) return std::nullopt;
  return d;
}

}  // namespace

Decimal Decimal::FromInteger(std::int64_t v) { return FromScaled(v, 0); }

Decimal Decimal::FromScaled(std::int64_t units, int scale) {
  Decimal d;
  d.negative = units < 0;
  // Magnitude through unsigned arithmetic so INT64_MIN is exact.
  std::uint64_t mag = d.negative ? 0 - static_cast<std::uint64_t>(units) : static_cast<std::uint64_t>(units);
  d.digits = mag == 0 ? std::string() : std::to_string(mag);
  d.scale = scale;
  Normalize(d);
  return d;
}

Decimal Decimal::FromDouble(double v) {
  if (!std::isfinite(v)) throw Overflow();
  if (v == 0) return Decimal{};
  char buf[64];
  // d.dddddddddddddde±XX: 15 significant digits, exactly as printf's "%.14e".
  char* end = std::to_chars(buf, buf + sizeof buf - 1, v, std::chars_format::scientific, 14).ptr;
  *end = '\0';
  std::string_view s(buf, static_cast<std::size_t>(end - buf));
  Decimal d;
  std::size_t i = 0;
  if (s[i] == '-') {
    d.negative = true;
    ++i;
  }
  std::string mantissa;
  for (; i < s.size() && s[i] != 'e'; ++i) {
    if (IsDigit(s[i])) mantissa.push_back(s[i]);
  }
  const long exponent = std::strtol(buf + i + 1, nullptr, 10);
  auto r = Assemble(d.negative, mantissa, 14, exponent);
  return r ? *r : Decimal{};
}

Decimal Decimal::RoundHalfAway(int places) const { return Round(*this, places, Tie::HalfAway); }
Decimal Decimal::RoundHalfEven(int places) const { return Round(*this, places, Tie::HalfEven); }

std::string Decimal::IntegerDigits() const {
  if (scale <= 0) return digits.empty() ? std::string() : digits + std::string(-scale, '0');
  const auto s = static_cast<std::size_t>(scale);
  return digits.size() > s ? digits.substr(0, digits.size() - s) : std::string();
}

std::string Decimal::FractionDigits(int places) const {
  std::string frac;
  if (scale > 0) {
    const auto s = static_cast<std::size_t>(scale);
    frac = digits.size() >= s ? digits.substr(digits.size() - s) : std::string(s - digits.size(), '0') + digits;
  }
  frac.resize(static_cast<std::size_t>(places < 0 ? 0 : places), '0');
  return frac;
}

std::string Decimal::PlainText() const {
  if (IsZero()) return "0";
  std::string out = negative ? "-" : "";
  const std::string whole = IntegerDigits();
  out += whole.empty() ? "0" : whole;
  if (scale > 0) {
    std::string frac = FractionDigits(scale);
    while (!frac.empty() && frac.back() == '0') frac.pop_back();
    if (!frac.empty()) out += "." + frac;
  }
  return out;
}

double Decimal::ToDouble() const {
  if (IsZero()) return 0.0;
  std::string s = (negative ? "-" : "") + digits + "e" + std::to_string(-scale);
  return std::strtod(s.c_str(), nullptr);
}

std::optional<std::int64_t> Decimal::ToScaled(int places) const {
  const Decimal r = RoundHalfEven(places);
  if (r.digits.size() > 19) return std::nullopt;
  unsigned __int128 mag = 0;
  for (char c : r.digits) mag = mag * 10 + static_cast<unsigned>(c - '0');
  const unsigned __int128 limit = static_cast<unsigned __int128>(std::numeric_limits<std::int64_t>::max()) + (r.negative ? 1 : 0);
  if (mag > limit) return std::nullopt;
  if (r.negative) return static_cast<std::int64_t>(-static_cast<__int128>(mag));
  return static_cast<std::int64_t>(mag);
}

Decimal Decimal::Times10(int power) const {
  Decimal d = *this;
  if (d.IsZero()) return d;
  d.scale -= power;
  if (d.scale < 0) {
    d.digits.append(static_cast<std::size_t>(-d.scale), '0');
    d.scale = 0;
  }
  Normalize(d);
  return d;
}

Decimal Decimal::Times(const Decimal& other) const {
  if (IsZero() || other.IsZero()) return Decimal{};
  // Long multiplication, least significant digit first.
  std::vector<int> sum(digits.size() + other.digits.size(), 0);
  for (std::size_t i = 0; i < digits.size(); ++i) {
    const int a = digits[digits.size() - 1 - i] - '0';
    for (std::size_t j = 0; j < other.digits.size(); ++j)
      sum[i + j] += a * (other.digits[other.digits.size() - 1 - j] - '0');
  }
  for (std::size_t k = 0; k + 1 < sum.size(); ++k) {
    sum[k + 1] += sum[k] / 10;
    sum[k] %= 10;
  }
  Decimal d;
  d.negative = negative != other.negative;
  for (auto it = sum.rbegin(); it != sum.rend(); ++it) d.digits.push_back(static_cast<char>('0' + *it));
  d.scale = scale + other.scale;
  Normalize(d);
  return d;
}

std::optional<Decimal> ParseNumber(std::string_view text) {
  Cursor c{text};
  auto skip_blanks = [&] {
    while (!c.AtEnd() && (c.Peek() == ' ' || c.Peek() == '\t')) ++c.i;
  };
  skip_blanks();
  bool negative = false, have_sign = false, have_dollar = false;
  for (int k = 0; k < 2; ++k) {
    if (!have_sign && (c.Peek() == '+' || c.Peek() == '-')) {
      negative = c.s[c.i++] == '-';
      have_sign = true;
    } else if (!have_dollar && c.Peek() == '$') {
      ++c.i;
      have_dollar = true;
    }
  }
  std::string digits;
  while (IsDigit(c.Peek()) || (c.Peek() == ',' && !digits.empty())) {
    if (c.Peek() != ',') digits.push_back(c.Peek());
    ++c.i;
  }
  const long frac = ReadFraction(c, digits);
  if (digits.empty()) return std::nullopt;
  long exponent = 0;
  ReadExponent(c, exponent);
  skip_blanks();
  if (!c.AtEnd()) return std::nullopt;
  return Assemble(negative, std::move(digits), frac, exponent);
}

Decimal ParseValPrefix(std::string_view text) {
  // Val ignores these wherever they stand, even between digits.
  std::string compact;
  for (char ch : text) {
    if (ch != ' ' && ch != '\t' && ch != '\n') compact.push_back(ch);
  }
  Cursor c{compact};
  bool negative = false;
  if (c.Peek() == '+' || c.Peek() == '-') negative = c.s[c.i++] == '-';
  std::string digits;
  while (IsDigit(c.Peek())) digits.push_back(c.s[c.i++]);
  const long frac = ReadFraction(c, digits);
  if (digits.empty()) return Decimal{};
  long exponent = 0;
  ReadExponent(c, exponent);
  auto d = Assemble(negative, std::move(digits), frac, exponent);
  if (!d) throw Overflow();
  return *d;
}

}  // namespace qvl::vb
