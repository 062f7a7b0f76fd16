// The class packages built on the shared reading and offsetting steps:
// each one's field rules at their edges, bad amounts that count as zero and
// never stop the reading, offsetting lines, and a later run in the same
// session through the same object.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/run_fixture.h"
#include "platform/vb/text.h"

namespace qvl::test {
namespace {

using Lines = std::vector<std::string>;

// Input lines, each ended with CR LF.
std::string Text(const Lines& lines) { return test::Lines(lines); }

struct Package {
  const char* text;
  const char* journal;  // the journal's file name
  std::size_t heading;  // lines before the first journal line of a record
};

const Package kTrident = {"Trident", "123113026.txt", 0};
const Package kCorrand = {"Corrand", "123113026.csv", 0};
const Package kBlackbaud = {"Blackbaud v7.80", "123113026.csv", 0};
const Package kIPS = {"IPS", "123113026.txt", 0};
const Package kNetSuite = {"NetSuite Release 2", "123113026.csv", 1};
const Package kSamPro = {"SamPro", "123113026.txt", 1};
const Package kSAP = {"SAP (Island)", "123113026.txt", 1};

class ClassPackageTest : public WritersRunTest {
 protected:
  // Runs the package over the input; the journal's lines after its heading.
  Lines RunOver(const Package& package, const std::string& input) {
    Prepare(package.text, {input});
    Run();
    return Written(package);
  }
  Lines Written(const Package& package) const {
    Lines lines = JournalLines(package.journal);
    if (lines.size() < package.heading) return {"<no heading>"};
    return Lines(lines.begin() + static_cast<std::ptrdiff_t>(package.heading), lines.end());
  }
};

struct Case {
  const Package* package;
  std::string input;
  Lines expected;
  bool balanced = true;
};

// ---- Field rules ----

TEST_F(ClassPackageTest, EachPackageWritesItsFieldsAtTheirEdges) {
  const auto sap = [](const std::string& account, const char* side, const char* amount) {
    return "12/06/2026,USD,11/30/2026,PR Nov 30 2026,PAYROLL Nov 30 2026," + account + "," + side + "," + amount +
           ",,Payroll week ending Nov 30 2026";
  };
  const Case cases[] = {
      // Branch and department padded by their masks; a value that is no
      // number passes as it is; the amount is exact.
      {&kTrident, Text({"123,20261130,01,7,12,1027,1,100.10,.00", "123,20260105,01,AB,x,2401,1,.00,100.10"}),
       {"07-1027-012,Debit,100.1,11/30/2026,Journal Entry,1", "AB-2401-x,Credit,100.1,01/05/2026,Journal Entry,1"}},
      // An amount that is no number counts as 0 and the lines after it are
      // written.
      {&kTrident, Text({"123,20261130,01,02,03,1027,1,n/a,5.00", "123,20261130,01,02,03,1028,1,5.00,"}),
       {"02-1027-003,Credit,5,11/30/2026,Journal Entry,1", "02-1028-003,Debit,5,11/30/2026,Journal Entry,1"}},
      // Live checks: the net to the credit column, either sign; only the
      // exact words start one.
      {&kCorrand,
       Text({"123,20261130,01,02,03,1099,Live Check,1,100,0", "123,20261130,01,02,03,1099,Live Chec,1,100,0",
             "123,20261130,01,02,03,1099,LIVE CHECK 5,1,0,12.50", "123,20261130,01,02,03,1099,Live Checks,1,.00,7",
             "123,20261130,01,02,03,1599,Pay,1,,x"}),
       {"GLT,1099,11/30/2026,,,CAR,Live Check,0,-100", "GLT,1099,11/30/2026,,,CAR,Live Chec,100,0",
        "GLT,1099,11/30/2026,,,CAR,LIVE CHECK 5,0,12.5", "GLT,1099,11/30/2026,,,CAR,Live Checks,0,7",
        "GLT,1599,11/30/2026,,,CAR,Pay,0,0"},
       false},
      // The suffix: at least three digits; "-000" below 1 once rounded half
      // to even, or when it is no number; a large one whole.
      {&kBlackbaud,
       Text({"123,20261130,01,02,03,01,3,1001,1,1,0", "123,20261130,01,02,03,01,0.5,1001,1,1,0",
             "123,20261130,01,02,03,01,1,1001,1,1,0", "123,20261130,01,02,03,01,1.5,1001,1,1,0",
             "123,20261130,01,02,03,01,x,1001,1,1,0", "123,20261130,01,02,03,01,70000,1001,1,0,5"}),
       {"01-1001-003,Debit,1,11/30/2026,Journal Entry,,1", "01-1001-000,Debit,1,11/30/2026,Journal Entry,,1",
        "01-1001-001,Debit,1,11/30/2026,Journal Entry,,1", "01-1001-002,Debit,1,11/30/2026,Journal Entry,,1",
        "01-1001-000,Debit,1,11/30/2026,Journal Entry,,1", "01-1001-70000,Credit,5,11/30/2026,Journal Entry,,1"}},
      // Every line keeps seven fields, a zero net and a bad date included.
      {&kIPS,
       Text({"123,20261130,01,02,03,1,2,Desc,1,5,5", "123,2026113,01,02,03,1,2,Desc,1,,3.25",
             "123,11-2-2026,01,02,03,1,,Desc,1,x,"}),
       {"11-30-2026,1,2,0,D,Payroll,Desc", "11-3-2026,1,2,3.25,C,Payroll,Desc", "11-02-2026,1,,0,D,Payroll,Desc"},
       false},
      // The account field split at its first comma, every later comma gone;
      // without one it is all account.
      {&kNetSuite,
       Record("5000,AD,MIN", "1.00", ".00") + Record("4495,", ".00", "1.00") + Record("4496", "2.50", ".00") +
           Record("4497,X", "abc", "1.00"),
       {"5000,1.00,0,11-30-2026 Payroll,,,ADMIN,", "4495,0,1.00,11-30-2026 Payroll,,,,",
        "4496,2.50,0,11-30-2026 Payroll,,,,", "4497,abc,1.00,11-30-2026 Payroll,,,X,"},
       false},
      // Six characters of the account; the sub-code after the first "-";
      // amounts that are no number written as they stand.
      {&kSamPro, Record("51", "1", ".00") + Record("12345-78-9", ".00", "xyz") + Record("ABCDEFGH", "", "-2.5"),
       {"51||1.00|0.00|PAY DATE 11/30/2026", "12345-|78-9|0.00|xyz|PAY DATE 11/30/2026",
        "ABCDEF|||-2.50|PAY DATE 11/30/2026"},
       false},
      // Every cash line carries the whole clearing net; an account with a
      // blank before it is an ordinary one; equal amounts are a debit of 0;
      // a line of eleven values has no cost center.
      {&kSAP,
       Text({"1,20261130,1,2,3,115000,1,10.00,.00", "1,20261130,1,2,3, 115000,1,4.00,.00",
             "1,20261130,1,2,3,215240,1,.00,30.00", "1,20261130,1,2,3,115000,1,1.00,.00",
             "1,20261130,1,2,3,7000,1,5.00,5.00", "1,20261130,1,2,3,8000,1,2.00,.00,x,y"}),
       {sap("115000", "H", "19"), sap("215240", "H", "30"), sap("115000", "H", "19"), sap(" 115000", "S", "4"),
        sap("215240", "S", "30"), sap("7000", "S", "0"), sap("8000", "S", "2")},
       false},
  };
  for (const Case& c : cases) {
    if (!c.balanced) boxes.QueueAnswer(dialogs::kNo);
    EXPECT_EQ(RunOver(*c.package, c.input), c.expected) << c.package->text;
    EXPECT_EQ(boxes.Pending(), 0u) << c.package->text;
  }
}

// ---- Offsetting entries ----

struct Offset {
  const char* account;
  const char* amount;
};

struct OffsetCase {
  const Package* package;
  std::string input;
  std::vector<Offset> offsets;
  Lines lines;            // the offsetting lines, in the order written
  std::string lastAudit;  // the audit line of the last of them
  bool balanced;          // whether the offsets balance the journal
};

// One audit line: levels, account, debits and credits at their widths.
std::string AuditLine(const std::string& levels, const std::string& account, const std::string& debits,
                  const std::string& credits) {
  return levels + vb::PadRight(account, 18) + vb::PadRight(debits, 14) + vb::PadRight(credits, 14);
}
const std::string kOffsetLevels = "0     0     0     ";

TEST_F(ClassPackageTest, OffsettingLinesTakeTheTypedAmountAndTheLastLinesOtherValues) {
  const OffsetCase cases[] = {
      // No zero test on the offsetting line.
      {&kTrident, Text({"123,20261130,01,4,5,1000,1,12.00,.00"}), {{" 2000 ", "0"}},
       {"04-2000-005,Debit,0,11/30/2026,Journal Entry,1"}, AuditLine(kOffsetLevels, "2000", "0", "0.00"), false},
      {&kBlackbaud, Text({"123,20261130,01,02,03,07,12,1000,1,12.00,.00"}), {{"2000", "0"}},
       {"07-2000-012,Credit,0,11/30/2026,Journal Entry,,1"}, AuditLine(kOffsetLevels, "2000", "0", "0"), false},
      // A credit offset goes into the credit column as a positive amount,
      // and the description stays empty even after a live check.
      {&kCorrand, Text({"123,20261130,01,02,03,1000,Live Check,1,0,12"}), {{"2000", "12"}},
       {"GLT,2000,11/30/2026,,,CAR,,0,-12"}, AuditLine(kOffsetLevels, "2000", "0", "-12"), true},
      {&kCorrand, Text({"123,20261130,01,02,03,1000,Pay,1,12,0"}), {{"2000", "0"}},
       {"GLT,2000,11/30/2026,,,CAR,,0,0"}, AuditLine(kOffsetLevels, "2000", "0", "0"), false},
      // Each offsetting line takes the date and description of the run's
      // last line, not of the offsetting line before it.
      {&kIPS, Text({"123,20261130,01,02,03,1000,1, Desc A ,1,12,0"}), {{"2000", "-5"}, {"2001", "-7"}},
       {"11-30-2026,2000,,5,C,Payroll,Desc A", "11-30-2026,2001,,7,C,Payroll,Desc A"},
       AuditLine(kOffsetLevels, "2001", "0", "7"), true},
      // The department of the last record is not the offset's.
      {&kNetSuite, Record("4495,ADMIN", ".00", "31.58"), {{"4496", "31.58"}},
       {"4496,31.58,0.00,11-30-2026 Payroll,,,,"}, AuditLine(kOffsetLevels, "4496", "31.58", "0.00"), true},
      // The amounts are the offset's, whatever the last record held; the
      // audit line is the offsetting entry's own record.
      {&kSamPro, Record("1000-1", "12.00", "7.00") + Record("1000-2", "7.00", "20.00"), {{"2000", "8"}},
       {"2000||8.00|0.00|PAY DATE 11/30/2026"}, AuditLine(kOffsetLevels, "2000", "             8", ".00"), true},
  };
  for (const OffsetCase& c : cases) {
    for (const Offset& offset : c.offsets) QueueOffset(offset.account, offset.amount);
    if (!c.balanced) boxes.QueueAnswer(dialogs::kNo);
    const Lines written = RunOver(*c.package, c.input);
    ASSERT_GE(written.size(), c.lines.size()) << c.package->text;
    EXPECT_EQ(Lines(written.end() - static_cast<std::ptrdiff_t>(c.lines.size()), written.end()), c.lines)
        << c.package->text;
    EXPECT_EQ(SplitLines(Audit()).back(), c.lastAudit) << c.package->text;
    EXPECT_EQ(LastTitle(), c.balanced ? kInBalance : "Journal Entry remains OUT of Balance.") << c.package->text;
    EXPECT_EQ(boxes.Pending(), 0u) << c.package->text;
  }
}

// The offsetting entry writes nothing, so the operator is asked again and
// the run ends when the journal is left out of balance.
TEST_F(ClassPackageTest, SapIslandOffsetWritesNothingAndTheOperatorCanLeaveTheJournalOutOfBalance) {
  QueueOffset("9999", "-7");
  boxes.QueueAnswer(dialogs::kNo);
  const Lines written = RunOver(kSAP, Text({"1,20261130,1,2,3,5000,1,7.00,.00"}));
  EXPECT_EQ(written.size(), 1u);
  EXPECT_EQ(SplitLines(Audit()).size(), 1u);
  EXPECT_EQ(LastTitle(), "Journal Entry remains OUT of Balance.");
  EXPECT_EQ(boxes.Pending(), 0u);
}

// Lines too short to write are named once the input is read; blank lines,
// tabs and blanks alike, count only where data follows them.
TEST_F(ClassPackageTest, SapIslandNamesTheLinesItPassesOver) {
  const std::string debit = "1,20261130,1,2,3,5000,1,7.00,.00";
  const std::string credit = "1,20261130,1,2,3,6000,1,.00,7.00";
  const std::string skipped = "QvLedgerloom | These lines of the input file hold too few values and were not written:\r\r";
  const struct {
    Lines input;
    Lines shown;  // before the result
  } rows[] = {
      {{debit, "1,20261130,1,2", credit}, {skipped + "c:\\gl\\gl.txt, line 2"}},
      {{debit, "\t \t", "", credit}, {skipped + "c:\\gl\\gl.txt, lines 2, 3"}},
      {{debit, credit, "", "\t\t", " \t "}, {}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.input[1]);
    boxes = dialogs::ScriptedDialogs();
    EXPECT_EQ(RunOver(kSAP, Text(row.input)).size(), 2u);
    Lines shown = Shown();
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.back().substr(0, shown.back().find(" |")), kInBalance);
    shown.pop_back();
    EXPECT_EQ(shown, row.shown);
  }
}

// ---- A later run in the same session ----

struct LaterRunCase {
  const Package* package;
  std::string first;   // a balanced run
  std::string second;  // a shorter one, balanced by the offset
  Offset offset;
  Lines expected;      // the second run's journal lines after its heading
};

TEST_F(ClassPackageTest, ALaterRunWritesOnlyItsOwnLinesAndItsOffsetTakesItsOwnLastLine) {
  const LaterRunCase cases[] = {
      {&kTrident, Text({"123,20261130,01,5,6,1000,1,10.00,.00", "123,20261130,01,5,6,1001,1,.00,10.00"}),
       Text({"123,20261115,01,2,3,2000,1,7.00,.00"}), {"2100", "-7"},
       {"02-2000-003,Debit,7,11/15/2026,Journal Entry,1", "02-2100-003,Credit,7,11/15/2026,Journal Entry,1"}},
      {&kCorrand, Text({"123,20261130,01,02,03,1000,Pay,1,5,0", "123,20261130,01,02,03,1001,Live Check,1,0,5"}),
       Text({"123,20261115,01,02,03,2000,Tax,1,0,7"}), {"2100", "7"},
       {"GLT,2000,11/15/2026,,,CAR,Tax,0,7", "GLT,2100,11/15/2026,,,CAR,,0,-7"}},
      {&kBlackbaud, Text({"123,20261130,01,02,03,09,9,1000,1,5,0", "123,20261130,01,02,03,09,9,1001,1,0,5"}),
       Text({"123,20261115,01,02,03,01,0,2000,1,0,7"}), {"2100", "7"},
       {"01-2000-000,Credit,7,11/30/2026,Journal Entry,,1", "01-2100-000,Debit,7,11/30/2026,Journal Entry,,1"}},
      {&kIPS, Text({"123,20261130,01,02,03,1000,1,First,1,5,0", "123,20261130,01,02,03,1001,1,First,1,0,5"}),
       Text({"123,20261115,01,02,03,2000,2,Second,1,0,7"}), {"2100", "7"},
       {"11-15-2026,2000,2,7,C,Payroll,Second", "11-15-2026,2100,,7,D,Payroll,Second"}},
      {&kNetSuite, Record("1000,DEPT", "5.00", ".00") + Record("1001,DEPT", ".00", "5.00"),
       Record("2000", "7.00", ".00"), {"2100", "-7"},
       {"2000,7.00,0,11-30-2026 Payroll,,,,", "2100,0.00,7,11-30-2026 Payroll,,,,"}},
      // The period line again, once.
      {&kSamPro, Record("1000-1", "5.00", ".00") + Record("1001-1", ".00", "5.00"), Record("2000-2", "7.00", ".00"),
       {"2100-9", "-7"},
       {"PERIOD ENDING DATE|11/30/2026|PAY DATE|11/30/2026", "2000-2|2|7.00|0.00|PAY DATE 11/30/2026",
        "2100-9|9|0.00|7.00|PAY DATE 11/30/2026"}},
  };
  for (const LaterRunCase& c : cases) {
    RunOver(*c.package, c.first);
    ASSERT_EQ(LastTitle(), kInBalance) << c.package->text;
    QueueOffset(c.offset.account, c.offset.amount);
    Lines second = RunOver(*c.package, c.second);
    if (c.package == &kSamPro) second.insert(second.begin(), JournalLines(c.package->journal).front());
    EXPECT_EQ(second, c.expected) << c.package->text;
    EXPECT_EQ(LastTitle(), kInBalance) << c.package->text;
    // Every journal line that carries an amount has its audit line, and
    // only those.
    const std::size_t period = c.package == &kSamPro ? 1 : 0;
    EXPECT_EQ(SplitLines(Audit()).size(), c.expected.size() - period) << c.package->text;
  }

  // Fewer lines than the run before: only the later run's lines.
  RunOver(kSAP, Text({"1,20261130,1,2,3,5000,1,7.00,.00", "1,20261130,1,2,3,215080,1,.00,7.00",
                      "1,20261130,1,2,3,115000,1,.00,.00"}));
  ASSERT_EQ(LastTitle(), kInBalance);
  const Lines second = RunOver(kSAP, Text({"1,20261115,1,2,3,6000,1,3.00,.00", "1,20261115,1,2,3,6001,1,.00,3.00"}));
  EXPECT_EQ(second, (Lines{"12/06/2026,USD,11/15/2026,PR Nov 15 2026,PAYROLL Nov 15 2026,6001,H,3,,"
                           "Payroll week ending Nov 30 2026",
                           "12/06/2026,USD,11/15/2026,PR Nov 15 2026,PAYROLL Nov 15 2026,6000,S,3,,"
                           "Payroll week ending Nov 30 2026"}));
  EXPECT_EQ(Audit(), "                  6001              .00           3.00          \r\n"
                     "                  6000              3.00          .00           \r\n");
}

}  // namespace
}  // namespace qvl::test
