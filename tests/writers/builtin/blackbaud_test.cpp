// "Blackbaud" and "Financial Edge": which amounts give which lines, what the
// record then holds, and what a run reports.
#include "writers/builtin/blackbaud.h"

#include <gtest/gtest.h>

#include "engine/run_fixture.h"

namespace qvl::test {
namespace {

using Lines = std::vector<std::string>;
using BlackbaudTest = WritersRunTest;

const char* kBlackbaudTitles = "Batch #,Account #,Date,Amount,Journal,Journal Ref,Type";
const char* kEdgeTitles = "Account number,Post date,Type,Amount,Journal Reference,Journal,Encumbrance status";

TEST_F(BlackbaudTest, BlackbaudWritesOneLineOnEachRecordsNetAmount) {
  struct Row {
    const char* debits;
    const char* credits;
    const char* line;  // amount and type; "" for no line
  } rows[] = {
      {".00", "541.07", "541.07,Payroll,Ref,Credit"},
      {"100.00", "40.00", "60.00,Payroll,Ref,Debit"},
      {"726.2", "", "726.20,Payroll,Ref,Debit"},
      {".4", ".00", "0.40,Payroll,Ref,Debit"},
      {"abc", "12.5", "12.50,Payroll,Ref,Credit"},  // an amount that is no number counts as 0
      {"25.00", "25.00", ""},
      {"", "", ""},
  };
  for (const Row& row : rows) {
    Prepare("Blackbaud", {Record(" 01-1 ", row.debits, row.credits)});
    window->txtJourRef.SetText(" Ref ");
    Run();
    Lines expected{kBlackbaudTitles};
    if (*row.line) expected.push_back(std::string("123,01-1,11/30/2026,") + row.line);
    EXPECT_EQ(JournalLines("123113026.csv"), expected) << row.debits << " " << row.credits;
    EXPECT_EQ(LastTitle(), kInBalance);
  }
  // The last record wrote nothing, yet its blank amounts now read ".00".
  EXPECT_EQ(window->run.curRec.debits(), ".00           ");
  EXPECT_EQ(Audit(), "");
}

TEST_F(BlackbaudTest, BlackbaudCountsNoLineSoEveryRunIsReportedInBalance) {
  Prepare("Blackbaud", {Record("1000", "100.00", ".00")});
  window->cmboCoNum.SetText("61 ");  // the batch number as typed, blank included
  Run();
  EXPECT_EQ(JournalLines("61 113026.csv"), (Lines{kBlackbaudTitles, "61 ,1000,11/30/2026,100.00,Payroll,,Debit"}));
  EXPECT_EQ(Shown().size(), 1u);
  EXPECT_EQ(LastTitle(), kInBalance);

  Prepare("Blackbaud", {});
  Run();
  EXPECT_EQ(JournalLines("123113026.csv"), (Lines{kBlackbaudTitles}));
  EXPECT_EQ(LastTitle(), kInBalance);
}

TEST_F(BlackbaudTest, FinancialEdgeWritesADebitAndACreditLineWhereTheRecordHoldsANumber) {
  Prepare("Financial Edge", {Record(" 01-2000", "50.00", ".00"), Record("01-2100", ".00", "12.50"),
                             Record("01-2200", "10.00", "4.00"),
                             Record("01-2300", "0.00", ""),  // 0.00 is a number other than .00
                             Record("01-2400", "12A.00", "x"), Record("01-2500", ".00", ".00")});
  boxes.QueueAnswer(dialogs::kNo);
  Run();
  const std::string tail = ",Payroll,Payroll,Regular";
  EXPECT_EQ(JournalLines(), (Lines{kEdgeTitles, "01-2000,11/30/2026,Debit,50.00" + tail,
                                   "01-2100,11/30/2026,Credit,12.50" + tail, "01-2200,11/30/2026,Debit,10.00" + tail,
                                   "01-2200,11/30/2026,Credit,4.00" + tail, "01-2300,11/30/2026,Debit,0.00" + tail}));
  // 50 - 12.50 + (10 - 4) counted once.
  EXPECT_EQ(Shown()[0].substr(0, 70),
            "Journal Entry is OUT OF Balance! | Debits & Credits are off by: $43.50");
  // The record's account and amounts are trimmed where they stand.
  EXPECT_EQ(window->run.prevRec.account(), "01-2300           ");
  EXPECT_EQ(window->run.prevRec.debits(), "0.00          ");

  // A second run over an empty input: the titles alone, and a balance of its own.
  Prepare("Financial Edge", {});
  Run();
  EXPECT_EQ(JournalLines(), (Lines{kEdgeTitles}));
  EXPECT_EQ(Audit(), "");
  EXPECT_EQ(LastTitle(), kInBalance);
}

}  // namespace
}  // namespace qvl::test
