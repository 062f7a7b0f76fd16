// The AccPac family's lines for the records the scenarios leave out.
#include "writers/builtin/accpac.h"

#include <gtest/gtest.h>

#include "engine/packages.h"
#include "engine/run_fixture.h"

namespace qvl::test {
namespace {

std::string Dated(const std::string& record, const std::string& yyyymmdd) {
  return record.substr(0, 4) + yyyymmdd + record.substr(12);
}

class AccPacTest : public RunTest {
 protected:
  void SetUp() override {
    RunTest::SetUp();
    RegisterWriters(catalog);
  }
};

TEST_F(AccPacTest, NewLayoutAmountsForCreditsNetsAndEmptyRecords) {
  Prepare("AccPac (new)", {Record("1000", "40.00", "100.00"), Record("2000", ".00", "38714.40"),
                           Record("3000", "", ""), Record("4000", "38774.40", ".00")});
  Run();
  const std::string tail = R"(,"SP","USD","RES. SALARIES November, 2026","NG-2026-11","11/30/26","GL","JE","")";
  EXPECT_EQ(JournalLines(), (std::vector<std::string>{
                                R"(9,1,10,"1000","           -60")" + tail,  // the net of both sides
                                R"(9,1,20,"2000","      -38714.4")" + tail,
                                R"(9,1,30,"3000","             0")" + tail,  // still written
                                R"(9,1,40,"4000","      38774.40")" + tail,
                            }));
  EXPECT_EQ(boxes.Shown().back().title, "Journal Entry is in Balance!");
}

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
  boxes.QueueAnswer(dialogs::kYes);
  boxes.QueueReply("9-9");
  boxes.QueueReply("-50.5");
  boxes.QueueAnswer(dialogs::kYes);
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

TEST_F(AccPacTest, AnOffsetWithoutDecimalsIsWrittenAsTheOperatorTypedIt) {
  Prepare("AccPac (new)", {Record("1000", ".00", "50.00")});
  boxes.QueueAnswer(dialogs::kYes);
  boxes.QueueReply("9999");
  boxes.QueueReply("50");
  boxes.QueueAnswer(dialogs::kYes);
  Run();
  ASSERT_EQ(JournalLines().size(), 2u);
  EXPECT_EQ(JournalLines()[1].substr(0, 31), R"(9,1,20,"9999","            50",)");
  EXPECT_EQ(boxes.Shown().back().title, "Journal Entry is in Balance!");
  // The offset turned the option off, and it stays off.
  EXPECT_FALSE(window->Summarized.Value());
}

}  // namespace
}  // namespace qvl::test
