#include "platform/vb/format.h"

#include <charconv>
#include <cstdio>
#include <functional>
#include <optional>
#include <unordered_map>
#include <vector>

#include "platform/vb/convert.h"
#include "platform/vb/decimal.h"
#include "platform/vb/text.h"

namespace qvl::vb {

namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

// Walks a mask, handing quoted text and \x escapes over as literals so no
// placeholder inside them is ever seen.
template <typename OnLiteral, typename OnChar>
void ScanMask(std::string_view mask, OnLiteral on_literal, OnChar on_char) {
  for (std::size_t i = 0; i < mask.size(); ++i) {
    const char c = mask[i];
    if (c == '"') {
      const std::size_t end = mask.find('"', i + 1);
      const std::size_t stop = end == std::string_view::npos ? mask.size() : end;
      on_literal(mask.substr(i + 1, stop - i - 1));
      i = stop;
    } else if (c == '\\' && i + 1 < mask.size()) {
      on_literal(mask.substr(++i, 1));
    } else {
      i = on_char(i);
    }
  }
}

// ---- numbers ---------------------------------------------------------------

struct NumItem {
  enum Kind { kZero, kHash, kPoint, kComma, kLiteral } kind;
  std::string text;
  bool IsDigit() const { return kind == kZero || kind == kHash; }
};

std::vector<std::string> SplitSections(std::string_view mask) {
  std::vector<std::string> sections(1);
  ScanMask(
      mask,
      [&](std::string_view lit) {
        // Escape each character so the section parser sees a literal again.
        for (char ch : lit) {
          sections.back() += '\\';
          sections.back() += ch;
        }
      },
      [&](std::size_t i) {
        if (mask[i] == ';') {
          sections.emplace_back();
        } else {
          sections.back() += mask[i];
        }
        return i;
      });
  return sections;
}

std::vector<NumItem> ParseNumberSection(std::string_view section) {
  std::vector<NumItem> items;
  bool seen_point = false;
  ScanMask(
      section, [&](std::string_view lit) { items.push_back({NumItem::kLiteral, std::string(lit)}); },
      [&](std::size_t i) {
        switch (section[i]) {
          case '0': items.push_back({NumItem::kZero, ""}); break;
          case '#': items.push_back({NumItem::kHash, ""}); break;
          case ',': items.push_back({NumItem::kComma, ""}); break;
          case '.':
            items.push_back(seen_point ? NumItem{NumItem::kLiteral, "."} : NumItem{NumItem::kPoint, ""});
            seen_point = true;
            break;
          default: items.push_back({NumItem::kLiteral, std::string(1, section[i])});
        }
        return i;
      });
  return items;
}

// A number section parsed once: its items and where its placeholders stand.
struct NumSection {
  std::vector<NumItem> items;
  std::size_t point = 0;  // index of the point, or items.size()
  std::vector<std::size_t> int_slots;
  std::size_t first_zero = std::string::npos;
  bool grouping = false;
  int scale_commas = 0;
  int frac_places = 0;
  int min_frac = 0;
};

NumSection CompileNumberSection(std::string_view section) {
  NumSection s;
  s.items = ParseNumberSection(section);
  const std::vector<NumItem>& items = s.items;
  s.point = items.size();
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i].kind == NumItem::kPoint) {
      s.point = i;
      break;
    }
  }
  // Integer placeholders, the first "0" among them, thousands and scaling commas.
  for (std::size_t i = 0; i < s.point; ++i) {
    if (items[i].IsDigit()) {
      if (items[i].kind == NumItem::kZero && s.first_zero == std::string::npos) s.first_zero = s.int_slots.size();
      s.int_slots.push_back(i);
      s.grouping = s.grouping || s.scale_commas > 0;
      s.scale_commas = 0;
    } else if (items[i].kind == NumItem::kComma && !s.int_slots.empty()) {
      ++s.scale_commas;
    }
  }
  for (std::size_t i = s.point; i < items.size(); ++i) {
    if (items[i].IsDigit()) {
      ++s.frac_places;
      if (items[i].kind == NumItem::kZero) s.min_frac = s.frac_places;
    }
  }
  return s;
}

