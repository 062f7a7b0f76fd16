// The comma-input writers' field rules and the runs the scenarios leave out:
// bad amounts, amounts too wide for their field, bad lines, second runs.
#include "writers/builtin/comma_input.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/run_fixture.h"

namespace qvl::test {
namespace {

using CommaInputTest = WritersRunTest;

TEST_F(CommaInputTest, ABadAmountCountsAsZeroAndNeverAsTheLineBeforesAmount) {
  struct Case {
    const char* package;
    std::string journal;
    std::vector<std::string> lines;  // written for the second line alone
  };
  const Case cases[] = {
      {"BMSI", "123113026.dat", {"PAYRLL2000" + std::string(21, '0') + "R11/30/26"}},
      {"Falcon", "123113026.txt", {"03\t2000\t1126\tPayroll 11/30/26\t-4.00"}},
      {"Northstar", "123113026.csv", {"113026,2000,-4.00,"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.package);
    // Falcon reads ten values: its branch is the sixth, its account the seventh.
    const bool falcon = std::string(c.package) == "Falcon";
    boxes = dialogs::ScriptedDialogs();
    boxes.QueueAnswer(dialogs::kNo);
    RunOver(c.package,
            {falcon ? "123,20261130,01,02,03,03,1000,0,5.00,.00\r\n" : CommaLine("1000", "5.00", ".00"),
             falcon ? "123,20261130,01,02,03,03,2000,0,12A.00,4.00\r\n" : CommaLine("2000", "12A.00", "4.00")});
    const std::vector<std::string> lines = JournalLines(c.journal);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].substr(0, c.lines[0].size()), c.lines[0]);
    // 5.00 - 4.00: the second line counted its credit alone.
    EXPECT_EQ(boxes.Shown()[0].prompt.substr(0, 34), "Debits & Credits are off by: $1.00");
  }
}

TEST_F(CommaInputTest, BMSIFillsTheAccountToTwentyFiveAndKeepsALongerOneWhole) {
  RunOver("BMSI", {CommaLine(" 12 ", "1.00", ""), CommaLine("1234567890123456789012345X", "", "1.00")});
  const std::vector<std::string> lines = JournalLines("123113026.dat");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].substr(0, 32), "PAYRLL1200000000000000000000000R");
  EXPECT_EQ(lines[1].substr(0, 33), "PAYRLL1234567890123456789012345XR");
  EXPECT_EQ(lines[1].size(), 100u);
  EXPECT_EQ(LastTitle(), kInBalance);
}

TEST_F(CommaInputTest, AnAmountTooWideForItsFieldStopsTheRunNamingItsLine) {
  struct Case {
    const char* package;
    const char* amount;
  };
  // BMSI: 12 digits of cents; FTI: 13 digits with implied decimals; Fiserv
  // Freedom FFS: 12 characters of cents.
  for (const Case& c : {Case{"BMSI", "10000000000.00"}, Case{"FTI", "100000000000.00"},
                        Case{"Fiserv Freedom FFS", "10000000000.00"}}) {
    SCOPED_TRACE(c.package);
    boxes = dialogs::ScriptedDialogs();
    RunOver(c.package, {CommaLine("1000", "1.00", ""), "\r\n", CommaLine("1000", c.amount, "")});
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].title, std::string("QvLedgerloom - ") + c.package);
    EXPECT_NE(boxes.Shown()[0].prompt.find("c:\\gl\\gl.txt, line 3\r"), std::string::npos);
    EXPECT_NE(boxes.Shown()[0].prompt.find("does not fit its field"), std::string::npos);
  }
}

TEST_F(CommaInputTest, FiservNamesABadFirstLineAndPassesOverBlankLines) {
  RunOver("Fiserv Freedom FFS", {"123,20261130,2100,1.00\r\n"});
  EXPECT_EQ(Shown(), std::vector<std::string>{
                         "QvLedgerloom - Fiserv Freedom FFS | The Fiserv Freedom FFS Journal Entry was stopped by an "
                         "error:\r\rc:\\gl\\gl.txt, line 1\rThe line does not hold the nine values of the export."});

  boxes = dialogs::ScriptedDialogs();
  RunOver("Fiserv Freedom FFS",
          {CommaLine("1000", "1.00", ""), "  \r\n", "\t\t\r\n", CommaLine("2000", "", "1.00"), "\r\n \t \r\n"});
  ASSERT_EQ(JournalLines().size(), 2u);
  EXPECT_EQ(JournalLines()[1].substr(0, 52), "2000" + std::string(20, ' ') + "12062026" + "11302026" + "        -100");
  EXPECT_EQ(LastTitle(), kInBalance);
}

