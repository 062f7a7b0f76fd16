// "MAS500" records the scenarios leave out: an empty input, the company ID,
// small amounts, and a second run after an offsetting entry.
#include "writers/classes/mas500.h"

#include <gtest/gtest.h>

#include "writers/classes/class_fixture.h"

namespace qvl::test {
namespace {

const char* kJournal = "123113026.del";

class Mas500Test : public ClassRunTest {
 protected:
  // The detail record's fields, quotes removed.
  static std::vector<std::string> Fields(const std::string& record) {
    std::vector<std::string> fields;
    for (std::size_t at = 0; at < record.size();) {
      const std::size_t close = record.find('"', at + 1);
      fields.push_back(record.substr(at + 1, close - at - 1));
      at = close + 2;
    }
    return fields;
  }
};

TEST_F(Mas500Test, AnEmptyInputGivesTheHeaderAndFooterRecordsOnly) {
  PrepareInput("MAS500", "");
  Run();
  EXPECT_EQ(JournalLines(kJournal),
            (std::vector<std::string>{R"("@HDR","BATCH","20261130","Payroll Period Ending 11/30/2026        ")",
                                      R"("@HDR","JOURNAL","JE"," ")", R"("@END","JOURNAL")",
                                      R"("@END","BATCH")"}));
  EXPECT_EQ(Audit(), "");
}

TEST_F(Mas500Test, AnAccountLongerThanItsFieldIsCutAt100) {
  const std::string account = std::string(99, '1') + "23";
  PrepareInput("MAS500", Lines({Nine(account, "10.00", "10.00")}));
  Run();
  const std::vector<std::string> lines = JournalLines(kJournal);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(Fields(lines[2])[0], account.substr(0, 100));
}

TEST_F(Mas500Test, ASecondRunNumbersAnewWithItsOwnCompanyIdAndPeriod) {
  PrepareInput("MAS500", Lines({Nine("6110", "10.00", ".00")}));
  window->txtFacility.SetText("1234");
  QueueOffset("9999", "-10");
  Run();
  std::vector<std::string> lines = JournalLines(kJournal);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(Fields(lines[3])[7], "000000002");  // the offsetting record continues the numbering
  EXPECT_EQ(Fields(lines[3])[18], "123");

  PrepareInput("MAS500", Lines({Nine("6110", ".50", ".00"), Nine("6120", ".00", ".50")}));
  window->txtFacility.SetText("77");
  window->pdEndDate.SetText("11/29/2026");
  Run();
  lines = JournalLines("123112926.del");
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0], R"("@HDR","BATCH","20261129","Payroll Period Ending 11/29/2026        ")");
  const std::vector<std::string> first = Fields(lines[2]);
  ASSERT_EQ(first.size(), 19u);
  EXPECT_EQ(first[7], "000000001");
  EXPECT_EQ(first[9], "Payroll Period Ending 11/29/2026        ");
  EXPECT_EQ(first[11], "             .50");
  EXPECT_EQ(first[14], "             .50");
  EXPECT_EQ(first[17], "D");
  EXPECT_EQ(first[18], "77 ");
  const std::vector<std::string> second = Fields(lines[3]);
  EXPECT_EQ(second[7], "000000002");
  EXPECT_EQ(second[11], "            -.50");
  EXPECT_EQ(second[17], "C");
}

}  // namespace
}  // namespace qvl::test
