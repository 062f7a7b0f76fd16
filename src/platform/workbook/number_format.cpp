#include "platform/workbook/number_format.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/vb/date.h"
#include "platform/vb/decimal.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"

namespace qvl::workbook::detail {
namespace {

struct BuiltIn {
  int id;
  std::string_view mask;
};

constexpr std::array<BuiltIn, 36> kBuiltIns = {{
    {0, "General"},
    {1, "0"},
    {2, "0.00"},
    {3, "#,##0"},
    {4, "#,##0.00"},
    {5, "\"$\"#,##0_);\\(\"$\"#,##0\\)"},
    {6, "\"$\"#,##0_);[Red]\\(\"$\"#,##0\\)"},
    {7, "\"$\"#,##0.00_);\\(\"$\"#,##0.00\\)"},
    {8, "\"$\"#,##0.00_);[Red]\\(\"$\"#,##0.00\\)"},
    {9, "0%"},
    {10, "0.00%"},
    {11, "0.00E+00"},
    {12, "# ?/?"},
    {13, "# ?\?/??"},
    {14, "m/d/yyyy"},
    {15, "d-mmm-yy"},
    {16, "d-mmm"},
    {17, "mmm-yy"},
    {18, "h:mm AM/PM"},
    {19, "h:mm:ss AM/PM"},
    {20, "h:mm"},
    {21, "h:mm:ss"},
    {22, "m/d/yyyy h:mm"},
    {37, "#,##0_);(#,##0)"},
    {38, "#,##0_);[Red](#,##0)"},
    {39, "#,##0.00_);(#,##0.00)"},
    {40, "#,##0.00_);[Red](#,##0.00)"},
    {41, "_(* #,##0_);_(* \\(#,##0\\);_(* \"-\"_);_(@_)"},
    {42, "_(\"$\"* #,##0_);_(\"$\"* \\(#,##0\\);_(\"$\"* \"-\"_);_(@_)"},
    {43, "_(* #,##0.00_);_(* \\(#,##0.00\\);_(* \"-\"?\?_);_(@_)"},
    {44, "_(\"$\"* #,##0.00_);_(\"$\"* \\(#,##0.00\\);_(\"$\"* \"-\"?\?_);_(@_)"},
    {45, "mm:ss"},
    {46, "[h]:mm:ss"},
    {47, "mm:ss.0"},
    {48, "##0.0E+0"},
    {49, "@"},
}};

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

// The sections of a mask, split at ";" outside quotes, escapes and brackets.
std::vector<std::string_view> Sections(std::string_view mask) {
  std::vector<std::string_view> out;
  std::size_t start = 0;
  for (std::size_t i = 0; i < mask.size(); ++i) {
    char c = mask[i];
    if (c == '"') {
      std::size_t end = mask.find('"', i + 1);
      i = end == std::string_view::npos ? mask.size() : end;
    } else if (c == '\\' || c == '_' || c == '*') {
      ++i;
    } else if (c == '[') {
      std::size_t end = mask.find(']', i + 1);
      i = end == std::string_view::npos ? mask.size() : end;
    } else if (c == ';') {
      out.push_back(mask.substr(start, i - start));
      start = i + 1;
    }
  }
  out.push_back(mask.substr(std::min(start, mask.size())));
  return out;
}

struct Tok {
  enum Kind { Literal, Digit, Point, Comma, Percent, Exponent, At, DatePart, AmPm, General } kind;
  std::string text;  // literal text; date code ("yyyy", "mm", "[h]"); "E+"/"E-"; AM/PM form
  char placeholder = 0;
};

struct Parsed {
  std::vector<Tok> toks;
  bool isDate = false;
  bool hasDigits = false;
  bool hasAt = false;
  bool hasGeneral = false;
};

bool IsDateLetter(char c) {
  c = Lower(c);
  return c == 'y' || c == 'm' || c == 'd' || c == 'h' || c == 's';
}

Parsed Tokenize(std::string_view s) {
  Parsed p;
  auto literal = [&](std::string text) {
    if (!p.toks.empty() && p.toks.back().kind == Tok::Literal) {
      p.toks.back().text += text;
    } else {
      p.toks.push_back({Tok::Literal, std::move(text)});
    }
  };
  bool seenPoint = false;
  for (std::size_t i = 0; i < s.size(); ++i) {
    char c = s[i];
    if (c == '"') {
      std::size_t end = s.find('"', i + 1);
      if (end == std::string_view::npos) end = s.size();
      literal(std::string(s.substr(i + 1, end - i - 1)));
      i = end;
    } else if (c == '\\') {
      if (i + 1 < s.size()) literal(std::string(1, s[++i]));
    } else if (c == '_') {
      ++i;
      literal(" ");  // room the width of the next character
    } else if (c == '*') {
      ++i;  // fill to the column width: nothing in a text
    } else if (c == '[') {
      std::size_t end = s.find(']', i + 1);
      if (end == std::string_view::npos) end = s.size();
      std::string_view inner = s.substr(i + 1, end - i - 1);
      if (!inner.empty() && inner[0] == '$') {
        std::string_view symbol = inner.substr(1, inner.find('-') == std::string_view::npos ? std::string_view::npos
                                                                                             : inner.find('-') - 1);
        literal(std::string(symbol));
      } else if (!inner.empty() && IsDateLetter(inner[0])) {
        std::string code(1, '[');
        code += Lower(inner[0]);
        code += ']';
        p.toks.push_back({Tok::DatePart, code});
        p.isDate = true;
      }
      i = end;
    } else if (c == '0' || c == '#' || c == '?') {
      p.toks.push_back({Tok::Digit, "", c});
      p.hasDigits = true;
    } else if (c == '.' && !seenPoint && !p.isDate) {
      p.toks.push_back({Tok::Point, ""});
      seenPoint = true;
    } else if (c == ',') {
      p.toks.push_back({Tok::Comma, ""});
    } else if (c == '%') {
      p.toks.push_back({Tok::Percent, ""});
    } else if ((c == 'E' || c == 'e') && i + 1 < s.size() && (s[i + 1] == '+' || s[i + 1] == '-')) {
      p.toks.push_back({Tok::Exponent, std::string("E") + s[i + 1]});
      ++i;
    } else if (c == '@') {
      p.toks.push_back({Tok::At, ""});
      p.hasAt = true;
    } else if (vb::StartsWithNoCase(s.substr(i), "AM/PM")) {
      p.toks.push_back({Tok::AmPm, "AM/PM"});
      p.isDate = true;
      i += 4;
    } else if (vb::StartsWithNoCase(s.substr(i), "A/P")) {
      p.toks.push_back({Tok::AmPm, "A/P"});
      p.isDate = true;
      i += 2;
    } else if (vb::StartsWithNoCase(s.substr(i), "General")) {
      p.toks.push_back({Tok::General, ""});
      p.hasGeneral = true;
      i += 6;
    } else if (IsDateLetter(c)) {
      std::size_t j = i;
      while (j < s.size() && Lower(s[j]) == Lower(c)) ++j;
      p.toks.push_back({Tok::DatePart, std::string(j - i, Lower(c))});
      p.isDate = true;
      i = j - 1;
    } else {
      literal(std::string(1, c));
    }
  }
  // In a date mask "0" after a point is a fraction of a second; shown as text.
  if (p.isDate) {
    for (auto& t : p.toks) {
      if (t.kind == Tok::Digit || t.kind == Tok::Point || t.kind == Tok::Comma) {
        t = {Tok::Literal, t.kind == Tok::Digit ? std::string(1, t.placeholder) : t.kind == Tok::Point ? "." : ","};
      }
    }
  }
  return p;
}

std::string Digits(std::int64_t v, int width) {
  std::string s = std::to_string(v);
  while (static_cast<int>(s.size()) < width) s.insert(s.begin(), '0');
  return s;
}

std::string RenderDate(double serial, const Parsed& p) {
  SerialDate d;
  if (!FromSerial(serial, d)) return std::string(10, '#');
  bool twelveHour = false;
  for (const auto& t : p.toks) twelveHour |= t.kind == Tok::AmPm;
  std::string out;
  for (std::size_t i = 0; i < p.toks.size(); ++i) {
    const Tok& t = p.toks[i];
    switch (t.kind) {
      case Tok::AmPm: {
        bool pm = d.hour >= 12;
        out += t.text == "AM/PM" ? (pm ? "PM" : "AM") : (pm ? "P" : "A");
        break;
      }
      case Tok::DatePart: {
        char c = t.text[0];
        std::size_t n = t.text.size();
        if (c == '[') {
          double days = std::floor(serial);
          std::int64_t total = static_cast<std::int64_t>(days) * 24 + d.hour;
          if (t.text[1] == 'm') total = total * 60 + d.minute;
          if (t.text[1] == 's') total = (total * 60 + d.minute) * 60 + d.second;
          out += std::to_string(total);
        } else if (c == 'y') {
          out += n <= 2 ? Digits(d.year % 100, 2) : Digits(d.year, 4);
        } else if (c == 'm') {
          // Minutes when it follows an hour or precedes seconds.
          bool minute = false;
          for (std::size_t j = i; j-- > 0;) {
            if (p.toks[j].kind == Tok::DatePart) {
              minute = p.toks[j].text[0] == 'h' || p.toks[j].text == "[h]";
              break;
            }
          }
          for (std::size_t j = i + 1; !minute && j < p.toks.size(); ++j) {
            if (p.toks[j].kind == Tok::DatePart) {
              minute = p.toks[j].text[0] == 's';
              break;
            }
          }
          if (minute && n <= 2) {
            out += Digits(d.minute, static_cast<int>(n));
          } else if (n <= 2) {
            out += Digits(d.month, static_cast<int>(n));
          } else {
            std::string name = vb::MonthName(d.month, n == 3);
            out += n >= 5 ? name.substr(0, 1) : name;
          }
        } else if (c == 'd') {
          if (n <= 2) {
            out += Digits(d.day, static_cast<int>(n));
          } else {
            out += vb::WeekdayName(d.weekday, n == 3);
          }
        } else if (c == 'h') {
          int h = d.hour;
          if (twelveHour) h = h % 12 == 0 ? 12 : h % 12;
          out += Digits(h, static_cast<int>(std::min<std::size_t>(n, 2)));
        } else if (c == 's') {
          out += Digits(d.second, static_cast<int>(std::min<std::size_t>(n, 2)));
        }
        break;
      }
      case Tok::Literal:
        out += t.text;
        break;
      default:
        break;
    }
  }
  return out;
}

std::string RenderNumber(double value, const Parsed& p, bool showMinus) {
  if (p.hasGeneral) {
    std::string out;
    for (const auto& t : p.toks) {
      if (t.kind == Tok::Literal) out += t.text;
      if (t.kind == Tok::General) out += GeneralNumber(showMinus ? value : std::fabs(value));
    }
    return out;
  }
  // A mask for text only shows numbers as General does.
  if (!p.hasDigits && p.hasAt) return GeneralNumber(value);
  // Layout of the placeholders.
  std::size_t point = p.toks.size(), exponent = p.toks.size();
  for (std::size_t i = 0; i < p.toks.size(); ++i) {
    if (p.toks[i].kind == Tok::Point && point == p.toks.size()) point = i;
    if (p.toks[i].kind == Tok::Exponent && exponent == p.toks.size()) exponent = i;
  }
  std::size_t intEnd = std::min(point, exponent);
  int intCount = 0, intZeros = 0, intQuestions = 0, decimals = 0, expDigits = 0, percents = 0;
  std::size_t lastIntDigit = p.toks.size(), firstIntDigit = p.toks.size();
  for (std::size_t i = 0; i < p.toks.size(); ++i) {
    const Tok& t = p.toks[i];
    if (t.kind == Tok::Percent) ++percents;
    if (t.kind != Tok::Digit) continue;
    if (i < intEnd) {
      ++intCount;
      intZeros += t.placeholder == '0';
      intQuestions += t.placeholder == '?';
      if (firstIntDigit == p.toks.size()) firstIntDigit = i;
      lastIntDigit = i;
    } else if (i < exponent) {
      ++decimals;
    } else {
      ++expDigits;
    }
  }
  bool grouping = false;
  int scaleCommas = 0;
  for (std::size_t i = 0; i < intEnd; ++i) {
    if (p.toks[i].kind != Tok::Comma) continue;
    if (i > firstIntDigit && i < lastIntDigit) {
      grouping = true;
    } else if (lastIntDigit != p.toks.size() && i > lastIntDigit) {
      ++scaleCommas;
    }
  }

  double a = std::fabs(value);
  for (int i = 0; i < percents; ++i) a *= 100;
  for (int i = 0; i < scaleCommas; ++i) a /= 1000;
  if (!std::isfinite(a)) return std::string(11, '#');  // too large to show

  int exp10 = 0;
  if (exponent < p.toks.size() && a != 0 && std::isfinite(a)) {
    int step = std::max(intCount, 1);
    exp10 = static_cast<int>(std::floor(std::log10(a)));
    if (step > 1) exp10 -= ((exp10 % step) + step) % step;
    a /= std::pow(10.0, exp10);
    vb::Decimal m = vb::Decimal::FromDouble(a).RoundHalfAway(decimals);
    if (static_cast<int>(m.IntegerDigits().size()) > step) {
      exp10 += step;
      a /= std::pow(10.0, step);
    }
  }
  vb::Decimal rounded = vb::Decimal::FromDouble(a).RoundHalfAway(decimals);
  std::string intDigits = rounded.IntegerDigits();
  std::string fraction = rounded.FractionDigits(decimals);

  while (static_cast<int>(intDigits.size()) < intZeros) intDigits.insert(intDigits.begin(), '0');
  if (grouping) intDigits = vb::GroupThousands(intDigits);
  while (static_cast<int>(intDigits.size()) < intZeros + intQuestions) intDigits.insert(intDigits.begin(), ' ');

  // Optional decimal places drop trailing zeros; "?" keeps their room.
  std::vector<std::string> fractionOut;
  {
    std::vector<char> holders;
    for (std::size_t i = point; i < exponent && i < p.toks.size(); ++i) {
      if (p.toks[i].kind == Tok::Digit) holders.push_back(p.toks[i].placeholder);
    }
    fractionOut.assign(holders.size(), "");
    bool trailing = true;
    for (std::size_t k = holders.size(); k-- > 0;) {
      char digit = fraction[k];
      if (trailing && digit == '0' && holders[k] != '0') {
        fractionOut[k] = std::string(holders[k] == '?' ? 1 : 0, ' ');
      } else {
        trailing = false;
        fractionOut[k] = std::string(1, digit);
      }
    }
  }

  std::string out;
  if (showMinus && value < 0 && !rounded.IsZero()) out += '-';
  bool intWritten = false;
  std::size_t fractionIndex = 0;
  for (std::size_t i = 0; i < p.toks.size(); ++i) {
    const Tok& t = p.toks[i];
    switch (t.kind) {
      case Tok::Literal:
        out += t.text;
        break;
      case Tok::Digit:
        if (i < intEnd) {
          if (!intWritten) out += intDigits;
          intWritten = true;
        } else if (i < exponent) {
          out += fractionOut[fractionIndex++];
        }
        break;
      case Tok::Point:
        if (!intWritten) out += intDigits;  // ".00" still shows whole units
        intWritten = true;
        out += '.';
        break;
      case Tok::Percent:
        out += '%';
        break;
      case Tok::Exponent:
        out += 'E';
        out += exp10 < 0 ? "-" : (t.text[1] == '+' ? "+" : "");
        out += Digits(std::abs(exp10), expDigits);
        break;
      default:
        break;
    }
  }
  return out;
}

}  // namespace

std::string_view BuiltInFormat(int id) {
  for (const auto& b : kBuiltIns) {
    if (b.id == id) return b.mask;
  }
  return {};
}

int BuiltInFormatId(std::string_view mask) {
  for (const auto& b : kBuiltIns) {
    if (b.mask == mask) return b.id;
  }
  return -1;
}

bool FromSerial(double serial, SerialDate& out) {
  if (!(serial >= 0) || serial >= 2958466) return false;
  auto seconds = static_cast<std::int64_t>(std::llround(serial * 86400.0));
  auto days = seconds / 86400;
  auto secs = seconds % 86400;
  out.hour = static_cast<int>(secs / 3600);
  out.minute = static_cast<int>(secs / 60 % 60);
  out.second = static_cast<int>(secs % 60);
  if (days < 61) {
    // The system counts a 29 February 1900, so its first two months are
    // its own: serial 0 is shown as 1/0/1900.
    out.year = 1900;
    out.month = days <= 31 ? 1 : 2;
    out.day = static_cast<int>(days <= 31 ? days : days - 31);
    out.weekday = static_cast<int>((days + 6) % 7) + 1;
    return true;
  }
  vb::Date d = vb::Date::FromSerial(static_cast<double>(days));
  out.year = d.Year();
  out.month = d.Month();
  out.day = d.Day();
  out.weekday = d.Weekday();
  return true;
}

namespace {

// A mask split and tokenized once: a sheet formats every cell of a column
// through the same few masks.
struct CompiledFormat {
  std::size_t sectionCount = 0;
  std::vector<Parsed> parsed;  // one per section
};

struct MaskHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};

const CompiledFormat& Compiled(std::string_view mask) {
  constexpr std::size_t kMaxMasks = 256;  // masks come from files too: keep the cache bounded
  thread_local std::unordered_map<std::string, CompiledFormat, MaskHash, std::equal_to<>> cache;
  auto it = cache.find(mask);
  if (it != cache.end()) return it->second;
  if (cache.size() >= kMaxMasks) cache.clear();
  CompiledFormat f;
  for (std::string_view section : Sections(mask)) f.parsed.push_back(Tokenize(section));
  f.sectionCount = f.parsed.size();
  return cache.emplace(std::string(mask), std::move(f)).first->second;
}

}  // namespace

