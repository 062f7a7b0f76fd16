#pragma once
// Number conversions with the original runtime's rules: what counts as a
// number, how Val reads a prefix, how whole-number conversions round and
// where they overflow. Failures raise vb::Error (13 "Type mismatch",
// 6 "Overflow"), which callers handle as the original's handlers did.
#include <concepts>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/vb/currency.h"

namespace qvl::vb {

// Blanks around, an optional sign and "$", digits with thousands commas,
// one decimal point, an optional exponent; empty text is not numeric.
bool IsNumeric(std::string_view text);

// The leading number of the text as a double: blanks, tabs and line feeds
// inside are skipped ("1 2 3" is 123), reading stops at the first other
// character ("12abc" is 12, "$5" and "" are 0, "1,000" is 1).
double Val(std::string_view text);
// The same prefix as an exact amount (four places, half to even), so no
// amount passes through binary floating point; Overflow out of range.
Currency ValCurrency(std::string_view text);

// CDbl of numeric text; Type mismatch otherwise.
double CDbl(std::string_view text);

// 16-bit whole numbers (-32768..32767), rounded half to even
// (2.5 -> 2, 3.5 -> 4, -2.5 -> -2); Overflow outside the range, Type
// mismatch for text that is not numeric.
std::int16_t CInt(double value);
std::int16_t CInt(Currency value);
std::int16_t CInt(std::string_view text);
// 32-bit whole numbers, the same rules.
std::int32_t CLng(double value);
std::int32_t CLng(Currency value);
std::int32_t CLng(std::string_view text);

// The shortest general text of a double: up to 15 significant digits, no
// trailing zeros, "0" before the point below 1, exponent form beyond
// (1E+15, 1E-05) as the original writes it: "1234.5", "-819.5", "0.5".
std::string CStr(double value);
std::string CStr(std::int64_t value);
template <std::integral Int>
  requires(!std::same_as<Int, bool> && !std::same_as<Int, std::int64_t>)
std::string CStr(Int value) {
  return CStr(static_cast<std::int64_t>(value));
}

}  // namespace qvl::vb
