#include "engine/write_output.h"

#include <gtest/gtest.h>

#include "engine/audit_line.h"
#include "engine/fields.h"
#include "engine/summarize.h"
#include "platform/files/text_stream.h"
#include "run_fixture.h"

namespace qvl::test {
namespace {

class WriteOutputRecTest : public RunTest {
 protected:
  // The streams as InitFiles leaves them for the package.
  void Open(const std::string& package) {
    run().a.Close();
    run().b.Close();
    run().entry = catalog.Find(package);
    ASSERT_NE(run().entry, nullptr);
    run().ChosenPackage = package;
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
  // Lines the package breaks itself run together.
  Open("ADP/GL");
  Load(Record("4000", "10.00", ".00"));
  Write("AB");
  Write("CD");
  EXPECT_EQ(JournalText(), "ABCD");

  // Packages that build their output by other means: nothing on the journal,
  // but the line is counted and audited.
  Open("Enterprise");
  run().Audit_Total = {};
  Write("row");
  EXPECT_EQ(JournalText(), "");
  EXPECT_EQ(run().Audit_Total, vb::CCur("10"));
  EXPECT_EQ(AuditText(), AuditLine(run().curRec) + "\r\n");

  // "SyteLine" counts nothing at all, yet audits the line.
  Open("SyteLine");
  run().Audit_Total = {};
  Write("row");
  EXPECT_EQ(JournalText(), "");
  EXPECT_TRUE(run().Audit_Total.IsZero());
  EXPECT_EQ(AuditText(), AuditLine(run().curRec) + "\r\n");
}

TEST_F(WriteOutputRecTest, APeriodLineIsWrittenButNeitherCountedNorAuditedNorKept) {
  Open("SamPro");
  Load(Record("1000", "5.00", ".00"));
  Write("detail");
  const InputRecord kept = run().curRec;
  Load(Record("2000", "7.00", ".00"));
  Write("PERIOD 11");
  EXPECT_EQ(run().Build_OutRec, "PERIOD 11");
  EXPECT_EQ(run().prevRec, kept);
  EXPECT_EQ(run().Audit_Total, vb::CCur("5"));
  // Only the first six characters decide, case included.
  Write("Period 11");
  EXPECT_EQ(run().Audit_Total, vb::CCur("12"));
  EXPECT_EQ(JournalText(), "detail\r\nPERIOD 11\r\nPeriod 11\r\n");
  EXPECT_EQ(AuditText(), AuditLine(kept) + "\r\n" + AuditLine(run().curRec) + "\r\n");
}

TEST_F(WriteOutputRecTest, AmountsThatAreNotNumbersCountAsZeroAndTheRecordStaysAsItWas) {
  Open("AccPac (new)");
  Load(Record("4000", ".00", "125.00"));
  Write("credit");
  EXPECT_TRUE(run().Debit_Amount.IsZero());
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
  EXPECT_EQ(run().Build_OutRec, AuditLine(run().curRec));
  EXPECT_EQ(run().Build_OutRec.size(), 64u);
  EXPECT_EQ(JournalText(), "credit\r\nodd\r\n");
}

TEST_F(WriteOutputRecTest, ALineWrittenWhileNotBalancingSetsTheAmountsButNotTheTotal) {
  Open("AccPac (new)");
  Load(Record("4000", "10.10", ".00"));
  Write("counted");
  run().DoBalancing = false;
  Load(Record("4000", "3.00", "1.25"));
  Write("not counted");
  EXPECT_EQ(run().Audit_Total, vb::CCur("10.1"));
  EXPECT_EQ(run().Debit_Amount, vb::CCur("3"));
  EXPECT_EQ(run().Credit_Amount, vb::CCur("1.25"));
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
  EXPECT_TRUE(run().Debit_Amount.IsZero());
}

TEST(Fields, DelimitedFieldsAreQuotedOnlyWhereTheLayoutSays) {
  EXPECT_EQ(JoinFields({Plain("9"), Quoted("8-0101"), Quoted(""), Plain("")}, ","), R"(9,"8-0101","",)");
  EXPECT_EQ(JoinFields({Plain("a"), Plain("b")}, "\t"), "a\tb");
  EXPECT_EQ(JoinFields({}, ","), "");
}

TEST(Fields, FixedColumnsArePaddedOrCutToTheirWidth) {
  EXPECT_EQ(JoinColumns({{"AI501", 5}, {"", 3}, {"42", 6, Align::Right}, {"TOOLONG", 4}, {"123456", 3, Align::Right}}),
            "AI501       42TOOL123");
}

}  // namespace
}  // namespace qvl::test
