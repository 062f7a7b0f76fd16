#include "platform/workbook/typed_entry.h"

#include <charconv>
#include <cmath>

#include "platform/vb/date.h"
#include "platform/vb/text.h"
#include "platform/workbook/number_format.h"

namespace qvl::workbook::detail {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

// The spreadsheet keeps 15 significant digits of what is typed; the rest
// become zeros. True when one of them was not a zero already.
bool KeepFifteenDigits(std::string& digits) {
  int significant = 0;
  bool dropped = false;
  for (char& c : digits) {
    if (!IsDigit(c)) continue;
    if (significant == 0 && c == '0') continue;
    if (++significant > 15) {
      dropped = dropped || c != '0';
      c = '0';
    }
  }
  return dropped;
}

}  // namespace

std::optional<TypedNumber> ParseTypedNumber(std::string_view text) {
  std::string_view s = TrimBlanks(text);
  bool negative = false, sign = false, currency = false, percent = false;
  if (s.size() >= 2 && s.front() == '(' && s.back() == ')') {
    negative = sign = true;
    s = TrimBlanks(s.substr(1, s.size() - 2));
  }
  for (int k = 0; k < 2 && !s.empty(); ++k) {
    if ((s[0] == '-' || s[0] == '+') && !sign) {
      negative = s[0] == '-';
      sign = true;
      s.remove_prefix(1);
    } else if (s[0] == '$' && !currency) {
      currency = true;
      s.remove_prefix(1);
    }
  }
  if (!s.empty() && s.back() == '%') {
    percent = true;
    s.remove_suffix(1);
  }

  std::size_t i = 0;
  std::string whole, fraction, exponent;
  bool commas = false;
  std::size_t group = 0;
  for (; i < s.size() && (IsDigit(s[i]) || s[i] == ','); ++i) {
    if (s[i] == ',') {
      // Thousands separators only between whole groups of three digits.
      if (whole.empty() || (commas ? group != 3 : whole.size() > 3)) return std::nullopt;
      commas = true;
      group = 0;
    } else {
      whole += s[i];
      ++group;
    }
  }
  if (commas && group != 3) return std::nullopt;
  if (i < s.size() && s[i] == '.') {
    for (++i; i < s.size() && IsDigit(s[i]); ++i) fraction += s[i];
  }
  if (whole.empty() && fraction.empty()) return std::nullopt;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    if (currency || commas || percent) return std::nullopt;
    exponent += 'e';
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) exponent += s[i++];
    std::size_t start = i;
    for (; i < s.size() && IsDigit(s[i]); ++i) exponent += s[i];
    if (i == start) return std::nullopt;
  }
  if (i != s.size()) return std::nullopt;

  std::string digits = (whole.empty() ? "0" : whole) + "." + fraction;
  const bool dropped = KeepFifteenDigits(digits);
  std::string number = (negative ? "-" : "") + digits + (percent ? "e-2" : exponent);
  double value = 0;
  auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (ec != std::errc() || end != number.data() + number.size() || !std::isfinite(value)) return std::nullopt;
  if (value == 0) value = 0;  // no negative zero

  TypedNumber out{value, "", dropped};
  bool decimals = !fraction.empty();
  if (!exponent.empty()) {
    out.impliedFormat = "0.00E+00";
  } else if (percent) {
    out.impliedFormat = decimals ? "0.00%" : "0%";
  } else if (currency) {
    out.impliedFormat = decimals ? "$#,##0.00" : "$#,##0";
  } else if (commas) {
    out.impliedFormat = decimals ? "#,##0.00" : "#,##0";
  }
  return out;
}

std::optional<double> ParseTypedDate(std::string_view text) {
  auto date = vb::ParseDate(text);
  if (!date || date->Year() < 1900) return std::nullopt;
  double serial = date->Serial();
  // Before March 1900 the workbook's serials are one less (it counts a
  // 29 February 1900).
  return serial < 61 ? serial - 1 : serial;
}

TypedEntry InterpretTyped(std::string_view typed, std::string_view cellFormat) {
  TypedEntry e;
  if (typed.empty()) return e;
  if (typed.front() == '\'') {
    e.kind = TypedEntry::Kind::Text;
    e.text = std::string(typed.substr(1));
    return e;
  }
  if (IsTextFormat(cellFormat)) {
    e.kind = TypedEntry::Kind::Text;
    e.text = std::string(typed);
    return e;
  }
  if (typed.front() == '=' && typed.size() > 1) {
    e.kind = TypedEntry::Kind::Formula;
    e.text = std::string(typed);
    return e;
  }
  std::string_view trimmed = TrimBlanks(typed);
  if (vb::EqualsNoCase(trimmed, "TRUE") || vb::EqualsNoCase(trimmed, "FALSE")) {
    e.kind = TypedEntry::Kind::Boolean;
    e.number = vb::EqualsNoCase(trimmed, "TRUE") ? 1 : 0;
    return e;
  }
  bool general = cellFormat == "General";
  if (auto n = ParseTypedNumber(typed)) {
    e.kind = TypedEntry::Kind::Number;
    e.number = n->value;
    if (general && !n->impliedFormat.empty()) e.impliedFormat = n->impliedFormat;
    return e;
  }
  if (auto serial = ParseTypedDate(typed)) {
    e.kind = TypedEntry::Kind::Number;
    e.number = *serial;
    if (!IsDateFormat(cellFormat)) e.impliedFormat = std::string(BuiltInFormat(14));
    return e;
  }
  e.kind = TypedEntry::Kind::Text;
  e.text = std::string(typed);
  return e;
}

}  // namespace qvl::workbook::detail
