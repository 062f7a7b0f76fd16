#pragma once
// Amounts written as whole cents in fixed-width fields. Such a field holds
// only so many digits, and an unsigned one no sign: an amount that does not
// fit stops the run with one message naming the line it came from, so the
// journal never carries a cut, wrong number.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/vb/currency.h"

namespace qvl {

class QvLedgerloom;

// The amount in whole cents, half a cent rounded away from zero.
std::int64_t CentsOf(vb::Currency amount);

// The cents zero-filled to `width` digits ("00000016870"). A negative amount
// or one with more digits stops the run.
std::string ZeroFilledCents(const QvLedgerloom& window, vb::Currency amount, std::size_t width);
// The cents as a plain whole number ("12345", "-500") of at most `width`
// characters; a longer one stops the run.
std::string PlainCents(const QvLedgerloom& window, vb::Currency amount, std::size_t width);
// Signed overpunch (zoned decimal): the cents of the amount's size
// zero-filled to `width` digits, the last digit replaced by the letter that
// also carries the sign ("{", "A".."I" for zero and above; "}", "J".."R"
// below zero). More digits stop the run.
std::string OverpunchedCents(const QvLedgerloom& window, vb::Currency amount, std::size_t width);

// An amount's text as the layout writes it ("574.54", "-15.55",
// "0000001234.56") filled with `fill` on the left to `width`; a longer text
// stops the run naming the line, so it is never cut.
std::string AmountTextInField(const QvLedgerloom& window, std::string_view text, std::size_t width, char fill);

// `digits` (a whole number's text) zero-filled to `width`; more digits stop
// the run, the message calling the value `what` ("The debit count ...").
std::string ZeroFilled(const QvLedgerloom& window, std::string_view digits, std::size_t width,
                       std::string_view what);

}  // namespace qvl
