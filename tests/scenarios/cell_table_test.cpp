#include "scenario/cell_table.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "platform/paths/paths.h"
#include "platform/workbook/workbook.h"
#include "scenario/runner.h"
#include "support/tempdir.h"

namespace qvl::scenario {
namespace {

namespace fs = std::filesystem;

// Every kind of cell a journal workbook holds, on two sheets.
void SaveBook(const fs::path& folder) {
  fs::create_directories(folder);
  paths::UnmapAll();
  paths::MapDrive('z', folder);
  auto app = workbook::Application::Create();
  auto book = app.Workbooks().Add();
  auto journal = book.Worksheets(1);
  journal.Name("Journal");
  journal.Cells(1, 1).Value("ACCT");
  journal.Cells(1, 2).Value("11/30/2026");
  journal.Cells(2, 1).Value("'0100 ");
  journal.Cells(2, 2).Value(-819.73);
  journal.Range("B2").NumberFormat("0.00_);(0.00)");
  journal.Cells(3, 2).Value("=SUM(B2:B2)");
  journal.Range("A4").NumberFormat("@");  // a format without a value is no cell of the table
  book.Worksheets(2).Cells(1, 3).Value("a\tb");
  book.SaveAs("z:\\book.xls");
  app.Quit();
  paths::UnmapAll();
}

constexpr const char* kTable =
    "Journal\tA1\ttext\tGeneral\tACCT\n"
    "Journal\tB1\tdate\tm/d/yyyy\t11/30/2026\n"
    "Journal\tA2\ttext\tGeneral\t0100 \n"
    "Journal\tB2\tnumber\t0.00_);(0.00)\t-819.73\n"
    "Journal\tB3\tformula\tGeneral\t=SUM(B2:B2)\n"
    "Sheet2\tC1\ttext\tGeneral\ta\\tb\n";

class CellTableTest : public ::testing::Test {
 protected:
  void SetUp() override { SaveBook(dir.path()); }

  bool Compare(const std::string& table, std::string& report) {
    test::WriteBytes(dir / "book.xls.cells", table);
    std::ostringstream out;
    const bool same = SameCells(dir / "book.xls.cells", dir / "book.xls", "c/book.xls", out);
    report = out.str();
    return same;
  }

