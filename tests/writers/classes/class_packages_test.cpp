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
std::string Text(const Lines& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

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
             "123,20261130,01,02,03,01,1.5,1001,1,1,0", "123,20261130,01,02,03,01,x,1001,1,1,0",
             "123,20261130,01,02,03,01,70000,1001,1,0,4"}),
       {"01-1001-003,Debit,1,11/30/2026,Journal Entry,,1", "01-1001-000,Debit,1,11/30/2026,Journal Entry,,1",
        "01-1001-002,Debit,1,11/30/2026,Journal Entry,,1", "01-1001-000,Debit,1,11/30/2026,Journal Entry,,1",
        "01-1001-70000,Credit,4,11/30/2026,Journal Entry,,1"}},
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

}  // namespace
}  // namespace qvl::test