bool IsDateFormat(std::string_view mask) { return Compiled(mask).parsed[0].isDate; }

std::string GeneralNumber(double value) {
  if (value == 0 || !std::isfinite(value)) return "0";
  constexpr std::size_t kWidth = 11;
  // Whole numbers of up to 11 characters are their own digits.
  if (value == std::floor(value) && std::fabs(value) < 1e10) return std::to_string(static_cast<std::int64_t>(value));
  double a = std::fabs(value);
  std::string plain = vb::Decimal::FromDouble(value).PlainText();
  if (plain.size() <= kWidth) return plain;
  std::size_t intLen = plain.find('.');
  if (intLen == std::string::npos) intLen = plain.size();
  if (a >= 1e-4 && intLen < kWidth) {
    std::string r = vb::Decimal::FromDouble(value).RoundHalfAway(static_cast<int>(kWidth - intLen - 1)).PlainText();
    if (r != "0") return r;
  }
  int exp10 = static_cast<int>(std::floor(std::log10(a)));
  // Below 1E-300 the power of ten itself would underflow to 0: scale first.
  auto mantissaOf = [a](int exp) {
    double m = exp < -300 ? a * 1e300 / std::pow(10.0, exp + 300) : a / std::pow(10.0, exp);
    return vb::Decimal::FromDouble(m).RoundHalfAway(5);
  };
  vb::Decimal mantissa = mantissaOf(exp10);
  if (mantissa.IntegerDigits().size() > 1) mantissa = mantissaOf(++exp10);
  std::string text(value < 0 ? 1 : 0, '-');
  text += mantissa.PlainText();
  text += exp10 < 0 ? "E-" : "E+";
  text += Digits(std::abs(exp10), 2);
  return text;
}

