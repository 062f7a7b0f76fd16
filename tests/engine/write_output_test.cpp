// One journal line: where it goes, what it adds to the totals, and what the
// audit trail says of it.
#include "engine/write_output.h"

#include <gtest/gtest.h>

#include "engine/audit_line.h"
#include "engine/summarize.h"
#include "platform/files/text_stream.h"
#include "run_fixture.h"

namespace qvl::test {
namespace {

class WriteOutputRecTest : public RunTest {
 protected:
  // The streams as InitFiles leaves them for the package, totals at zero.
  void Open(const std::string& package) {
    run().a.Close();
    run().b.Close();
    run().entry = catalog.Find(package);
    ASSERT_NE(run().entry, nullptr);
    run().ChosenPackage = package;
    run().Audit_Total = {};
    run().a = files::CreateTextFile("c:\\journal.txt");
    run().b = files::CreateTextFile("c:\\audit.txt");
  }
  void Write(const std::string& line) {
    run().Build_OutRec = line;
    WriteOutputRec(*window);
  }
  void Load(const std::string& record) { run().curRec.SetText(record); }
  std::string JournalText() {
    run().a.Close();
    return ReadBytes(c / "journal.txt");
  }
  std::string AuditText() {
    run().b.Close();
    return ReadBytes(c / "audit.txt");
  }
  RunState& run() { return window->run; }
};

TEST_F(WriteOutputRecTest, EachWriteModePutsTheLineOnTheJournalItsOwnWay) {
  Load(Record("4000", "10.00", ".00"));
  const std::string audited = AuditLine(run().curRec) + "\r\n";
  Open("ADP/GL");  // lines the package breaks itself run together
  Write("AB");
  Write("CD");
  EXPECT_EQ(JournalText(), "ABCD");

  Open("Enterprise");  // output built by other means: counted and audited only
  Write("row");
  EXPECT_EQ(JournalText(), "");
  EXPECT_EQ(run().Audit_Total, vb::CCur("10"));
  EXPECT_EQ(AuditText(), audited);

  Open("SyteLine");  // counts nothing at all, yet audits the line
  Write("row");
  EXPECT_TRUE(run().Audit_Total.IsZero());
  EXPECT_EQ(AuditText(), audited);
}

TEST_F(WriteOutputRecTest, AmountsThatAreNotNumbersCountAsZeroAndTheRecordStaysAsItWas) {
  Open("AccPac (new)");
  Load(Record("4000", ".00", "125.00"));
  const std::string credit = AuditLine(run().curRec) + "\r\n";
  Write("credit");
  EXPECT_EQ(run().Credit_Amount, vb::CCur("125"));
  EXPECT_EQ(run().Audit_Total, vb::CCur("-125"));

  const std::string odd = Record("4000", "12A.00", "");
  Load(odd);
  Write("odd");
  EXPECT_TRUE(run().Debit_Amount.IsZero());
  EXPECT_TRUE(run().Credit_Amount.IsZero());
  EXPECT_EQ(run().Audit_Total, vb::CCur("-125"));
  // The fields are audited and kept exactly as stored.
  EXPECT_EQ(run().curRec.Text(), odd);
  EXPECT_EQ(run().prevRec.Text(), odd);
  EXPECT_EQ(AuditText(), credit + AuditLine(run().curRec) + "\r\n");
  EXPECT_EQ(AuditLine(run().curRec).size(), 64u);
}

TEST_F(WriteOutputRecTest, ASummarizedEntryCountsItsNetOnceHoweverManyLinesItBecomes) {
  Open("AccPac (new)");
  run().curRec.SetText(Record("4000", "2.00", "12.50"));
  run().SumArray.Add(run().curRec, run().curDebit, run().curCredit);
  run().LoopSum = 1;
  SumDebitsCredits(run());
  ASSERT_EQ(run().curSumAmount, vb::CCur("-10.5"));
  run().DoBalancing = false;  // not consulted for a summarized line
  Write("debit line");
  Write("credit line");
  EXPECT_EQ(run().Audit_Total, vb::CCur("-10.5"));
}

}  // namespace
}  // namespace qvl::test
