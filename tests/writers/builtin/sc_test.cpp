// "SC": the saved workbook read back cell by cell, a later run in one
// session, and a save that fails.
#include "writers/builtin/sc.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/run_fixture.h"
#include "platform/vb/error.h"
#include "platform/workbook/workbook.h"
#include "writers/workbook_cells.h"

namespace qvl::test {
namespace {

const std::vector<std::string> kTitles = {"T:GL Acct",   "T:Project",   "T:Task",  "T:Sub Acct", "T:Ref Nbr",
                                          "T:Tran Date", "T:Blank",     "T:Debit", "T:Credit",   "T:Tran Desc"};
// 11/30/2026 in the workbook's date system.
constexpr const char* kDate = "D:46356";
constexpr const char* kDesc = "T:Nov 2026 Payroll Entry";

class SCTest : public WritersRunTest {
 protected:
  static workbook::Worksheet Saved() { return workbook::GetObject("c:\\gl\\SC_123_Nov3026.xls").Worksheets(1); }
};

TEST_F(SCTest, EachRecordIsARowBelowTheTitles) {
  Prepare("SC", {Record("10004", "34170.49", ".00"), Record("  11800 15", "180.5", ".00"),
                 Record("2100000", "", "34350.99"), Record("ABCDEF", "abc", "1"), Record("1 2 3 4", "1.00", ".00"),
                 Record("01000", "2.00", ".00"), Record("'1234", "3.00", ".00")});
  Run();

  const workbook::Worksheet sheet = Saved();
  EXPECT_EQ(sheet.Name(), "Journal Entry");
  EXPECT_EQ(SheetCells(sheet),
            (Table{kTitles,
                       {"N:10004", "", "", "T:010", "T:PR112026", kDate, "", "N:34170.49", "N:0", kDesc},
                       {"N:11800", "T:000115", "T:00", "T:010", "T:PR112026", kDate, "", "N:180.5", "N:0", kDesc},
                       {"N:21000", "T:000100", "T:00", "T:010", "T:PR112026", kDate, "", "N:0", "N:34350.99", kDesc},
                       {"T:ABCDE", "T:0001EF", "T:00", "T:010", "T:PR112026", kDate, "", "N:0", "N:1", kDesc},
                       {"T:1 2 3", "", "", "T:010", "T:PR112026", kDate, "", "N:1", "N:0", kDesc},
                       // An account's leading zero and apostrophe are its own.
                       {"T:01000", "", "", "T:010", "T:PR112026", kDate, "", "N:2", "N:0", kDesc},
                       {"T:'1234", "", "", "T:010", "T:PR112026", kDate, "", "N:3", "N:0", kDesc}}));
  for (const char* cell : {"A1", "J1"}) {
    SCOPED_TRACE(cell);
    EXPECT_TRUE(sheet.Range(cell).Font().Bold());
    EXPECT_TRUE(sheet.Range(cell).Font().Underline());
    EXPECT_EQ(sheet.Range(cell).HorizontalAlignment(), workbook::xlCenter);
  }
  EXPECT_FALSE(sheet.Range("A2").Font().Bold());
  // Nothing goes to the text journal or the audit trail, nothing counts.
  EXPECT_EQ(Journal(), "");
  EXPECT_EQ(Audit(), "");
  EXPECT_EQ(Shown().back().rfind(std::string(kInBalance) + " | Journal Entry:  c:\\gl\\SC_123_Nov3026.xls\r", 0), 0u);
}

TEST_F(SCTest, ALaterRunStartsBelowTheTitlesAgain) {
  Prepare("SC", {Record("10004", "1.00", ".00"), Record("10005", "2.00", ".00")});
  Run();
  Prepare("SC", {Record("20004", "3.00", ".00")});
  Run();
  EXPECT_EQ(SheetCells(Saved()),
            (Table{kTitles, {"N:20004", "", "", "T:010", "T:PR112026", kDate, "", "N:3", "N:0", kDesc}}));

  Prepare("SC", {});
  Run();
  EXPECT_EQ(SheetCells(Saved()), Table{kTitles});
  EXPECT_EQ(LastTitle(), kInBalance);
}

TEST_F(SCTest, AFailedSaveIsReportedAndNeverAsReadyForPosting) {
  Prepare("SC", {Record("10004", "1.00", ".00")});
  std::filesystem::create_directory(c / "gl" / "SC_123_Nov3026.xls");
  Run();
  EXPECT_FALSE(window->run.Ready);
  EXPECT_EQ(LastTitle(), "QvLedgerloom - SC");
  EXPECT_NE(Shown().back().find("c:\\gl\\SC_123_Nov3026.xls"), std::string::npos) << Shown().back();

  // An offsetting record once the workbook is gone is refused, not lost.
  EXPECT_THROW(SC(*window), vb::Error);
}

}  // namespace
}  // namespace qvl::test
