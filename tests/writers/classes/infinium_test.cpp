// "Infinium" lines the scenarios leave out: the account field's width and
// amounts that are no numbers.
#include "writers/classes/infinium.h"

#include <gtest/gtest.h>

#include "writers/classes/class_fixture.h"

namespace qvl::test {
namespace {

TEST_F(ClassRunTest, InfiniumAccountFillsExactly36CharactersAndBadAmountsCountAsZero) {
  const std::string longAccount = "1234567890123456789012345678901234567890";
  PrepareInput("Infinium", Lines({Nine(longAccount, "191.50", ".00"), Nine("6110", "abc", "191.50"),
                                  Nine("6120", "", "")}));
  Run();
  const std::string period = ",Payroll Period Ending 11/30/2026";
  EXPECT_EQ(JournalLines("123113026.csv"),
            (std::vector<std::string>{longAccount.substr(0, 36) + ",191.5" + period,
                                      "6110" + std::string(32, ' ') + ",-191.5" + period,
                                      "6120" + std::string(32, ' ') + ",0" + period}));
  EXPECT_EQ(LastTitle(), kInBalance);
}

}  // namespace
}  // namespace qvl::test
