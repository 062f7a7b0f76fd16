// "AIMsi", "Epicor" and "LASR": each saved workbook read back cell by cell
// (through our reader, and once through xlrd, which shares no code with
// it), the edges of each package's own field rules, a second run in one
// session, and the runs that must not claim success.
#include "writers/builtin/workbook_journals.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "engine/run_fixture.h"
#include "platform/workbook/workbook.h"
#include "writers/workbook_cells.h"

namespace qvl::test {
namespace {

using Row = std::vector<std::string>;

std::string NumberFormat(const std::string& windowsPath, int row, int column) {
  return workbook::GetObject(windowsPath).Worksheets(1).Cells(row, column).NumberFormat();
}

// One comma line of the export: company 123, the date, levels 01 02 03.
std::string Line(const std::string& account, const std::string& debits, const std::string& credits,
                 const std::string& date = "20261130") {
  return "123," + date + ",01,02,03," + account + ",1.00," + debits + "," + credits + "\r\n";
}

class WorkbookJournalsTest : public WritersRunTest {
 protected:
  std::filesystem::path Host(const std::string& name) const { return c / "gl" / name; }
  void Write(const std::string& name, const std::string& bytes) const { WriteBytes(Host(name), bytes); }
  // The result message of the last run names the workbook as ready.
  void ExpectReadyFor(const std::string& workbook) const {
    ASSERT_FALSE(boxes.Shown().empty());
    EXPECT_EQ(boxes.Shown().back().title, kInBalance);
    EXPECT_NE(boxes.Shown().back().prompt.find("Journal Entry:  c:\\gl\\" + workbook + "\r"), std::string::npos);
  }
  // Epicor's two prompts, answered with files beside the input.
  void QueueXref(const std::string& descriptions, const std::string& companies) {
    boxes.QueueReply("c:\\gl\\" + descriptions);
    boxes.QueueReply("c:\\gl\\" + companies);
  }
};

constexpr const char* kAIMsiBook = "c:\\gl\\AIMsi_123_Nov3026.xls";
constexpr const char* kEpicorBook = "c:\\gl\\Epicor_123_Nov3026.xls";
constexpr const char* kLASRBook = "c:\\gl\\LASR_123_Nov3026.xls";
const Row kAIMsiTitles = {"", "", "T:GL Code", "T:Location", "T:Tax", "T:Journal", "T:Dept Code", "T:Ref #",
                          "T:cacctdesc", "T:DR", "T:CR"};

// A value of the export as its cell holds it, in a cell of the General
// format and in one formatted "@": what typing keeps becomes a number, and
// nothing of the value is lost or added, its apostrophes included.
TEST(TypedFromData, ACellHoldsTheValueAsTypingKeepsItOrElseAsText) {
  struct Case {
    std::string value;
    std::string general;  // the cell of the General format
    std::string text;     // the cell formatted "@"
  };
  const std::vector<Case> cases = {
      {"1006", "N:1006", "T:1006"},
      {"0", "N:0", "T:0"},
      {"0012", "T:0012", "T:0012"},
      {"12.5", "N:12.5", "T:12.5"},
      {"0.5", "N:0.5", "T:0.5"},
      {"6050-10", "T:6050-10", "T:6050-10"},
      {"=1+1", "T:=1+1", "T:=1+1"},
      // A leading apostrophe is the value's own, never typing's.
      {"'abc", "T:'abc", "T:'abc"},
      {"''abc", "T:''abc", "T:''abc"},
      {"'", "T:'", "T:'"},
      {"'0012", "T:'0012", "T:'0012"},
      {"'1006", "T:'1006", "T:'1006"},
      {"ab'c", "T:ab'c", "T:ab'c"},
      // Fifteen significant digits are what a number cell keeps; a value
      // with more would come back with zeros for its last digits.
      {"123456789012345", "N:123456789012345", "T:123456789012345"},
      {"1234567890123456", "T:1234567890123456", "T:1234567890123456"},
      {"123456789012345678", "T:123456789012345678", "T:123456789012345678"},
      {"123456789012345678901234", "T:123456789012345678901234", "T:123456789012345678901234"},
      {"-1234567890123456", "T:-1234567890123456", "T:-1234567890123456"},
      {"1234567890123.456", "T:1234567890123.456", "T:1234567890123.456"},
      {"100000000000000000", "N:1e+17", "T:100000000000000000"},  // no digit lost
      {"1234567890123450000", "N:1.23456789012345e+18", "T:1234567890123450000"},
  };
  workbook::Application app = workbook::Application::Create();
  const workbook::Worksheet sheet = app.Workbooks().Add().Worksheets(1);
  int row = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    ++row;
    sheet.Cells(row, 1).Value(TypedFromData(c.value));
    sheet.Cells(row, 2).NumberFormat("@");
    sheet.Cells(row, 2).Value(TypedFromData(c.value));
    EXPECT_EQ(Describe(sheet.Cells(row, 1).Value()), c.general);
    EXPECT_EQ(Describe(sheet.Cells(row, 2).Value()), c.text);
  }
  app.Quit();
}

// --- AIMsi ---

TEST_F(WorkbookJournalsTest, AIMsiSplitsTheAccountAroundItsFirstPoint) {
  struct Case {
    std::string account;
    Row cells;  // GL Code, Location, Dept Code
  };
  const std::vector<Case> cases = {
      {"1010.5", {"N:1010.5", "N:5", "N:0"}},
      {"1010", {"N:1010", "N:1", ""}},          // no point: its first character, no department
      {".75", {"N:0.75", "N:7", ""}},           // nothing before the point
      {"123456789.", {"N:123456", "", "N:9"}},  // the point ends the 10 characters: no location
      {"1234567890.5", {"N:123456", "N:1", ""}},   // the point lies beyond the 10 characters kept
      {"1010.", {"N:1010", "", "N:0"}},            // after the point only padding
      {"0042.5", {"T:0042.5", "N:5", "N:2"}},      // a code keeps its leading zeros
      {"0.5", {"N:0.5", "N:5", "N:0"}},            // a zero before the point leads nothing
      {"=1+1.2", {"T:=1+1.2", "N:2", "N:1"}},      // data never becomes a formula
      {"700-11.29", {"T:700-11", "N:2", "N:1"}},
      {"A.B", {"T:A.B   ", "T:B", "T:A"}},
  };
  std::vector<std::string> lines;
  for (const Case& c : cases) lines.push_back(Line(c.account, "1.00", ".00"));
  Prepare("AIMsi", lines);
  Run();

  const Table cells = SheetCells(kAIMsiBook);
  ASSERT_EQ(cells.size(), cases.size() + 1);
  for (std::size_t i = 0; i < cases.size(); ++i) {
    SCOPED_TRACE(cases[i].account);
    EXPECT_EQ((Row{cells[i + 1][2], cells[i + 1][3], cells[i + 1][6]}), cases[i].cells);
  }
  ExpectReadyFor("AIMsi_123_Nov3026.xls");
}

TEST_F(WorkbookJournalsTest, AIMsiWritesOnlyAmountsAboveZeroAndItsAuditTakesTheValuesAsTheLineHasThem) {
  struct Case {
    std::string debits, credits;
    std::string dr, cr;  // the amount cells
    std::string audit;   // the amounts' audit line
  };
  const std::vector<Case> cases = {
      {"1000.00", ".00", "N:1000", "", "Debits: 1000, Credits: 0"},
      {".00", "2000.50", "", "N:2000.5", "Debits: 0, Credits: 2000.5"},
      {"3000.00", "4000.00", "N:3000", "N:4000", "Debits: 3000, Credits: 4000"},
      {".00", ".00", "", "", "Debits: 0, Credits: 0"},
      {"-5.00", "-6.00", "", "", "Debits: -5, Credits: -6"},
      {"abc", "xyz", "", "", "Debits: abc, Credits: 0"},
      {"", "", "", "", "Debits: , Credits: 0"},
  };
  std::vector<std::string> lines;
  for (const Case& c : cases) lines.push_back(Line("5000", c.debits, c.credits, "20250529"));
  Prepare("AIMsi", lines);
  Run();

  const Table cells = SheetCells(kAIMsiBook);
  ASSERT_EQ(cells.size(), cases.size() + 1);
  EXPECT_EQ(cells[0], kAIMsiTitles);
  std::string audit;
  for (std::size_t i = 0; i < cases.size(); ++i) {
    SCOPED_TRACE(cases[i].debits + " / " + cases[i].credits);
    const Row& row = cells[i + 1];
    EXPECT_EQ((Row{row[4], row[5], row[7], row[8]}), (Row{"N:1", "T:PR", "T:PR 05-29", ""}));
    EXPECT_EQ(row[9], cases[i].dr);
    EXPECT_EQ(row[10], cases[i].cr);
    audit += "Account Number: 5000      , Date: 20250529\r\n" + cases[i].audit + "\r\n\r\n";
  }
  EXPECT_EQ(NumberFormat(kAIMsiBook, 2, 10), "$#,##0.00");
  EXPECT_EQ(NumberFormat(kAIMsiBook, 3, 11), "$#,##0.00");
  EXPECT_EQ(Audit(), audit);
  EXPECT_FALSE(std::filesystem::exists(Host("123113026.txt")));
}

// --- Epicor ---

TEST_F(WorkbookJournalsTest, EpicorLooksUpBothTextsAndLeavesThemEmptyWithoutAMatch) {
  // Long tables, the matches far down: every line of a file counts.
  std::string descriptions, companies;
  for (int i = 0; i < 200; ++i) {
    descriptions += std::to_string(10000 + i) + ",Text " + std::to_string(i) + "\r\n";
    companies += std::to_string(1000 + i) + "," + std::to_string(i) + "\r\n";
  }
  descriptions += "60120,AUTO REIMBURSMENT\r\n60120,a later duplicate\r\n";
  companies += "\"2243\",\"031\"\r\n8888,0.5\r\n";
  Write("d.txt", descriptions);
  Write("co.txt", companies);
  Prepare("Epicor", {Line("60120224311000000", "138.48", ".00"), Line("10150117900000000", ".00", "25.00", "20260115"),
                     Line("99999888800000000", "5.00", "", "20261331"), Line("60120224311000000", ".00", ".00"),
                     Line("1015", "1.00", "1.00")});
  QueueXref("d.txt", "co.txt");
  Run();

  EXPECT_EQ(SheetCells(kEpicorBook),
            (Table{{"T:60120224311000000", "N:138.48", "N:0", "", "T:November Payroll", "T:AUTO REIMBURSMENT", "T:031"},
                   {"T:10150117900000000", "N:0", "N:-25", "", "T:January Payroll", "T:Text 150", "N:179"},
                   {"T:99999888800000000", "N:5", "N:0", "", "", "", "N:0.5"},
                   {"T:1015", "N:1", "N:-1", "", "T:November Payroll", "", ""}}));
  EXPECT_EQ(NumberFormat(kEpicorBook, 4, 1), "@");
  EXPECT_EQ(SplitLines(Audit())[9], "60120224311000000\t0.00");
  ExpectReadyFor("Epicor_123_Nov3026.xls");
}

TEST_F(WorkbookJournalsTest, EpicorRefusesAMissingCrossReferenceFileBeforeAnythingIsCreated) {
  struct Case {
    std::string name;
    bool cancelFirst;
    std::string companies;  // the second reply
    std::string message;
  };
  Write("d.txt", "60120,AUTO\r\n");
  std::filesystem::create_directory(Host("folder.txt"));
  const std::vector<Case> cases = {
      {"cancelled", true, "", "Description Reference File not found.\r\nFile: \r\n"},
      {"a folder", false, "c:\\gl\\folder.txt",
       "Company Number Reference File not found.\r\nFile: c:\\gl\\folder.txt\r\n"},
      {"missing", false, "c:\\gl\\none.txt", "Company Number Reference File not found.\r\nFile: c:\\gl\\none.txt\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::size_t before = boxes.Shown().size();
    Prepare("Epicor", {Line("60120224311000000", "1.00", ".00")});
    if (c.cancelFirst) {
      boxes.QueueCancel();
    } else {
      boxes.QueueReply("c:\\gl\\d.txt");
      boxes.QueueReply(c.companies);
    }
    Run();
    ASSERT_FALSE(boxes.Shown().empty());
    EXPECT_EQ(boxes.Shown().back().title, "QvLedgerloom");
    EXPECT_EQ(boxes.Shown().back().prompt.rfind(c.message, 0), 0u) << boxes.Shown().back().prompt;
    EXPECT_EQ(boxes.Shown().size(), before + (c.cancelFirst ? 2u : 3u));
    EXPECT_FALSE(window->run.Ready);
    EXPECT_FALSE(std::filesystem::exists(Host("Audit_trail.txt")));
    EXPECT_FALSE(std::filesystem::exists(Host("Epicor_123_Nov3026.xls")));
  }
}

// --- LASR ---

TEST_F(WorkbookJournalsTest, LASRWritesAccountAndNetAmountUnderItsHeading) {
  Prepare("LASR", {Line("000 000 2050 00", ".00", "819.73"), Line("7000", ".00", ".00"),
                   Line("6100-300-ABCDEFGH", "100.00", "40.00"), Line("6200", "abc", "60.00"),
                   Line("0100", "12.5", "zz"), Line("0.5", "2.00", ".00"), Line("=SUM(A1)", "1.00", "")});
  Run();

  EXPECT_EQ(SheetCells(kLASRBook), (Table{{"T:ACCT", "D:46356"},
                                          {"T:000 000 2050 0", "N:-819.73"},
                                          {"T:6100-300-ABCDE", "N:60"},
                                          {"N:6200", "N:-60"},
                                          {"T:0100          ", "N:12.5"},
                                          {"N:0.5", "N:2"},
                                          {"T:=SUM(A1)      ", "N:1"}}));
  EXPECT_EQ(NumberFormat(kLASRBook, 2, 2), "0.00_);(0.00)");
  EXPECT_EQ(NumberFormat(kLASRBook, 7, 2), "0.00_);(0.00)");
  EXPECT_EQ(NumberFormat(kLASRBook, 8, 2), "General");
  EXPECT_EQ(workbook::GetObject(kLASRBook).Worksheets(1).Range("B2").Text(), "(819.73)");
  EXPECT_EQ(Audit(),
            "000 000 2050 0\t-819.73\r\n7000          \t0.00\r\n6100-300-ABCDE\t60\r\n6200          \t-60\r\n"
            "0100          \t12.5\r\n0.5           \t2\r\n=SUM(A1)      \t1\r\n");
  ExpectReadyFor("LASR_123_Nov3026.xls");
}

TEST_F(WorkbookJournalsTest, LASRWithEveryLineZeroLeavesTheHeadingAsItIs) {
  Prepare("LASR", {Line("7000", ".00", ".00"), Line("7100", "", "")});
  Run();
  EXPECT_EQ(SheetCells(kLASRBook), (Table{{"T:ACCT", "D:46356"}}));
  EXPECT_EQ(workbook::GetObject(kLASRBook).Worksheets(1).Range("B1").Text(), "11/30/2026");
  EXPECT_EQ(Audit(), "7000          \t0.00\r\n7100          \t0.00\r\n");
}

// --- All three ---

struct Package {
  std::string text;
  std::string workbook;  // its file in c:\gl
};
const std::vector<Package> kPackages = {
    {"AIMsi", "AIMsi_123_Nov3026.xls"}, {"Epicor", "Epicor_123_Nov3026.xls"}, {"LASR", "LASR_123_Nov3026.xls"}};

TEST_F(WorkbookJournalsTest, ASecondRunWritesOnlyItsOwnLines) {
  Write("d1.txt", "50001,First\r\n");
  Write("c1.txt", "0001,1\r\n");
  Write("d2.txt", "60001,Second\r\n");
  Write("c2.txt", "0002,2\r\n");
  const std::string first = Line("5000100010000", "10.00", ".00") + Line("9000", ".00", "10.00");
  const std::string second = Line("50001000200", ".00", "7.00");
  for (const Package& p : kPackages) {
    SCOPED_TRACE(p.text);
    Prepare(p.text, {first});
    if (p.text == "Epicor") QueueXref("d1.txt", "c1.txt");
    Run();
    Prepare(p.text, {second});
    if (p.text == "Epicor") QueueXref("d2.txt", "c2.txt");
    Run();
    ExpectReadyFor(p.workbook);
    const Table cells = SheetCells("c:\\gl\\" + p.workbook);
    if (p.text == "AIMsi") {
      EXPECT_EQ(cells, (Table{kAIMsiTitles, {"", "", "N:500010", "N:5", "N:1", "T:PR", "", "T:PR 11-30", "", "",
                                             "N:7"}}));
      EXPECT_EQ(Audit(), "Account Number: 5000100020, Date: 20261130\r\nDebits: 0, Credits: 7\r\n\r\n");
    } else if (p.text == "Epicor") {
      // The first run's tables are gone: the description is not found.
      EXPECT_EQ(cells, (Table{{"T:50001000200", "N:0", "N:-7", "", "T:November Payroll", "", "N:2"}}));
      EXPECT_EQ(Audit(), "GL Code: 50001000200, Date: November Payroll\r\nDebits: .00, Credits: 7.00\r\n\r\n");
    } else {
      EXPECT_EQ(cells, (Table{{"T:ACCT", "D:46356"}, {"N:50001000200", "N:-7"}}));
      EXPECT_EQ(Audit(), "50001000200   \t-7\r\n");
    }
  }
}

TEST_F(WorkbookJournalsTest, AnExportWithoutALineStillSavesTheWorkbookAndIsInBalance) {
  struct Case {
    std::string package;
    std::string input;
    Table cells;
  };
  Write("d.txt", "");
  Write("co.txt", "");
  const std::vector<Case> cases = {
      {"AIMsi", "", {kAIMsiTitles}},
      {"AIMsi", "\r\n\r\n", {kAIMsiTitles}},
      {"Epicor", "", {}},
      {"Epicor", "\r\n", {}},
      {"LASR", "", {{"T:ACCT", "D:46356"}}},
      {"LASR", "\r\n", {{"T:ACCT", "D:46356"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.package + (c.input.empty() ? " empty" : " blank lines"));
    const std::size_t before = boxes.Shown().size();
    Prepare(c.package, {c.input});
    const bool epicor = c.package == "Epicor";
    if (epicor) QueueXref("d.txt", "co.txt");
    Run();
    // The package's own prompts, then the result alone: no message of its own.
    ASSERT_EQ(boxes.Shown().size(), before + (epicor ? 3u : 1u));
    ExpectReadyFor(c.package + "_123_Nov3026.xls");
    EXPECT_TRUE(window->run.Ready);
    EXPECT_EQ(Trimmed(SheetCells("c:\\gl\\" + c.package + "_123_Nov3026.xls")), c.cells);
    EXPECT_EQ(Audit(), "");
  }
}

TEST_F(WorkbookJournalsTest, AFailedSaveIsReportedAndNeverAsReadyForPosting) {
  Write("d.txt", "");
  Write("co.txt", "");
  for (const Package& p : kPackages) {
    SCOPED_TRACE(p.text);
    const std::size_t before = boxes.Shown().size();
    Prepare(p.text, {Line("5000", "10.00", ".00")});
    // A folder where the workbook should go: the save cannot replace it.
    std::filesystem::create_directory(Host(p.workbook));
    if (p.text == "Epicor") QueueXref("d.txt", "co.txt");
    Run();
    ASSERT_FALSE(boxes.Shown().empty());
    EXPECT_EQ(boxes.Shown().back().title, "QvLedgerloom - " + p.text);
    const std::string stopped =
        "The " + p.text + " Journal Entry was stopped by an error:\r\rc:\\gl\\" + p.workbook + "\r";
    EXPECT_EQ(boxes.Shown().back().prompt.rfind(stopped, 0), 0u) << boxes.Shown().back().prompt;
    for (std::size_t i = before; i < boxes.Shown().size(); ++i) EXPECT_NE(boxes.Shown()[i].title, kInBalance);
    EXPECT_FALSE(window->run.Ready);
    EXPECT_TRUE(std::filesystem::is_directory(Host(p.workbook)));
  }
}

TEST_F(WorkbookJournalsTest, AnIndependentReaderSeesTheSameCells) {
  Write("d.txt", "60120,AUTO REIMBURSMENT\r\n");
  Write("co.txt", "2243,31\r\n");
  const std::string input = Line("0042.5", "12.50", ".00") + Line("60120224311000000", ".00", "184.64") +
                            Line("6100", "3.00", "1.00");
  for (const Package& p : kPackages) {
    SCOPED_TRACE(p.text);
    Prepare(p.text, {input});
    if (p.text == "Epicor") QueueXref("d.txt", "co.txt");
    Run();
    const Table ours = SheetCells("c:\\gl\\" + p.workbook);
    const std::optional<Table> theirs = XlrdCells(Host(p.workbook));
    if (!theirs) GTEST_SKIP() << "python3-xlrd is not installed";
    EXPECT_EQ(*theirs, Trimmed(ours));
    EXPECT_GE(ours.size(), 3u);
  }
}

TEST_F(WorkbookJournalsTest, AnAccountBeginningWithAnApostropheKeepsItInItsCell) {
  Write("d.txt", "");
  Write("co.txt", "");
  for (const Package& p : kPackages) {
    SCOPED_TRACE(p.text);
    Prepare(p.text, {Line("'6012.5", "10.00", ".00")});
    if (p.text == "Epicor") QueueXref("d.txt", "co.txt");
    Run();
    const Table cells = SheetCells("c:\\gl\\" + p.workbook);
    if (p.text == "AIMsi") {
      ASSERT_EQ(cells.size(), 2u);
      EXPECT_EQ((Row{cells[1][2], cells[1][3], cells[1][6]}), (Row{"T:'6012.", "N:5", "N:2"}));
    } else if (p.text == "Epicor") {
      ASSERT_EQ(cells.size(), 1u);
      EXPECT_EQ(cells[0][0], "T:'6012.5");
    } else {
      ASSERT_EQ(cells.size(), 2u);
      EXPECT_EQ(cells[1][0], "T:'6012.5       ");
    }
  }
}

}  // namespace
}  // namespace qvl::test