// The magnitude of `value` through one section. Sets `nonzero` to whether
// anything but zeros was written, so the caller knows whether a sign belongs.
std::string FormatMagnitude(const Decimal& value, const NumSection& section, bool& nonzero) {
  const std::vector<NumItem>& items = section.items;
  const std::size_t point = section.point;
  const std::vector<std::size_t>& int_slots = section.int_slots;
  const std::size_t first_zero = section.first_zero;
  const bool grouping = section.grouping;
  const int scale_commas = section.scale_commas;
  const int frac_places = section.frac_places;
  const int min_frac = section.min_frac;

  Decimal v = value;
  v.negative = false;
  if (scale_commas > 0) v = v.Times10(-3 * scale_commas);
  v = v.RoundHalfAway(frac_places);
  nonzero = !v.IsZero();

  std::string whole = v.IntegerDigits();
  const std::size_t min_int = first_zero == std::string::npos ? 0 : int_slots.size() - first_zero;
  if (whole.size() < min_int) whole.insert(0, min_int - whole.size(), '0');
  std::string frac = v.FractionDigits(frac_places);
  while (static_cast<int>(frac.size()) > min_frac && frac.back() == '0') frac.pop_back();

  std::string out;
  const std::size_t n_slots = int_slots.size();
  std::size_t slot = 0;
  for (std::size_t i = 0; i < point; ++i) {
    const NumItem& item = items[i];
    if (item.kind == NumItem::kLiteral) {
      out += item.text;
    } else if (item.IsDigit()) {
      if (grouping) {
        if (slot == 0) out += GroupThousands(whole);
      } else if (slot == 0) {
        // The leftmost placeholder takes every digit the others cannot.
        if (whole.size() >= n_slots) out += whole.substr(0, whole.size() - n_slots + 1);
      } else {
        const std::size_t from_right = n_slots - slot;  // 1-based position from the right
        if (whole.size() >= from_right) out += whole[whole.size() - from_right];
      }
      ++slot;
    }
  }
  if (n_slots == 0) out += whole;  // ".00" still shows the whole part
  if (point < items.size()) {
    out += '.';
    std::size_t k = 0;
    for (std::size_t i = point + 1; i < items.size(); ++i) {
      const NumItem& item = items[i];
      if (item.kind == NumItem::kLiteral) {
        out += item.text;
      } else if (item.IsDigit()) {
        if (k < frac.size()) out += frac[k];
        ++k;
      }
    }
  }
  return out;
}

// ---- dates -----------------------------------------------------------------

struct DateToken {
  enum Kind { kLiteral, kDay, kMonth, kMinute, kYear, kHour, kSecond, kAmPm } kind;
  int width = 0;
  std::string text;  // literal text, or the AM/PM pattern as written
};

