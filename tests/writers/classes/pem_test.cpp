// "PEM" lines the scenarios leave out: the date field of a period end typed
// without leading zeros, and amounts that are no numbers.
#include "writers/classes/pem.h"

#include <gtest/gtest.h>

#include "writers/classes/class_fixture.h"

namespace qvl::test {
namespace {

TEST_F(ClassRunTest, PemDateIsThePeriodEndAsMmddyyHoweverItWasTyped) {
  PrepareInput("PEM", Lines({Nine("1000", "12.5", "n/a"), Nine("2000", "", "12.50"), Nine("3000", "x", "")}));
  window->pdEndDate.SetText("11/9/2026");
  Run();
  EXPECT_EQ(JournalLines("123110926.csv"),
            (std::vector<std::string>{R"("1000","110926","12.50")", R"("2000","110926","-12.50")"}));
  EXPECT_EQ(LastTitle(), kInBalance);
}

}  // namespace
}  // namespace qvl::test
