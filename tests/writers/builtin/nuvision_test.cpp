// "NuVision": the mapping look-ups, the saved workbooks read back cell by
// cell, a second run in one session, and the runs that end early.
#include "writers/builtin/nuvision.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/run_fixture.h"
#include "platform/workbook/workbook.h"
#include "writers/workbook_cells.h"

namespace qvl::test {
namespace {

const std::vector<GLMapEntry> kRegularMap = {{"REGEAR", "Regular Earnings", ""},
                                             {"REGEAR", "Second Description", ""},
                                             {"ABC", "Three Letters", ""},
                                             {"", "Blank Code", ""}};

TEST(NuVisionMapping, TheRegularJournalTakesTheFirstEntryOfTheTrimmedCode) {
  const std::vector<GLMapEntry> withoutBlank(kRegularMap.begin(), kRegularMap.end() - 1);
  struct Case {
    const std::vector<GLMapEntry>* map;
    std::string glCode;
    const char* description;  // nullptr: no row
  } cases[] = {
      {&kRegularMap, "REGEAR", "Regular Earnings"},
      {&kRegularMap, " ABC  ", "Three Letters"},
      {&kRegularMap, "abc   ", nullptr},
      {&kRegularMap, "NOMAP ", nullptr},
      {&kRegularMap, "      ", "Blank Code"},
      {&withoutBlank, "", ""},
      {&withoutBlank, "   ", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("[" + c.glCode + "]");
    const GLMapEntry* found = RegularMapping(*c.map, c.glCode);
    if (c.description == nullptr) {
      EXPECT_EQ(found, nullptr);
    } else {
      ASSERT_NE(found, nullptr);
      EXPECT_EQ(found->Description, c.description);
    }
  }
}

TEST(NuVisionMapping, TheAccrualJournalTakesUpToTwoAccountsOfTheCodeAsItStands) {
  using Map = std::vector<GLMapEntry>;
  struct Case {
    const char* what;
    Map map;
    std::string glCode;
    std::vector<std::string> accounts;
  } cases[] = {
      {"one entry", {{"X", "d", "A"}}, "X", {"A"}},
      {"two accounts in file order", {{"X", "d", "B"}, {"Y", "d", "C"}, {"X", "d", "A"}}, "X", {"B", "A"}},
      {"A, A, B", {{"X", "d", "A"}, {"X", "d", "A"}, {"X", "d", "B"}}, "X", {"A", "B"}},
      {"A, B, C", {{"X", "d", "A"}, {"X", "d", "B"}, {"X", "d", "C"}}, "X", {"A", "B"}},
      {"the same account twice", {{"X", "d", "A"}, {"X", "e", "A"}}, "X", {"A"}},
      {"blanks count", {{"AB", "d", "A"}}, " AB   ", {}},
      {"blanks that match", {{" AB   ", "d", "A"}}, " AB   ", {"A"}},
      {"an empty code without an entry", {{"X", "d", "A"}}, "", {}},
      {"an empty code with an entry", {{"", "d", "A"}}, "", {"A"}},
      {"an entry without an account is never first", {{"X", "d", ""}, {"X", "d", "A"}}, "X", {"A", ""}},
      {"no entry", {}, "X", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<std::string> accounts;
    for (const GLMapEntry* e : AccrualMappings(c.map, c.glCode)) accounts.push_back(e->Account);
    EXPECT_EQ(accounts, c.accounts);
  }
}

const std::vector<std::string> kTitles = {
    "T:Jrnl Temp Name", "T:Jrnal Batch Name", "T:Line Number", "T:Account",     "T:ACCOUNT NO.",
    "T:DESCRIPTION",    "T:POSTING DATE",     "T:Document",    "T:Document No.", "T:AMOUNT",
    "T:Depart Dime",    "T:Region",           "T:Sales Rep.",  "T:DIMENSION 4"};
// 11/30/2026 in the workbook's date system.
constexpr const char* kDate = "D:46356";

class NuVisionTest : public WritersRunTest {
 protected:
  // A run over comma lines dated 11/30/2026 with the mapping file c:\gl\map.csv.
  void PrepareLines(const std::vector<std::string>& accountsAndAmounts, bool accrual, const std::string& map) {
    Prepare("NuVision", {});
    std::string input;
    for (const std::string& a : accountsAndAmounts) input += "123,20261130,01,02,03," + a + "\r\n";
    WriteBytes(c / "gl" / "gl.txt", input);
    WriteBytes(c / "gl" / "map.csv", map);
    (accrual ? window->Summarized : window->Details).SetValue(true);
    boxes.QueueReply("c:\\gl\\map.csv");
  }
  static Table Sheet(const std::string& name) { return SheetCells("c:\\gl\\" + name); }
};

TEST_F(NuVisionTest, RegularRowsPutBankLinesFirstAndReverseAccruedPayroll) {
  PrepareLines({"611100REGEAR1114NEWSR1,40.00,43001.15,.00", "230200ACCPAY0000XXXXXX,0,.00,500.00",
                "611200 ABC  2000XXXXXX,0,10.00,10.00", "611300NOMAP 2000XXXXXX,0,5.00,.00", "611400,0,1.50,.00",
                "611500REGEAR,0,.00,.00", "BK1000CASH  0000000000,0,.00,100.00"},
               false,
               "REGEAR,Regular Earnings\r\nREGEAR,Second Description\r\nABC,'Three Letters\r\n"
               "ACCPAY,Accrued Payroll\r\nCASH,Operating Cash\r\n");
  Run();

  EXPECT_EQ(Sheet("NuVision_123_Nov3026.xls"),
            (Table{kTitles,
                       {"T:GENERAL", "T:PAYROLL", "T:10000", "T:Bank Account", "T:BK1000", "T:Operating Cash", kDate,
                        kDate, "T:UP113026PR", "N:-100", "T:0000", "T:000", "T:000", ""},
                       {"T:GENERAL", "T:PAYROLL", "T:20000", "T:G/L ACCOUNT", "N:611100", "T:Regular Earnings", kDate,
                        kDate, "T:UP113026PR", "N:43001.15", "N:1114", "T:NEW", "T:SR1", ""},
                       {"T:GENERAL", "T:PAYROLL", "T:30000", "T:G/L ACCOUNT", "N:230200", "T:Accrued Payroll", kDate,
                        kDate, "T:UP113026PR", "N:-500", "T:0000", "T:XXX", "T:XXX", ""},
                       {"T:GENERAL", "T:PAYROLL", "T:40000", "T:G/L ACCOUNT", "N:230200", "T:Accrued Payroll", kDate,
                        kDate, "T:UP113026PR", "N:500", "T:0000", "T:XXX", "T:XXX", ""},
                       {"T:GENERAL", "T:PAYROLL", "T:50000", "T:G/L ACCOUNT", "N:611200", "T:'Three Letters", kDate,
                        kDate, "T:UP113026PR", "N:0", "N:2000", "T:XXX", "T:XXX", ""},
                       {"T:GENERAL", "T:PAYROLL", "T:60000", "T:G/L ACCOUNT", "N:611400", "", kDate, kDate,
                        "T:UP113026PR", "N:1.5", "", "", "", ""}}));
  // The line without amounts leaves its mark in the audit trail only.
  EXPECT_NE(Audit().find("611500REGEAR\t0.00\r\n"), std::string::npos);
  EXPECT_EQ(Shown().back().rfind(std::string(kInBalance) + " | Journal Entry:  c:\\gl\\NuVision_123_Nov3026.xls\r", 0),
            0u);
}

TEST_F(NuVisionTest, AccrualRowsFollowTheExportAndCarryTheMappedAccounts) {
  PrepareLines({"611100REGEAR1114NEWSR1,40.00,43001.15,.00", "BK1000CASH  0000000000,0,.00,100.00",
                "230200ACCPAY0000XXXXXX,0,.00,500.00"},
               true,
               "REGEAR,Accrued Wages,611100\r\nREGEAR,Wages Offset,230200\r\n\"CASH  \",\"Cash, Operating\",100000\r\n"
               "ACCPAY,Accrued Payroll,230200\r\n");
  Run();

  EXPECT_EQ(Sheet("NuVision_123_Nov3026Accrual.xls"),
            (Table{kTitles,
                       {"T:GENERAL", "T:PAYROLL", "T:10000", "T:G/L ACCOUNT", "N:611100", "T:Accrued Wages", kDate,
                        kDate, "T:UP113026PRACCR", "N:43001.15", "N:1114", "T:NEW", "T:SR1", ""},
                       {"T:GENERAL", "T:PAYROLL", "T:20000", "T:G/L ACCOUNT", "N:230200", "T:Wages Offset", kDate,
                        kDate, "T:UP113026PRACCR", "N:43001.15", "N:1114", "T:NEW", "T:SR1", ""},
                       {"T:GENERAL", "T:PAYROLL", "T:30000", "T:Bank Account", "N:100000", "T:Cash, Operating",
                        kDate, kDate, "T:UP113026PRACCR", "N:-100", "T:0000", "T:000", "T:000", ""},
                       {"T:GENERAL", "T:PAYROLL", "T:40000", "T:G/L ACCOUNT", "N:230200", "T:Accrued Payroll", kDate,
                        kDate, "T:UP113026PRACCR", "N:-500", "T:0000", "T:XXX", "T:XXX", ""}}));
  EXPECT_EQ(Audit(), "");
}

TEST_F(NuVisionTest, ALaterRunHoldsOnlyItsOwnLines) {
  const std::string map = "REGEAR,Regular Earnings\r\nREGEAR,Accrued Wages,611100\r\n";
  PrepareLines({"BK1000REGEAR,0,1.00,.00", "611100REGEAR,0,2.00,.00", "611200REGEAR,0,3.00,.00"}, false, map);
  Run();
  PrepareLines({"611300REGEAR,0,4.00,.00"}, false, map);
  Run();
  const Table sheet = Sheet("NuVision_123_Nov3026.xls");
  ASSERT_EQ(sheet.size(), 2u);
  EXPECT_EQ(sheet[1][2], "T:10000");
  EXPECT_EQ(sheet[1][4], "N:611300");
  EXPECT_EQ(Audit(), "GL Code: 611300REGEAR, Date: 20261130\r\nDebits: 4.00, Credits: .00\r\n\r\n");

  // An empty export: the titles alone.
  PrepareLines({}, false, map);
  Run();
  EXPECT_EQ(Sheet("NuVision_123_Nov3026.xls"), Table{kTitles});
  EXPECT_EQ(LastTitle(), kInBalance);
}

TEST_F(NuVisionTest, ARunWithoutItsMappingFileEndsBeforeAnythingIsCreated) {
  struct Case {
    const char* what;
    bool cancel;
    std::string reply;
    std::vector<std::string> boxesAfterPrompt;
  } cases[] = {
      {"cancelled", true, "", {}},
      {"empty", false, "  ", {}},
      {"missing", false, "c:\\gl\\none.csv",
       {"QvLedgerloom | GL Mapping cross-reference File not found.\rFile: c:\\gl\\none.csv\rPlease make sure GL Map "
        "cross-reference file is in the same location as the Input file."}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.what);
    const std::size_t before = boxes.Shown().size();
    Prepare("NuVision", {}, "c:\\gl\\out");
    WriteBytes(c / "gl" / "gl.txt", "123,20261130,01,02,03,611100REGEAR,0,1.00,.00\r\n");
    if (k.cancel)
      boxes.QueueCancel();
    else
      boxes.QueueReply(k.reply);
    Run();
    const std::vector<std::string> shown = Shown();
    ASSERT_GT(shown.size(), before);
    EXPECT_EQ(std::vector<std::string>(shown.begin() + static_cast<long>(before) + 1, shown.end()),
              k.boxesAfterPrompt);
    EXPECT_FALSE(window->run.Ready);
    EXPECT_FALSE(std::filesystem::exists(c / "gl" / "out"));
  }
}

}  // namespace
}  // namespace qvl::test