std::vector<DateToken> ParseDateMask(std::string_view mask) {
  std::vector<DateToken> tokens;
  auto literal = [&](std::string_view s) {
    if (!tokens.empty() && tokens.back().kind == DateToken::kLiteral) {
      tokens.back().text += s;
    } else {
      tokens.push_back({DateToken::kLiteral, 0, std::string(s)});
    }
  };
  ScanMask(mask, literal, [&](std::size_t i) {
    for (std::string_view ampm : {"AM/PM", "A/P"}) {
      if (StartsWithNoCase(mask.substr(i), ampm)) {
        tokens.push_back({DateToken::kAmPm, 0, std::string(mask.substr(i, ampm.size()))});
        return i + ampm.size() - 1;
      }
    }
    const char c = Lower(mask[i]);
    std::size_t run = 1;
    while (i + run < mask.size() && Lower(mask[i + run]) == c) ++run;
    DateToken::Kind kind;
    std::size_t take;
    switch (c) {
      case 'd': kind = DateToken::kDay; take = std::min<std::size_t>(run, 4); break;
      case 'm': kind = DateToken::kMonth; take = std::min<std::size_t>(run, 4); break;
      case 'y': kind = DateToken::kYear; take = run >= 4 ? 4 : run >= 2 ? 2 : 1; break;
      case 'h': kind = DateToken::kHour; take = std::min<std::size_t>(run, 2); break;
      case 'n': kind = DateToken::kMinute; take = std::min<std::size_t>(run, 2); break;
      case 's': kind = DateToken::kSecond; take = std::min<std::size_t>(run, 2); break;
      default: literal(mask.substr(i, 1)); return i;
    }
    tokens.push_back({kind, static_cast<int>(take), ""});
    return i + take - 1;
  });
  // "m" and "mm" next to a time mean minutes: right after an hour, or
  // right before a second (literals such as ":" in between).
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    if (tokens[i].kind != DateToken::kMonth || tokens[i].width > 2) continue;
    std::optional<DateToken::Kind> before, after;
    for (std::size_t k = i; k-- > 0;) {
      if (tokens[k].kind != DateToken::kLiteral) {
        before = tokens[k].kind;
        break;
      }
    }
    for (std::size_t k = i + 1; k < tokens.size(); ++k) {
      if (tokens[k].kind != DateToken::kLiteral) {
        after = tokens[k].kind;
        break;
      }
    }
    if (before == DateToken::kHour || after == DateToken::kSecond) tokens[i].kind = DateToken::kMinute;
  }
  return tokens;
}

void AppendNumber(std::string& out, int v, int width) {
  if (v >= 0 && v < 100 && (width >= 2 || v >= 10)) {
    out += static_cast<char>('0' + v / 10);
    out += static_cast<char>('0' + v % 10);
  } else if (v >= 0 && v < 10) {
    out += static_cast<char>('0' + v);
  } else {
    char buf[16];
    const auto end = std::to_chars(buf, buf + sizeof buf, v).ptr;  // "%02d" and "%d" agree from here on
    out.append(buf, end);
  }
}

void AppendDate(std::string& out, const Date& d, const std::vector<DateToken>& tokens, bool twelve_hour) {
  for (const auto& t : tokens) {
    switch (t.kind) {
      case DateToken::kLiteral: out += t.text; break;
      case DateToken::kDay:
        if (t.width <= 2) {
          AppendNumber(out, d.Day(), t.width);
        } else {
          out += WeekdayName(d.Weekday(), t.width == 3);
        }
        break;
      case DateToken::kMonth:
        if (t.width <= 2) {
          AppendNumber(out, d.Month(), t.width);
        } else {
          out += MonthName(d.Month(), t.width == 3);
        }
        break;
      case DateToken::kYear:
        if (t.width == 1) {
          AppendNumber(out, d.DayOfYear(), 1);
        } else if (t.width == 2) {
          AppendNumber(out, d.Year() % 100, 2);
        } else {
          AppendNumber(out, d.Year(), 1);
        }
        break;
      case DateToken::kHour: {
        int h = d.Hour();
        if (twelve_hour) h = h % 12 == 0 ? 12 : h % 12;
        AppendNumber(out, h, t.width);
        break;
      }
      case DateToken::kMinute: AppendNumber(out, d.Minute(), t.width); break;
      case DateToken::kSecond: AppendNumber(out, d.Second(), t.width); break;
      case DateToken::kAmPm: {
        const bool pm = d.Hour() >= 12;
        if (t.text.size() == 3) {  // A/P
          out += pm ? t.text[2] : t.text[0];
        } else {
          out += pm ? t.text.substr(3, 2) : t.text.substr(0, 2);
        }
        break;
      }
    }
  }
}

// ---- masks compiled once ---------------------------------------------------