TEST_F(CommaInputTest, FTISplitsTheAccountIntoAccountAndSubAccount) {
  struct Case {
    const char* account;
    const char* fields;  // account 8, sub-account 4
  };
  const Case cases[] = {
      {"12345", "000123450345"},
      {"1234567", "001234560567"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.account);
    RunOver("FTI", {CommaLine(c.account, "", "2.50"), CommaLine(c.account, "-1.00", "0"),
                    CommaLine(c.account, "0", "-3.00")});
    const std::vector<std::string> lines = JournalLines();
    ASSERT_EQ(lines.size(), 1u);  // no record for a negative or zero amount
    EXPECT_EQ(lines[0].substr(3, 12), c.fields);
    EXPECT_EQ(lines[0].substr(15, 15), "030000000000250");
    // A negative amount is no record, not a record the field cannot hold.
    EXPECT_EQ(LastTitle(), kInBalance);
  }
}

TEST_F(CommaInputTest, GPPayrollConnectWritesOneAmountAndTheYearAsAskedFor) {
  struct Case {
    const char* debits;
    const char* credits;
    bool extended;
    const char* written;  // date and amount; empty: no line
  };
  const Case cases[] = {
      {"20.00", "50.00", true, R"("11302026","-30")"},
      {"abc", "5", false, R"("11306","-5")"},
      {" 7.5 ", "", false, R"("11306","7.5")"},
      {"5.00", "5.00", false, ""},
      {".00", "", false, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.debits) + " " + c.credits);
    Prepare("GP Payroll Connect", {CommaLine("000111", c.debits, c.credits)});
    window->chkLoc.SetValue(c.extended ? 1 : 0);
    Run();
    const std::vector<std::string> lines = JournalLines("123113026.GLI");
    const std::string expected = std::string(c.written);
    ASSERT_EQ(lines.size(), expected.empty() ? 0u : 1u);
    if (!expected.empty()) {
      EXPECT_EQ(lines[0].substr(20, expected.size()), expected);
    }
    EXPECT_EQ(boxes.Shown().back().prompt.substr(0, 2), expected.empty() ? "0 " : "1 ");
  }
}

TEST_F(CommaInputTest, BlackbaudV760StartsItsSumsAndClosingDateEmptyInEveryRun) {
  RunOver("Blackbaud v7.60", {"123,20261130,01,02,03,01-59900-741,0000,0,10.00,.00\r\n"});
  ASSERT_EQ(JournalLines("123113026.csv").size(), 6u);
  EXPECT_EQ(JournalLines("123113026.csv")[3], "01-50510-740,11/30/2026,R,D,10.00,PR,Payroll,0000");

  // Nothing of the first run's sums or date reaches the second.
  RunOver("Blackbaud v7.60", {"\r\n"});
  EXPECT_EQ(JournalLines("123113026.csv"), (std::vector<std::string>{
                                                JournalLines("123113026.csv")[0],
                                                "01-29520-000,,R,D,0.00,PR,Payroll,0000",
                                                "03-29520-000,,R,C,0.00,PR,Payroll,0000",
                                                "01-50510-740,,R,D,0.00,PR,Payroll,0000",
                                                "01-50515-740,,R,D,0.00,PR,Payroll,0000",
                                                "01-59900-740,,R,C,0.00,PR,Payroll,0000",
                                            }));
  EXPECT_EQ(LastTitle(), kInBalance);
}

TEST_F(CommaInputTest, BlackbaudV760WritesAnInputAccountNamedFinalAsAnOrdinaryLine) {
  RunOver("Blackbaud v7.60", {"123,20261130,01,02,03,FINAL,0000,0,3.00,.00\r\n"});
  const std::vector<std::string> lines = JournalLines("123113026.csv");
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[1], "FINAL       ,11/30/2026,R,D,3.00,PR,Payroll,0000");
}

TEST_F(CommaInputTest, ASecondRunInOneSessionWritesWhatTheFirstWrote) {
  for (const char* package : {"BMSI", "Falcon", "Northstar", "FTI", "GP Payroll Connect", "Fiserv Freedom FFS"}) {
    SCOPED_TRACE(package);
    boxes = dialogs::ScriptedDialogs();
    const std::vector<std::string> input =
        std::string(package) == "Falcon"
            ? std::vector<std::string>{"123,20261130,01,02,03,3,1000,0,5.00,.00\r\n", "123,20261130,01,02,03,3,2000,0,,5.00\r\n"}
            : std::vector<std::string>{CommaLine("1000", "5.00", ".00"), CommaLine("2000", ".00", "5.00")};
    Prepare(package, input);
    Run();
    const std::string journal = Journal(window->run.OUTFile.substr(6));
    const std::string audit = Audit();
    const std::size_t boxesShown = boxes.Shown().size();
    Run();
    EXPECT_EQ(Journal(window->run.OUTFile.substr(6)), journal);
    EXPECT_EQ(Audit(), audit);
    ASSERT_EQ(boxes.Shown().size(), 2 * boxesShown);
    EXPECT_EQ(boxes.Shown().back().prompt, boxes.Shown()[boxesShown - 1].prompt);
  }
}

}  // namespace
}  // namespace qvl::test