  test::TempDir dir;
};

TEST_F(CellTableTest, ATableOfEveryCellMatchesInAnyOrder) {
  std::string report;
  EXPECT_TRUE(Compare(kTable, report)) << report;
  EXPECT_EQ(report, "");
  // Lines in another order, CR LF line ends and empty lines change nothing.
  EXPECT_TRUE(Compare("Sheet2\tC1\ttext\tGeneral\ta\\tb\r\n\r\n"
                      "Journal\tB3\tformula\tGeneral\t=SUM(B2:B2)\n"
                      "Journal\tB2\tnumber\t0.00_);(0.00)\t-819.73\n"
                      "Journal\tA2\ttext\tGeneral\t0100 \n"
                      "Journal\tB1\tdate\tm/d/yyyy\t11/30/2026\n"
                      "Journal\tA1\ttext\tGeneral\tACCT\n",
                      report))
      << report;
}

TEST_F(CellTableTest, EachCellThatDiffersIsMissingOrIsNotExpectedIsReported) {
  std::string report;
  EXPECT_FALSE(Compare("Journal\tA1\ttext\tGeneral\tACCT\n"
                       "Journal\tB1\tdate\tm/d/yyyy\t11/30/2026\n"
                       "Journal\tA2\ttext\tGeneral\t0100\n"                // the blank dropped
                       "Journal\tB2\ttext\t0.00_);(0.00)\t-819.73\n"       // a number, not a text
                       "Journal\tB3\tformula\tGeneral\t=SUM(B2:B2)\n"
                       "Journal\tC3\tnumber\tGeneral\t5\n",                // no such cell
                       report));
  EXPECT_EQ(report,
            "DIFFERS c/book.xls Journal!A2\n"
            "  expected: text General \"0100\"\n"
            "  actual:   text General \"0100 \"\n"
            "DIFFERS c/book.xls Journal!B2\n"
            "  expected: text 0.00_);(0.00) \"-819.73\"\n"
            "  actual:   number 0.00_);(0.00) \"-819.73\"\n"
            "EXTRA CELL c/book.xls Sheet2!C1: text General \"a\\tb\"\n"
            "MISSING CELL c/book.xls Journal!C3: number General \"5\"\n");
}

TEST_F(CellTableTest, ANumberFormatOrALastDigitThatDiffersIsReported) {
  std::string report;
  std::string table = kTable;
  table.replace(table.find("0.00_);(0.00)\t-819.73"), 21, "0.00\t-819.7300000000001");
  EXPECT_FALSE(Compare(table, report));
  EXPECT_EQ(report,
            "DIFFERS c/book.xls Journal!B2\n"
            "  expected: number 0.00 \"-819.7300000000001\"\n"
            "  actual:   number 0.00_);(0.00) \"-819.73\"\n");
}

TEST_F(CellTableTest, ARoundNumberIsWrittenInPlainDigits) {
  // An account such as 2000-0000-00 without its dashes.
  paths::MapDrive('z', dir.path());
  auto app = workbook::Application::Create();
  auto book = app.Workbooks().Add();
  book.Worksheets(1).Cells(1, 1).Value("2000000000");
  book.Worksheets(1).Cells(1, 2).Value(0.00001);
  book.SaveAs("z:\\round.xls");
  app.Quit();
  paths::UnmapAll();
  test::WriteBytes(dir / "round.xls.cells",
                   "Sheet1\tA1\tnumber\tGeneral\t2000000000\nSheet1\tB1\tnumber\tGeneral\t0.00001\n");
  std::ostringstream report;
  EXPECT_TRUE(SameCells(dir / "round.xls.cells", dir / "round.xls", "c/round.xls", report)) << report.str();
}

TEST_F(CellTableTest, AMissingOrUnreadableWorkbookFails) {
  std::string report;
  fs::remove(dir / "book.xls");
  EXPECT_FALSE(Compare(kTable, report));
  EXPECT_EQ(report, "MISSING c/book.xls\n");

  test::WriteBytes(dir / "book.xls", "ACCT,11/30/2026\r\n");
  EXPECT_FALSE(Compare(kTable, report));
  EXPECT_EQ(report.rfind("UNREADABLE c/book.xls: Cannot open \"c/book.xls\"", 0), 0u) << report;
}

TEST_F(CellTableTest, ALineThatIsNotACellOfTheFormOrNamesACellTwiceFails) {
  std::string report;
  EXPECT_FALSE(Compare(std::string(kTable) + "Journal\tB1\tdate\tm/d/yyyy\t11/30/2026\n", report));
  EXPECT_EQ(report, "BAD LINE c/book.xls.cells line 7: Journal!B1 is listed before\n");
  for (const char* bad : {"Journal A1 text General ACCT\n", "Journal\ta1\ttext\tGeneral\tACCT\n",
                          "Journal\t$A$1\ttext\tGeneral\tACCT\n", "Journal\tA1\tstring\tGeneral\tACCT\n",
                          "\tA1\ttext\tGeneral\tACCT\n"}) {
    EXPECT_FALSE(Compare(bad, report)) << bad;
    EXPECT_EQ(report.rfind("BAD LINE c/book.xls.cells line 1: ", 0), 0u) << bad << report;
  }
}

// kTable without its last line: the workbook holds a cell the table lacks.
std::string WithoutSheet2() {
  std::string table = kTable;
  table.erase(table.find("Sheet2\t"));
  return table;
}

TEST_F(CellTableTest, ACellTheTableDoesNotListFailsOnItsOwn) {
  std::string report;
  EXPECT_FALSE(Compare(WithoutSheet2(), report));
  EXPECT_EQ(report, "EXTRA CELL c/book.xls Sheet2!C1: text General \"a\\tb\"\n");
}

TEST(ScenarioRunner, AnExpectedCellTableIsComparedWithTheWorkbookBesideTheOtherFiles) {
  struct Row {
    const char* what;
    std::string table;
    int exit;
    std::string finding;
  };
  const Row rows[] = {
      {"every cell", kTable, 0, ""},
      {"a cell the workbook lacks", std::string(kTable) + "Sheet3\tA1\tnumber\tGeneral\t1\n", 1,
       "MISSING CELL book.xls Sheet3!A1: number General \"1\"\n"},
      {"a cell the table lacks", WithoutSheet2(), 1, "EXTRA CELL book.xls Sheet2!C1: text General \"a\\tb\"\n"},
  };
  test::TempDir dir;
  SaveBook(dir / "sc");
  std::filesystem::create_directories(dir / "sc" / "expected");
  test::WriteBytes(dir / "sc" / "scenario.txt", "today 2026-12-06\n");
  int run = 0;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    test::WriteBytes(dir / "sc" / "expected" / "book.xls.cells", row.table);
    std::ostringstream report;
    EXPECT_EQ(RunScenario(dir / "sc", dir / ("work" + std::to_string(++run)), report), row.exit) << report.str();
    EXPECT_NE(report.str().find(row.finding), std::string::npos) << report.str();
  }
}

}  // namespace
}  // namespace qvl::scenario
