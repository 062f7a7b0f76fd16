#pragma once
// An amount in a fixed field of a comma line. An amount wider than its field
// is refused, never cut: the run stops with one message naming the amount
// and, in a detailed run, the input record it came from.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/fields.h"

namespace qvl {

class QvLedgerloom;

// The amount in its field of `width` characters, aligned as `align` says.
// `recordNumber` is the record's place in the input (0 where the line is no
// single record's: a merged line or an offsetting entry).
std::string AmountAtWidth(QvLedgerloom& window, std::string_view amount, std::size_t width, Align align,
                          std::int64_t recordNumber);

}  // namespace qvl
