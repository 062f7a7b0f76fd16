// "AccPac Zelvik" lines the scenarios leave out: record counting, the batch
// line's fiscal period, the offset's account field and a second run.
#include "writers/classes/accpac_zelvik.h"

#include <gtest/gtest.h>

#include "writers/classes/class_fixture.h"

namespace qvl::test {
namespace {

const std::vector<std::string> kColumnNames = {
    "RECTYPE,BATCHID,BTCHENTRY,SRCELEDGER,SRCETYPE,FSCSYR,FSCSPERD,JRNLDESC",
    "RECTYPE,BATCHNBR,JOURNALID,TRANSNBR,ACCTID,TRANSAMT,TRANSDESC,TRANSDATE"};

std::vector<std::string> Batch(const std::string& batchLine, const std::vector<std::string>& details) {
  std::vector<std::string> lines = kColumnNames;
  lines.push_back(batchLine);
  lines.insert(lines.end(), details.begin(), details.end());
  return lines;
}

TEST_F(ClassRunTest, ZelvikReadsWholeRecordsAndWarnsOfAnIncompleteLastOne) {
  const std::string records = Record("2050", "1.00", ".00") + Record("2055", ".00", "1.00");
  PrepareInput("AccPac Zelvik", records + Record("2060", "5.00", ".00").substr(0, 45));
  Run();
  EXPECT_EQ(JournalLines("123113026.csv"),
            Batch("1,131,1,GL,JE,2026,11,", {"2,131,1,20,2050,1,,20261130", "2,131,1,40,2055,-1,,20261130"}));
  ASSERT_EQ(boxes.Shown().size(), 2u);
  EXPECT_EQ(boxes.Shown()[0].prompt,
            "The last record of the input file is incomplete and was not read:\r\rc:\\gl\\gl.txt");
  EXPECT_EQ(boxes.Shown()[1].title, kInBalance);
}

TEST_F(ClassRunTest, ZelvikEmptyInputGivesTheHeaderLinesOnly) {
  PrepareInput("AccPac Zelvik", "");
  Run();
  EXPECT_EQ(JournalLines("123113026.csv"), Batch("1,131,1,GL,JE,2026,11,", {}));
  EXPECT_EQ(Audit(), "");
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(LastTitle(), kInBalance);
}

TEST_F(ClassRunTest, ZelvikFiscalPeriodHasNoLeadingZero) {
  PrepareInput("AccPac Zelvik", Record("2050", ".00", ".00"));
  window->pdEndDate.SetText("9/5/2026");
  boxes.QueueAnswer(dialogs::kYes);  // more than 60 days old: go on
  Run();
  EXPECT_EQ(JournalLines("123090526.csv"), Batch("1,131,1,GL,JE,2026,9,", {"2,131,1,20,2050,0,,20260905"}));
}

TEST_F(ClassRunTest, ZelvikOffsetAccountIsCutToItsFieldAndASecondRunNumbersAnew) {
  PrepareInput("AccPac Zelvik", Record("2050", "10.00", ".00") + Record("2055", "5.25", ".00"));
  QueueOffset("1234567890123456789012", "-15.25");
  Run();
  EXPECT_EQ(JournalLines("123113026.csv"),
            Batch("1,131,1,GL,JE,2026,11,", {"2,131,1,20,2050,10,,20261130", "2,131,1,40,2055,5.25,,20261130",
                                             "2,131,1,60,123456789012345678,-15.25,,20261130"}));
  EXPECT_EQ(LastTitle(), kInBalance);

  PrepareInput("AccPac Zelvik", Record("3050", "1.00", "1.00"));
  Run();
  EXPECT_EQ(JournalLines("123113026.csv"), Batch("1,131,1,GL,JE,2026,11,", {"2,131,1,20,3050,0,,20261130"}));
}

}  // namespace
}  // namespace qvl::test