std::string FormatNumber(double value, std::string_view mask) {
  if (!std::isfinite(value)) return "#NUM!";
  const CompiledFormat& format = Compiled(mask);
  std::size_t index = 0;
  if (format.sectionCount >= 3 && value == 0) {
    index = 2;
  } else if (format.sectionCount >= 2 && value < 0) {
    index = 1;
  }
  const Parsed& p = format.parsed[index];
  if (p.toks.empty()) return "";
  if (p.isDate) return RenderDate(value, p);
  return RenderNumber(value, p, index == 0);
}

std::string FormatText(std::string_view text, std::string_view mask) {
  const CompiledFormat& format = Compiled(mask);
  const Parsed* section = nullptr;
  if (format.sectionCount >= 4) {
    section = &format.parsed[3];
  } else if (format.sectionCount == 1 && format.parsed[0].hasAt) {
    section = &format.parsed[0];
  } else {
    return std::string(text);
  }
  std::string out;
  for (const auto& t : section->toks) {
    switch (t.kind) {
      case Tok::Literal:
        out += t.text;
        break;
      case Tok::At:
        out += text;
        break;
      case Tok::Point:
        out += '.';
        break;
      case Tok::Comma:
        out += ',';
        break;
      case Tok::Percent:
        out += '%';
        break;
      case Tok::Digit:
        out += t.placeholder;
        break;
      default:
        break;
    }
  }
  return out;
}

}  // namespace qvl::workbook::detail