// A mask as the formatting needs it. Writers format every record through a
// handful of fixed masks, so each is parsed once and kept.
struct CompiledMask {
  bool date = false;
  std::vector<DateToken> tokens;  // date masks
  bool twelve_hour = false;
  std::vector<std::string> sections;  // number masks
  std::vector<NumSection> parsed;     // one per section
};

bool ScanIsDateMask(std::string_view mask);

CompiledMask Compile(std::string_view mask) {
  CompiledMask m;
  m.date = ScanIsDateMask(mask);
  if (m.date) {
    m.tokens = ParseDateMask(mask);
    for (const auto& t : m.tokens) m.twelve_hour = m.twelve_hour || t.kind == DateToken::kAmPm;
  } else {
    m.sections = SplitSections(mask);
    for (const std::string& section : m.sections) m.parsed.push_back(CompileNumberSection(section));
  }
  return m;
}

struct MaskHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};

const CompiledMask& Compiled(std::string_view mask) {
  // Bounded so that masks built from data cannot grow it without end.
  constexpr std::size_t kMaxMasks = 256;
  thread_local std::unordered_map<std::string, CompiledMask, MaskHash, std::equal_to<>> cache;
  auto it = cache.find(mask);
  if (it != cache.end()) return it->second;
  if (cache.size() >= kMaxMasks) cache.clear();
  return cache.emplace(std::string(mask), Compile(mask)).first->second;
}

std::string FormatDateWith(const Date& d, const CompiledMask& mask) {
  std::string out;
  AppendDate(out, d, mask.tokens, mask.twelve_hour);
  return out;
}

bool ScanIsDateMask(std::string_view mask) {
  bool date = false;
  ScanMask(
      mask, [](std::string_view) {},
      [&](std::size_t i) {
        switch (Lower(mask[i])) {
          case 'd':
          case 'm':
          case 'y':
          case 'h':
          case 'n':
          case 's': date = true; break;
          default:
            if (StartsWithNoCase(mask.substr(i), "AM/PM") || StartsWithNoCase(mask.substr(i), "A/P")) date = true;
        }
        return i;
      });
  return date;
}

}  // namespace

std::string GroupThousands(std::string_view digits) {
  std::string out;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
    out += digits[i];
  }
  return out;
}

bool IsDateMask(std::string_view mask) { return Compiled(mask).date; }

std::string FormatNumber(const Decimal& value, std::string_view mask) {
  if (mask.empty()) return value.PlainText();
  const CompiledMask& m = Compiled(mask);
  if (m.date) return FormatDateWith(Date::FromSerial(value.ToDouble()), m);
  auto section = [&](std::size_t k) -> const NumSection* {
    return k < m.sections.size() && !m.sections[k].empty() ? &m.parsed[k] : nullptr;
  };
  bool nonzero = false;
  if (value.IsZero() && section(2)) return FormatMagnitude(value, *section(2), nonzero);
  if (value.negative && section(1)) return FormatMagnitude(value, *section(1), nonzero);
  std::string out = FormatMagnitude(value, m.parsed[0], nonzero);
  return value.negative && nonzero ? "-" + out : out;
}

std::string Format(Currency value, std::string_view mask) { return FormatNumber(value.ToDecimal(), mask); }

std::string Format(double value, std::string_view mask) {
  return mask.empty() ? CStr(value) : FormatNumber(Decimal::FromDouble(value), mask);
}

std::string Format(std::int64_t value, std::string_view mask) { return FormatNumber(Decimal::FromInteger(value), mask); }

std::string Format(const Date& value, std::string_view mask) {
  if (mask.empty()) return CStr(value);
  const CompiledMask& m = Compiled(mask);
  if (!m.date) return FormatNumber(Decimal::FromDouble(value.Serial()), mask);
  return FormatDateWith(value, m);
}

std::string Format(std::string_view text, std::string_view mask) {
  if (auto number = ParseNumber(text)) return FormatNumber(*number, mask);
  if (auto date = ParseDate(text)) return Format(*date, mask);
  return std::string(text);
}

}  // namespace qvl::vb
