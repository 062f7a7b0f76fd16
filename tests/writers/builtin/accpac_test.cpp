// The AccPac family's lines for the records and offsets the scenarios leave out.
#include "writers/builtin/accpac.h"

#include <gtest/gtest.h>

#include "engine/run_fixture.h"

namespace qvl::test {
namespace {

std::string Dated(const std::string& record, const std::string& yyyymmdd) {
  return record.substr(0, 4) + yyyymmdd + record.substr(12);
}

using AccPacTest = WritersRunTest;

TEST_F(AccPacTest, DatesTakeTheRecordsFourDigitYearAndTheOldPeriodItsMonth) {
  Prepare("AccPac (old)", {Dated(Record("1000", "1.00", ".00"), "20351005"),
                           Dated(Record("2000", ".00", "1.00"), "20260207")});
  Run();
  EXPECT_EQ(JournalLines(), (std::vector<std::string>{
      R"(2,9,1,10,"1000","          1.00","10","SP","USD","1","RES. SALARIES October, 2035","NG-2035-10","10/05/35","GL","JE")",
      R"(2,9,1,20,"2000","            -1"," 2","SP","USD","1","RES. SALARIES February, 2026","NG-2026-02","02/07/26","GL","JE")",
  }));
}

TEST_F(AccPacTest, ASummarizedGroupThatNetsToZeroIsStillWritten) {
  Prepare("AccPac (new)", {Record("1000", "5.00", ".00"), Record("1000", ".00", "5.00")});
  window->Summarized.SetValue(true);
  Run();
  ASSERT_EQ(JournalLines().size(), 1u);
  EXPECT_EQ(JournalLines()[0].substr(0, 31), R"(9,1,10,"1000","           .00",)");
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

TEST_F(AccPacTest, AnEmptyRecordIsWrittenAndAnOffsetWithoutDecimalsAsTheOperatorTypedIt) {
  Prepare("AccPac (new)", {Record("1000", ".00", "50.00"), Record("3000", "", "")});
  QueueOffset("9999", "50");
  Run();
  const std::vector<std::string> lines = JournalLines();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[1].substr(0, 31), R"(9,1,20,"3000","             0",)");
  EXPECT_EQ(lines[2].substr(0, 31), R"(9,1,30,"9999","            50",)");
  EXPECT_EQ(LastTitle(), kInBalance);
}

}  // namespace
}  // namespace qvl::test
