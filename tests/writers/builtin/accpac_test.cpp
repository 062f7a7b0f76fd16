// The AccPac family's lines for the records and offsets the scenarios leave out.
#include "writers/builtin/accpac.h"

#include <gtest/gtest.h>

#include "engine/run_fixture.h"

namespace qvl::test {
namespace {

using AccPacTest = WritersRunTest;

TEST_F(AccPacTest, TheOldPeriodIsTheRecordsMonthInTwoCharactersAndItsYearHasFourDigits) {
  const struct {
    const char* date;
    const char* period;
    const char* month;  // as the description and the reference name it
  } rows[] = {
      {"20260907", " 9", "September, 2026\",\"NG-2026-09\",\"09/07/26"},
      {"20261005", "10", "October, 2026\",\"NG-2026-10\",\"10/05/26"},
      {"20270115", " 1", "January, 2027\",\"NG-2027-01\",\"01/15/27"},
      {"20351231", "12", "December, 2035\",\"NG-2035-12\",\"12/31/35"},
  };
  std::vector<std::string> records, expected;
  for (const auto& row : rows) {
    records.push_back(Dated(Record("1000", ".00", ".00"), row.date));
    expected.push_back("2,9,1," + std::to_string(10 * (expected.size() + 1)) + R"(,"1000","             0",")" +
                       row.period + R"(","SP","USD","1","RES. SALARIES )" + row.month + R"(","GL","JE")");
  }
  Prepare("AccPac (old)", records);
  Run();
  EXPECT_EQ(JournalLines(), expected);
}

// One amount column: a record with both sides writes its net in the form a
// one-sided amount of that sign takes, also when it lies between -1 and 1.
// Accounts of the package's 15 characters pass; a longer one is warned of
// once per run.
TEST_F(AccPacTest, NetAmountsBelowOneAndAccountsAtTheMaximumLength) {
  Prepare("AccPac (new)", {Record("123456789012345", "1.00", ".50"), Record("4000", ".50", ".00"),
                           Record("1234567890123456", ".50", "1.00"), Record("12345678901234567", ".00", ".50")});
  const auto amount = [](const std::string& line) { return line.substr(line.find(",\"", 8) + 1, 16); };
  const std::vector<std::string> expected = {"\"           .50\"", "\"           .50\"", "\"          -0.5\"",
                                             "\"          -0.5\""};
  const std::string warning = "QvLedgerloom | The maximum length for Account numbers in AccPac (new) is: 15 "
                              "characters.\r\rChange the length of your account numbers in Quorvanta to be no "
                              "longer than 15 characters.\r\r1234567890123456";
  const RunOutput first = RunOnce();
  const std::vector<std::string> lines = SplitLines(first.journal);
  ASSERT_EQ(lines.size(), 4u);
  for (std::size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(amount(lines[i]), expected[i]) << lines[i];
  EXPECT_EQ(lines[0].substr(0, 24), R"(9,1,10,"123456789012345")");
  ASSERT_EQ(first.shown.size(), 2u);
  EXPECT_EQ(first.shown[0], warning);
  EXPECT_EQ(LastTitle(), kInBalance);
}

// A second summarized run in the same session starts from an empty table:
// otherwise it merges the first run's entries in, doubling every amount while
// still balancing.
TEST_F(AccPacTest, SummarizedRunsRepeatAndAGroupThatNetsToZeroIsStillWritten) {
  Prepare("AccPac (new)", {Record("1000", "5.00", ".00"), Record("2000", "7.50", ".00"), Record("1000", ".00", "5.00"),
                           Record("3000", ".00", "10.00"), Record("2000", "2.50", ".00")});
  window->Summarized.SetValue(true);
  ExpectSecondRunRepeatsFirst();
  const std::vector<std::string> lines = JournalLines();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].substr(0, 31), R"(9,1,10,"1000","           .00",)");
  EXPECT_EQ(lines[1].substr(0, 31), R"(9,1,20,"2000","         10.00",)");
  EXPECT_EQ(lines[2].substr(0, 31), R"(9,1,30,"3000","        -10.00",)");
  EXPECT_EQ(LastTitle(), kInBalance);
}

TEST_F(AccPacTest, AnOffsetIsNumberedAfterTheRunsLastEntryAndWrittenAsTyped) {
  Prepare("AccPac AdvSeries CE v5.2",
          {Record("1-2 3", "100.00", "40.00"), Record("4000", "", ""), Record("5000", ".00", "10.00")});
  QueueOffset("9-9", "-50.5");
  boxes.QueueAnswer(dialogs::kNo);
  Run();
  const std::vector<std::string> lines = JournalLines("123113026.csv");
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[3], "2,1,1,20,123,100,Monthly History,20261130,GL,JE, ");
  EXPECT_EQ(lines[4], "2,1,1,40,123,-40,Monthly History,20261130,GL,JE,");
  // The empty record wrote nothing.
  EXPECT_EQ(lines[5], "2,1,1,60,5000,-10,Monthly History,20261130,GL,JE,");
  EXPECT_EQ(lines[6], "2,1,1,80,99,-50.5,Monthly History,20261130,GL,JE,");
  // 100 - 40 counted once, - 10, then the offset of -50.5: off by -0.5.
  EXPECT_EQ(boxes.Shown()[0].prompt.substr(0, 35), "Debits & Credits are off by: $50.00");
  EXPECT_EQ(boxes.Shown()[4].prompt.substr(0, 34), "Debits & Credits are off by: -$0.5");
  // Out of balance, the package's report names the audit trail like any other.
  EXPECT_EQ(boxes.Shown()[5].prompt,
            "Out of Balance Journal Entry:  c:\\gl\\123113026.csv\rhas been prepared for posting to your "
            "AccPac AdvSeries CE v5.2 General Ledger.\r\ran Audit Trail of the prepared transactions can be "
            "found in:\r        c:\\gl\\Audit_trail.txt");
}

// The run after an offsetting entry numbers and counts afresh.
TEST_F(AccPacTest, AnEmptyRecordIsWrittenAndAnOffsetWithoutDecimalsAsTheOperatorTypedIt) {
  Prepare("AccPac (new)", {Record("1000", ".00", "50.00"), Record("3000", "", "")});
  ExpectSecondRunRepeatsFirst("123113026.txt", [&] { QueueOffset("9999", "50"); });
  const std::vector<std::string> lines = JournalLines();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[1].substr(0, 31), R"(9,1,20,"3000","             0",)");
  EXPECT_EQ(lines[2].substr(0, 31), R"(9,1,30,"9999","            50",)");
  EXPECT_EQ(LastTitle(), kInBalance);
}

}  // namespace
}  // namespace qvl::test
