#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "platform/vb/date.h"
#include "platform/vb/format.h"

namespace qvl::vb {
namespace {

// A run formats every record through the same few masks, but masks also come
// from settings and layouts: with hundreds in use, each keeps its own meaning,
// whatever order they come in and however often they return.
TEST(FormatManyMasks, EveryMaskKeepsItsOwnMeaningAmongHundreds) {
  const Date date = *Date::Make(2026, 11, 30, 0);
  for (int round = 0; round < 2; ++round) {
    for (int k = 1; k <= 700; ++k) {
      SCOPED_TRACE(k);
      const std::string mask = std::string(static_cast<std::size_t>(k % 40 + 1), '0') + ";\"neg " + std::to_string(k) + "\"";
      EXPECT_EQ(Format(std::int64_t{7}, mask), std::string(static_cast<std::size_t>(k % 40), '0') + "7");
      // A section without placeholders still shows the number after its text.
      EXPECT_EQ(Format(std::int64_t{-7}, mask), "neg " + std::to_string(k) + "7");
      EXPECT_EQ(Format(date, k % 2 == 0 ? "yyyy-mm-dd" : "mmmm d"), k % 2 == 0 ? "2026-11-30" : "November 30");
      EXPECT_EQ(IsDateMask(mask), false);
    }
  }
}

}  // namespace
}  // namespace qvl::vb
