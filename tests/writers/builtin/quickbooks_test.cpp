// The QuickBooks files: how each package takes its account apart, and what
// runs bring that the scenarios leave out (later runs in one session,
// amounts that are no number, lines that stop a run).
#include <gtest/gtest.h>

#include "engine/run_fixture.h"
#include "writers/builtin/quickbooks.h"

namespace qvl::test {
namespace {

using Lines = std::vector<std::string>;

TEST(SplitTabAccount, ClassOrLocationAtTheDelimiterAndTheSubAccountOfAPoint) {
  const struct {
    const char* account;
    const char* delimiter;
    bool byClass, byName, sub;
    const char *column, *klass, *subAccount;
  } cases[] = {
      {"101-10099", "-", true, false, false, "10099", "101", ""},
      {"10099", "-", true, false, false, "10099", "", ""},
      // An empty box splits at an inner blank only, never at the padding.
      {"10099             ", "", true, false, false, "10099", "", ""},
      {"101 10099", "", true, false, false, "10099", "101", ""},
      {"101-10099", "-", false, true, false, "101", "10099", ""},
      {"101-10099", "-", true, true, false, "101", "10099", ""},
      {"101-1234567890123456", "-", true, false, false, "123456789012345", "101", ""},
      {"1234567890123456", "-", false, false, false, "123456789012345", "", ""},
      {"123456.789012", "-", false, false, true, "123456", "", "789012"},
      {"123456.789012", "-", false, false, false, "123456.789012", "", ""},
      {"12345.6789", "-", false, false, true, "12345.6789", "", ""},
      {"101-123456.78", "-", true, false, true, "123456", "101", "78"},
  };
  for (const auto& c : cases) {
    const TabAccount parts = SplitTabAccount(c.account, c.delimiter, c.byClass, c.byName, c.sub);
    EXPECT_EQ(parts.account, c.column) << c.account;
    EXPECT_EQ(parts.klass, c.klass) << c.account;
    EXPECT_EQ(parts.subAccount, c.subAccount) << c.account;
  }
}

TEST(SplitTypedAccount, TypeAtTheDelimiterAndCustomerAfterTheFirstDash) {
  const struct {
    const char* account;
    const char* delimiter;
    bool byType, byCustomer, trim;
    const char *column, *type, *name;
  } cases[] = {
      {"10099-PAYROLL", "-", true, false, false, "10099", "PAYROLL", "2150"},
      {"10099", "", true, false, false, "10099", "GENERAL JOURNAL", "2150"},
      {"10099 PAYROLL", "", true, false, false, "10099", "PAYROLL", "2150"},
      {"101-10099", "-", false, true, false, "101-10099", "GENERAL JOURNAL", "10099"},
      {"101-10099", "-", false, true, true, "101", "GENERAL JOURNAL", "10099"},
      {"10099", "-", false, true, true, "10099", "GENERAL JOURNAL", ""},
      {"10099*PAYROLL-C12", "*", true, true, false, "10099", "PAYROLL-C12", "C12"},
      {"123456789012345678901234567890123", "-", false, false, false, "123456789012345678901234567890",
       "GENERAL JOURNAL", "2150"},
  };
  for (const auto& c : cases) {
    const TypedAccount parts = SplitTypedAccount(c.account, "2150", c.delimiter, c.byType, c.byCustomer, c.trim);
    EXPECT_EQ(parts.account, c.column) << c.account;
    EXPECT_EQ(parts.type, c.type) << c.account;
    EXPECT_EQ(parts.name, c.name) << c.account;
  }
}

TEST(SplitCommaAccounts, ClassBeforeTheAccountOrJobAndClassAfterIt) {
  const struct {
    bool perfPay;
    const char* account;
    const char* delimiter;
    bool first, second;  // class and name, or job and class
    const char *column, *klass, *name;
  } cases[] = {
      {false, "101-5000-HH666", "-", true, true, "5000", "101", "HH666"},
      {false, "101-5000-HH666", "-", true, false, "5000-HH666", "101", ""},
      {false, "5000-HH666", "-", false, true, "5000", "", "HH666"},
      {false, "5000", "-", true, true, "5000", "", ""},
      {false, " 101 - 5000 ", "-", true, false, "5000", "101", ""},
      {false, "101 5000", "", true, false, "5000", "101", ""},
      {false, "101-5000", "", true, false, "101-5000", "", ""},
      {true, "5000-HH666", "-", true, false, "5000", "", "HH666"},
      {true, "5000-HH666-101", "-", true, true, "5000", "101", "HH666"},
      {true, "5000-HH666-101", "-", false, true, "5000", "101", ""},
      {true, "5000-HH666-101", "-", true, false, "5000", "", "101"},
      {true, "5000-RB667", "-", true, true, "5000", "", ""},
      {true, "5000-HH666", "-", false, false, "5000-HH666", "", ""},
      {true, "5000 HH666", "", true, false, "5000", "", "HH666"},
      {true, "5000", "", true, true, "5000", "", ""},
  };
  for (const auto& c : cases) {
    const CommaAccount parts = c.perfPay ? SplitAccountJobClass(c.account, c.delimiter, c.first, c.second)
                                         : SplitClassAccountName(c.account, c.delimiter, c.first, c.second);
    EXPECT_EQ(parts.account, c.column) << c.account;
    EXPECT_EQ(parts.klass, c.klass) << c.account;
    EXPECT_EQ(parts.name, c.name) << c.account;
  }
}

std::string Tabbed(const Lines& columns) {
  std::string line;
  for (const std::string& c : columns) line += (line.empty() ? "" : "\t") + c;
  return line;
}

using QuickBooksTest = WritersRunTest;

// Each run numbers its own lines, and a second run's first "QuickBooks
// 2004" line opens its transaction again. Amount texts at their edges: an
// empty or non-numeric side counts as nothing and stops nothing.
TEST_F(QuickBooksTest, TabLinesNumberEachRunFromOneAndTakeAmountsAtTheirEdges) {
  const struct {
    const char* package;
    const char* debits;
    const char* credits;
    const char* amount;
    const char* audit;  // the record's amounts as the audit trail shows them
  } cases[] = {
      {"QuickBooks", "1985.00", ".00", "1985          ", "       1985.00           .00"},
      {"QuickBooks 2004", ".00", "6266.41", "-6266.41      ", "           .00       6266.41"},
      {"QuickBooks", "", "12.50", "-12.5         ", ".00                    12.50"},
      {"QuickBooks 2004", "abc", ".00", "0             ", "           abc           .00"},
  };
  for (const auto& c : cases) {
    Prepare(c.package, {Record("4000", c.debits, c.credits), Record("4000", c.credits, c.debits)});
    window->chkClass.SetValue(0);
    window->chkNames.SetValue(0);
    window->chk13pd.SetValue(0);
    Run();
    const bool is2004 = std::string(c.package) == "QuickBooks 2004";
    const Lines lines = JournalLines("123113026.iif");
    ASSERT_EQ(lines.size(), 6u) << c.package << ::testing::PrintToString(Shown());
    EXPECT_EQ(lines[3], Tabbed({"TRNS", "1231", "12/6/2026 9:00:00 AM", "GENERAL JOURNAL", "4000           ",
                                c.amount, "11/30/26", "N", is2004 ? "" : "123 ", "Div:01 Br:02 Dept:03",
                                "Payroll from Quorvanta", ""}))
        << c.package;
    EXPECT_TRUE(lines[4].starts_with(is2004 ? "SPL\t1232\t" : "TRNS\t1232\t")) << lines[4];
    EXPECT_EQ(lines[5], "ENDTRNS");
    EXPECT_EQ(Audit().substr(36, 28), c.audit) << c.package;
    EXPECT_EQ(LastTitle(), kInBalance) << c.package;
  }
}

// "parse locations?" is "QuickBooks 2004"'s own: hidden under "QuickBooks",
// a check mark left there splits nothing.
TEST_F(QuickBooksTest, OnlyQuickBooks2004SplitsLocations) {
  for (const auto& [package, columns] : {std::pair<std::string, std::string>{"QuickBooks", "101-10099      \t"},
                                         std::pair<std::string, std::string>{"QuickBooks 2004", "101            \t"}}) {
    Prepare(package, {Record("101-10099", ".00", ".00")});
    window->chkNames.SetValue(1);
    window->txtDelim.SetText("-");
    Run();
    const Lines lines = JournalLines("123113026.iif");
    ASSERT_EQ(lines.size(), 5u) << package;
    EXPECT_NE(lines[3].find("\t" + columns), std::string::npos) << lines[3];
    EXPECT_EQ(lines[3].ends_with("\t10099"), package == "QuickBooks 2004") << lines[3];
  }
}

// A line that does not hold the export's values stops the run, naming it;
// the lines before it stay. A later run starts again at "TRNS" 1.
TEST_F(QuickBooksTest, QuickBooks2006StopsAtABadLineAndALaterRunStartsAgain) {
  Prepare("QuickBooks 2006", {});
  WriteBytes(c / "gl" / "gl.txt", "123,20261130,01,02,03,6100,1,5.00,.00\r\n123,20261130,01,02\r\n");
  Run();
  EXPECT_EQ(JournalLines("123113026.iif").size(), 4u);
  EXPECT_FALSE(window->run.Ready);
  ASSERT_FALSE(Shown().empty());
  EXPECT_NE(Shown().back().find("c:\\gl\\gl.txt, line 2"), std::string::npos) << Shown().back();

  WriteBytes(c / "gl" / "gl.txt", "123,20261130,01,02,03,6100,1,5.00,\r\n123,20261130,01,02,03,2100,1,,5.00\r\n");
  Run();
  const Lines lines = JournalLines("123113026.iif");
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[3].substr(0, 7), "TRNS\t1\t");
  EXPECT_EQ(lines[4].substr(0, 6), "SPL\t2\t");
  EXPECT_EQ(LastTitle(), kInBalance);
}

using QuickBooksCommaTest = WritersRunTest;

// Each run balances its own records only; a Sum by Class check mark left by
// another package does not take PerfPay's balancing line away.
TEST_F(QuickBooksCommaTest, EachRunBalancesItsOwnRecords) {
  const struct {
    const char* package;
    const char* debits;
    const char* trns;
  } cases[] = {
      {"QuickBooks PerfPay", "100.00", "TRNS,GENERAL JOURNAL,11/30/26,,,1000,-60,"},
      {"QuickBooks PerfPay", "10.00", "TRNS,GENERAL JOURNAL,11/30/26,,,1000,30,"},
      {"QuickBooks(csv I/O)", "40.00", "TRNS,GENERAL JOURNAL,11/30/26,,,1000,0,"},
      {"QuickBooks(csv I/O)", "abc", "TRNS,GENERAL JOURNAL,11/30/26,,,1000,40,"},
  };
  for (const auto& k : cases) {
    Prepare(k.package, {});
    WriteBytes(c / "gl" / "gl.txt", std::string("123,20261130,01,02,03,6100,1,") + k.debits +
                                        ",.00\r\n123,20261130,01,02,03,2100,1,.00,40.00\r\n");
    window->chkSumClass.SetValue(1);
    window->chkNames.SetValue(0);
    window->chkLoc.SetValue(0);
    boxes.QueueReply("1000");
    Run();
    const Lines lines = SplitLines(Journal("123.iif"));
    const bool perfPay = std::string(k.package) == "QuickBooks PerfPay";
    ASSERT_EQ(lines.size(), perfPay ? 7u : 3u) << k.package << ::testing::PrintToString(Shown());
    EXPECT_EQ(lines[perfPay ? 3 : 0], k.trns) << k.debits;
    // A debit that is no number is copied as it stands and counts as nothing.
    EXPECT_EQ(lines[perfPay ? 4 : 1], std::string("SPL,GENERAL JOURNAL,11/30/26,02,,6100,") + k.debits + ",");
    EXPECT_EQ(LastTitle(), perfPay ? kInBalance : "QvLedgerloom");
  }
}

// Cancel at the balancing account gives no account: the "TRNS" line is
// written without one and still balances the file. A side is written
// whenever its text is more than empty or ".00": "0.00" and "0" too.
TEST_F(QuickBooksCommaTest, CancelledBalancingAccountAndSidesOfZero) {
  const struct {
    const char* package;
    const char* reply;  // nullptr: Cancel
    const char* debits;
    const char* credits;
    const char* trns;
    Lines spl;
  } cases[] = {
      {"QuickBooks (csv)", "1000", "25.00", "0.00", "1000,-25,", {"25.00,", "0,"}},
      {"QuickBooks (csv)", nullptr, "0", "12.50", ",12.5,", {"0,", "-12.5,"}},
      {"QuickBooks PerfPay", "1000", "0.00", "3.00", "1000,3,", {"0.00,", "-3,"}},
      {"QuickBooks PerfPay", nullptr, ".00", "0", ",0,", {"0,"}},
      {"QuickBooks(csv I/O)", "1000", "7.25", "0", "1000,-7.25,", {"7.25,", "0,"}},
      {"QuickBooks(csv I/O)", nullptr, "", "0.00", ",0,", {"0,"}},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(std::string(k.package) + " " + k.debits + "/" + k.credits);
    Prepare(k.package, {});
    WriteBytes(c / "gl" / "gl.txt", CommaLine("6100", k.debits, k.credits));
    window->chkCSV.SetValue(1);
    window->chkClass.SetValue(0);
    window->chkNames.SetValue(0);
    window->chkLoc.SetValue(0);
    window->chkSumClass.SetValue(0);
    if (k.reply)
      boxes.QueueReply(k.reply);
    else
      boxes.QueueCancel();
    Run();
    const bool csvIO = std::string(k.package) == "QuickBooks(csv I/O)";
    Lines expected;
    if (!csvIO)
      expected = {"!TRNS,TRNSTYPE,DATE,,CLASS,ACCNT,AMOUNT,NAME", "!SPL,TRNSTYPE,DATE,,CLASS,ACCNT,AMOUNT,NAME",
                  "!ENDTRNS"};
    expected.push_back(std::string("TRNS,GENERAL JOURNAL,11/30/26,,,") + k.trns);
    for (const std::string& amount : k.spl) expected.push_back("SPL,GENERAL JOURNAL,11/30/26,02,,6100," + amount);
    if (!csvIO) expected.push_back("ENDTRNS");
    EXPECT_EQ(JournalLines("123.iif"), expected) << ::testing::PrintToString(Shown());
    EXPECT_EQ(LastTitle(), csvIO ? "QvLedgerloom" : kInBalance);
  }
}

// Sum by Class: one class is one transaction with no end line before it;
// an amount that is no number adds nothing to its group.
TEST_F(QuickBooksCommaTest, SumByClassGroups) {
  Prepare("QuickBooks (csv)", {Record("101-6100", "12.25", ".00"), Record("101-2100", "xyz", "24.50")});
  window->chkCSV.SetValue(0);
  window->chkNames.SetValue(0);
  window->chkClass.SetValue(1);
  window->chkSumClass.SetValue(1);
  window->txtDelim.SetText("-");
  Run();
  EXPECT_EQ(SplitLines(Journal("123.iif")),
            (Lines{"!TRNS,TRNSTYPE,DATE,,CLASS,ACCNT,AMOUNT,NAME", "!SPL,TRNSTYPE,DATE,,CLASS,ACCNT,AMOUNT,NAME",
                   "!ENDTRNS", "TRNS,GENERAL JOURNAL,11/30/26,02,101,9999, 12.25,",
                   "SPL,GENERAL JOURNAL,11/30/26,02,101,6100,12.25,", "SPL,GENERAL JOURNAL,11/30/26,02,101,2100,xyz,",
                   "SPL,GENERAL JOURNAL,11/30/26,02,101,2100,-24.5,", "ENDTRNS"}));
  EXPECT_EQ(LastTitle(), kInBalance);
}

// Lines that hold fewer values take the missing ones as empty, nothing of
// the line before; the operator is told once.
TEST_F(QuickBooksCommaTest, CsvIOShortLinesTakeNothingFromTheLineBefore) {
  Prepare("QuickBooks(csv I/O)", {});
  WriteBytes(c / "gl" / "gl.txt",
             "123,20261130,01,02,03,6100,1,5.00,.00\r\n123,20261130,01,09,03,2100,1,.00\r\n123,20261130\r\n");
  window->chkNames.SetValue(0);
  boxes.QueueReply("1000");
  Run();
  EXPECT_EQ(SplitLines(Journal("123.iif")),
            (Lines{"TRNS,GENERAL JOURNAL,11/30/26,,,1000,-5,", "SPL,GENERAL JOURNAL,11/30/26,02,,6100,5.00,"}));
  const Lines shown = Shown();
  ASSERT_EQ(shown.size(), 3u) << ::testing::PrintToString(shown);
  EXPECT_NE(shown.back().find("3 records processed."), std::string::npos);
}

// The result message of a comma file: in balance, or for "QuickBooks(csv
// I/O)" the number of lines read.
std::string CommaResult(const std::string& package, int linesRead) {
  const std::string ready = "Journal Entry:  c:\\gl\\123.iif\ris now ready for Posting to your " + package +
                            " General Ledger.\r\ran Audit Trail of the prepared transactions can be found in:\r"
                            "        c:\\gl\\Audit_trail.txt";
  if (package == "QuickBooks(csv I/O)")
    return "QvLedgerloom | " + std::to_string(linesRead) + " records processed.\r\r" + ready;
  return std::string(kInBalance) + " | " + ready;
}

const Lines kCommaHeader = {"!TRNS,TRNSTYPE,DATE,,CLASS,ACCNT,AMOUNT,NAME",
                            "!SPL,TRNSTYPE,DATE,,CLASS,ACCNT,AMOUNT,NAME", "!ENDTRNS"};
const std::string kAskBalanceAccount = "Creating Header Record | Please enter an Account for the Journal Balance";
// The audit line of a "TRNS" line of 0: no levels, the account, the amount
// as a debit.
const std::string kZeroTrnsAudit = std::string(18, ' ') + "1000              0             .00           \r\n";

// An input without a record (no line at all, or its column titles only) is
// no failed run: the file is whole, with its balancing line of 0 and its end
// line, and the run ends as one with records does.
TEST_F(QuickBooksCommaTest, AnInputWithoutARecordMakesAWholeFile) {
  const std::string titles = "Company,Date,Division,Branch,Department,Account,Hours,Debits,Credits\r\n";
  const struct {
    const char* package;
    std::string input;
    bool csv, sumByClass;
    Lines journal;
    std::string audit;
    Lines shown;
  } cases[] = {
      {"QuickBooks PerfPay", titles, true, false,
       {kCommaHeader[0], kCommaHeader[1], kCommaHeader[2], "TRNS,GENERAL JOURNAL,11/30/26,,,1000,0,", "ENDTRNS"},
       kZeroTrnsAudit, {kAskBalanceAccount, CommaResult("QuickBooks PerfPay", 0)}},
      {"QuickBooks PerfPay", "", true, false,
       {kCommaHeader[0], kCommaHeader[1], kCommaHeader[2], "TRNS,GENERAL JOURNAL,11/30/26,,,1000,0,", "ENDTRNS"},
       kZeroTrnsAudit, {kAskBalanceAccount, CommaResult("QuickBooks PerfPay", 0)}},
      {"QuickBooks (csv)", titles, true, false,
       {kCommaHeader[0], kCommaHeader[1], kCommaHeader[2], "TRNS,GENERAL JOURNAL,11/30/26,,,1000,0,", "ENDTRNS"},
       kZeroTrnsAudit, {kAskBalanceAccount, CommaResult("QuickBooks (csv)", 0)}},
      // 89-character records.
      {"QuickBooks (csv)", "", false, false,
       {kCommaHeader[0], kCommaHeader[1], kCommaHeader[2], "TRNS,GENERAL JOURNAL,11/30/26,,,1000,0,", "ENDTRNS"},
       kZeroTrnsAudit, {kAskBalanceAccount, CommaResult("QuickBooks (csv)", 0)}},
      // Sum by Class asks for no account and has no group to open.
      {"QuickBooks (csv)", "", false, true,
       {kCommaHeader[0], kCommaHeader[1], kCommaHeader[2], "ENDTRNS"},
       "", {CommaResult("QuickBooks (csv)", 0)}},
      {"QuickBooks(csv I/O)", titles, true, false, {"TRNS,GENERAL JOURNAL,11/30/26,,,1000,0,"}, kZeroTrnsAudit,
       {kAskBalanceAccount, CommaResult("QuickBooks(csv I/O)", 1)}},
      {"QuickBooks(csv I/O)", "", true, false, {"TRNS,GENERAL JOURNAL,11/30/26,,,1000,0,"}, kZeroTrnsAudit,
       {kAskBalanceAccount, CommaResult("QuickBooks(csv I/O)", 0)}},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(std::string(k.package) + (k.input.empty() ? " no line" : " titles only") +
                 (k.csv ? "" : " records") + (k.sumByClass ? " by class" : ""));
    Prepare(k.package, {});
    WriteBytes(c / "gl" / "gl.txt", k.input);
    window->chkCSV.SetValue(k.csv ? 1 : 0);
    window->chkClass.SetValue(k.sumByClass ? 1 : 0);
    window->chkSumClass.SetValue(k.sumByClass ? 1 : 0);
    window->chkNames.SetValue(0);
    window->chkLoc.SetValue(0);
    if (!k.sumByClass) boxes.QueueReply("1000");
    const RunOutput out = RunOnce("123.iif");
    EXPECT_EQ(SplitLines(out.journal), k.journal);
    EXPECT_EQ(out.audit, k.audit);
    EXPECT_EQ(out.shown, k.shown);
    EXPECT_TRUE(window->run.Ready);
  }
}

// Summarized: a side that the merge of two or more records sums to 0 writes
// no line, as the detailed run writes none for those records; an export's
// own zero ("0.00", or "0" right-aligned as a merged sum is) in an entry of
// one record still writes its line.
TEST_F(QuickBooksCommaTest, SummarizedSidesOfZero) {
  const Lines spl = {"SPL,GENERAL JOURNAL,11/30/26,02,,6100,100,", "SPL,GENERAL JOURNAL,11/30/26,02,,2100,-60,",
                     "SPL,GENERAL JOURNAL,11/30/26,02,,7000,40.00,", "SPL,GENERAL JOURNAL,11/30/26,02,,7000,0,",
                     "SPL,GENERAL JOURNAL,11/30/26,02,,7100,0,"};
  const std::string comma = CommaLine("6100", "60.00", ".00") + CommaLine("2100", ".00", "25.00") +
                            CommaLine("6100", "40.00", ".00") + CommaLine("7000", "40.00", "0.00") +
                            CommaLine("2100", ".00", "35.00") + CommaLine("7100", ".00", "0");
  const std::string records = Record("6100", "60.00", ".00") + Record("2100", ".00", "25.00") +
                              Record("6100", "40.00", ".00") + Record("7000", "40.00", "0.00") +
                              Record("2100", ".00", "35.00") + Record("7100", ".00", "0");
  const struct {
    const char* package;
    bool csv;
  } cases[] = {
      {"QuickBooks PerfPay", true},
      {"QuickBooks (csv)", true},
      {"QuickBooks (csv)", false},
      {"QuickBooks(csv I/O)", true},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(std::string(k.package) + (k.csv ? "" : " records"));
    Prepare(k.package, {});
    WriteBytes(c / "gl" / "gl.txt", k.csv ? comma : records);
    window->chkCSV.SetValue(k.csv ? 1 : 0);
    window->chkClass.SetValue(0);
    window->chkSumClass.SetValue(0);
    window->chkNames.SetValue(0);
    window->chkLoc.SetValue(0);
    window->Summarized.SetValue(true);
    boxes.QueueReply("1000");
    const RunOutput out = RunOnce("123.iif");
    const bool csvIO = std::string(k.package) == "QuickBooks(csv I/O)";
    Lines expected;
    if (!csvIO) expected = kCommaHeader;
    expected.push_back("TRNS,GENERAL JOURNAL,11/30/26,,,1000,-80,");
    expected.insert(expected.end(), spl.begin(), spl.end());
    if (!csvIO) expected.push_back("ENDTRNS");
    EXPECT_EQ(SplitLines(out.journal), expected);
    // One audit line per line written: the balancing line's and the five
    // "SPL" lines'.
    EXPECT_EQ(SplitLines(out.audit).size(), 6u);
    ASSERT_FALSE(out.shown.empty());
    EXPECT_EQ(out.shown.back(), CommaResult(k.package, 6));
  }
}

// The balancing account is taken without the blanks around the answer, in
// the line and in its audit line.
TEST_F(QuickBooksCommaTest, TheBalancingAccountIsTrimmed) {
  for (const char* package : {"QuickBooks PerfPay", "QuickBooks (csv)", "QuickBooks(csv I/O)"}) {
    SCOPED_TRACE(package);
    Prepare(package, {});
    WriteBytes(c / "gl" / "gl.txt", CommaLine("6100", "12.50", ".00"));
    window->chkCSV.SetValue(1);
    window->chkClass.SetValue(0);
    window->chkSumClass.SetValue(0);
    window->chkNames.SetValue(0);
    window->chkLoc.SetValue(0);
    boxes.QueueReply("  1000  ");
    Run();
    const Lines lines = JournalLines("123.iif");
    const bool csvIO = std::string(package) == "QuickBooks(csv I/O)";
    ASSERT_GT(lines.size(), csvIO ? 0u : 3u);
    EXPECT_EQ(lines[csvIO ? 0 : 3], "TRNS,GENERAL JOURNAL,11/30/26,,,1000,-12.5,");
    EXPECT_EQ(Audit().substr(0, 66), std::string(18, ' ') + "1000              .00           12.5          \r\n");
  }
}

}  // namespace
}  // namespace qvl::test
