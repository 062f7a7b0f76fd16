// The object model as the journal writers drive it.
#include <gtest/gtest.h>

#include "platform/fixtures.h"
#include "platform/vb/currency.h"
#include "platform/vb/date.h"
#include "platform/workbook/workbook.h"

namespace qvl::workbook {
namespace {

using test::ErrorNumber;

class ObjectModel : public ::testing::Test {
 protected:
  Application app = Application::Create();
  Workbook book = app.Workbooks().Add();
  Worksheet sheet = book.Worksheets(1);
};

TEST_F(ObjectModel, NewApplicationAndWorkbook) {
  ASSERT_EQ(book.Worksheets().Count(), 3);
  EXPECT_EQ(book.Worksheets(1).Name(), "Sheet1");
  EXPECT_EQ(book.Worksheets(3).Name(), "Sheet3");
  EXPECT_EQ(book.Name(), "Book1");
  EXPECT_EQ(app.Workbooks().Add().Name(), "Book2");
  EXPECT_EQ(app.Workbooks().Count(), 2);
  // Each application is separate.
  EXPECT_EQ(Application::Create().Workbooks().Count(), 0);
}

TEST_F(ObjectModel, WorksheetsByIndexOrName) {
  EXPECT_EQ(book.Worksheets("sheet2"), book.Worksheets(2));
  EXPECT_EQ(ErrorNumber([&] { book.Worksheets(4); }), 9);
  EXPECT_EQ(ErrorNumber([&] { book.Worksheets(0); }), 9);
  EXPECT_EQ(ErrorNumber([&] { book.Worksheets("Journal_Details"); }), 9);
  book.Worksheets(2).Name("Journal_Details");
  EXPECT_EQ(book.Worksheets("JOURNAL_DETAILS").Index(), 2);
}

TEST_F(ObjectModel, SheetNamesFollowTheApplicationsRules) {
  sheet.Name("Journal Entry");
  EXPECT_EQ(sheet.Name(), "Journal Entry");
  for (const char* bad : {"", "a/b", "a:b", "a?b", "a*b", "[x]", "a\\b", "'quoted'", "1234567890123456789012345678901X"}) {
    EXPECT_EQ(ErrorNumber([&] { sheet.Name(bad); }), kApplicationError) << bad;
  }
  EXPECT_EQ(ErrorNumber([&] { book.Worksheets(2).Name("JOURNAL entry"); }), kApplicationError);
  sheet.Name("JOURNAL ENTRY");  // its own name in other letters is fine
  EXPECT_EQ(sheet.Name(), "JOURNAL ENTRY");
}

TEST_F(ObjectModel, AddedSheetsAndActivation) {
  EXPECT_EQ(app.ActiveSheet(), sheet);
  book.Worksheets(2).Activate();
  EXPECT_EQ(book.ActiveSheet(), book.Worksheets(2));
  Worksheet added = book.Worksheets().Add();  // before the active sheet, and active
  EXPECT_EQ(added.Name(), "Sheet4");
  EXPECT_EQ(added.Index(), 2);
  EXPECT_EQ(app.ActiveSheet(), added);
  Worksheet last = book.Worksheets().AddAfter(book.Worksheets(4));
  EXPECT_EQ(last.Index(), 5);
  EXPECT_EQ(last.Name(), "Sheet5");
  // The application's shortcuts work on the active sheet.
  app.Cells(2, 3).Value("x");
  EXPECT_EQ(last.Cells(2, 3).Value(), CellValue::Text("x"));
}

TEST_F(ObjectModel, ValuesAsTyped) {
  sheet.Cells(1, 1).Value("GL1");
  sheet.Cells(1, 2).Value("2009");
  sheet.Cells(1, 3).Value("10/08/2009");
  sheet.Cells(1, 4).Value("'00001");
  sheet.Cells(1, 5).Value(-363.86);
  sheet.Cells(1, 6).Value(vb::Currency::FromRaw(1000000));
  sheet.Cells(1, 7).Value(20);
  EXPECT_EQ(sheet.Cells(1, 1).Value(), CellValue::Text("GL1"));
  EXPECT_EQ(sheet.Cells(1, 2).Value(), CellValue::Number(2009));
  EXPECT_EQ(sheet.Cells(1, 3).Value(), CellValue::Date(40094));
  EXPECT_EQ(sheet.Cells(1, 3).Value2(), CellValue::Number(40094));
  EXPECT_EQ(sheet.Cells(1, 3).Value().ToText(), "10/8/2009");
  EXPECT_EQ(sheet.Cells(1, 3).NumberFormat(), "m/d/yyyy");
  EXPECT_EQ(sheet.Cells(1, 4).Value(), CellValue::Text("00001"));
  EXPECT_EQ(sheet.Cells(1, 5).Value().ToText(), "-363.86");
  EXPECT_EQ(sheet.Cells(1, 6).Value(), CellValue::Number(100));
  EXPECT_EQ(sheet.Cells(1, 7).Value(), CellValue::Number(20));
  sheet.Cells(2, 1).Value(*vb::Date::Make(2011, 10, 31));
  EXPECT_EQ(sheet.Cells(2, 1).Value(), CellValue::Date(40847));
  EXPECT_EQ(sheet.Cells(2, 1).Text(), "10/31/2011");
  sheet.Cells(2, 2).NumberFormat("@");
  sheet.Cells(2, 2).Value(*vb::Date::Make(2011, 10, 31));
  EXPECT_EQ(sheet.Cells(2, 2).Value(), CellValue::Text("10/31/2011"));
  // "" empties a cell.
  sheet.Cells(1, 1).Value("");
  EXPECT_TRUE(sheet.Cells(1, 1).Value().IsEmpty());
}

TEST_F(ObjectModel, TextFormatSetBeforeTypingKeepsLeadingZeros) {
  sheet.Columns(1).NumberFormat("@");
  sheet.Cells(5, 1).Value("60120224311000000");
  sheet.Cells(6, 1).Value("0042");
  sheet.Cells(7, 1).Value(10000);
  EXPECT_EQ(sheet.Cells(5, 1).Value(), CellValue::Text("60120224311000000"));
  EXPECT_EQ(sheet.Cells(6, 1).Value(), CellValue::Text("0042"));
  EXPECT_EQ(sheet.Cells(7, 1).Value(), CellValue::Text("10000"));
  // Formatting afterwards does not turn a number back into text.
  sheet.Cells(1, 2).Value("0042");
  sheet.Cells(1, 2).NumberFormat("@");
  EXPECT_EQ(sheet.Cells(1, 2).Value(), CellValue::Number(42));
}

TEST_F(ObjectModel, NumberFormatsAndShownText) {
  sheet.Range("B2:B1000").NumberFormat("0.00_);(0.00)");
  sheet.Cells(2, 2).Value("-819.73");
  sheet.Cells(3, 2).Value("25");
  EXPECT_EQ(sheet.Cells(2, 2).Text(), "(819.73)");
  EXPECT_EQ(sheet.Cells(3, 2).Text(), "25.00 ");
  EXPECT_EQ(sheet.Cells(1000, 2).NumberFormat(), "0.00_);(0.00)");
  EXPECT_EQ(sheet.Cells(1001, 2).NumberFormat(), "General");
  sheet.Cells(4, 10).NumberFormat("$#,##0.00");
  sheet.Cells(4, 10).Value(1000);
  EXPECT_EQ(sheet.Cells(4, 10).Text(), "$1,000.00");
  sheet.Cells(5, 10).Value("1,000.5");  // a typed grouping brings its own format
  EXPECT_EQ(sheet.Cells(5, 10).NumberFormat(), "#,##0.00");
}

TEST_F(ObjectModel, FontsAlignmentAndBorders) {
  sheet.Range("A1:J1").Font().Bold(true);
  sheet.Range("A1:J1").Font().Underline(true);
  sheet.Range("A1:J1").HorizontalAlignment(xlCenter);
  EXPECT_TRUE(sheet.Cells(1, 10).Font().Bold());
  EXPECT_TRUE(sheet.Cells(1, 5).Font().Underline());
  EXPECT_EQ(sheet.Cells(1, 1).HorizontalAlignment(), xlCenter);
  EXPECT_FALSE(sheet.Cells(1, 11).Font().Bold());
  EXPECT_FALSE(sheet.Cells(2, 1).Font().Bold());
  // Formats stay with the cell when a value comes later.
  sheet.Cells(1, 3).Value("Task");
  EXPECT_TRUE(sheet.Cells(1, 3).Font().Bold());

  sheet.Rows(5).Font().Bold(true);
  sheet.Cells(5, 200).Value("later");
  EXPECT_TRUE(sheet.Cells(5, 200).Font().Bold());
  sheet.Range("A5:D5").Borders(xlEdgeBottom).Weight(xlThick);
  EXPECT_EQ(sheet.Cells(5, 4).Borders(xlEdgeBottom).Weight(), xlThick);
  EXPECT_EQ(sheet.Cells(5, 5).Borders(xlEdgeBottom).LineStyle(), xlLineStyleNone);
  EXPECT_TRUE(sheet.Cells(5, 4).Font().Bold());  // the border kept the row's bold
}

TEST_F(ObjectModel, UsedRangeCountsRowsInUse) {
  EXPECT_EQ(sheet.UsedRange().Rows().Count(), 1);  // an empty sheet still reports A1
  for (int r = 1; r <= 12; ++r) sheet.Cells(r, 3).Value(r);
  EXPECT_EQ(sheet.UsedRange().Rows().Count(), 12);
  EXPECT_EQ(sheet.UsedRange().Address(), "$C$1:$C$12");
  sheet.Cells(20, 1).NumberFormat("0.00");  // a formatted cell is in use too
  EXPECT_EQ(sheet.UsedRange().Rows().Count(), 20);
}

TEST_F(ObjectModel, AutoFitFollowsTheShownText) {
  sheet.Cells(1, 1).Value("Reference Number");
  sheet.Cells(1, 2).Value("GL");
  sheet.Cells(2, 3).Value("1234567.891");
  sheet.Cells(2, 3).NumberFormat("$#,##0.00");
  sheet.Cells(1, 4).Value("Reference Number");
  sheet.Cells(1, 4).Font().Bold(true);
  double before = sheet.Columns(5).ColumnWidth();
  sheet.Columns().AutoFit();
  double a = sheet.Columns(1).ColumnWidth(), b = sheet.Columns(2).ColumnWidth(), c = sheet.Columns(3).ColumnWidth();
  EXPECT_GT(a, 14);
  EXPECT_LT(a, 20);
  EXPECT_LT(b, 4);
  EXPECT_GT(c, 12);  // "$1,234,567.89" rather than the bare number
  EXPECT_GT(sheet.Columns(4).ColumnWidth(), a);
  EXPECT_EQ(sheet.Columns(5).ColumnWidth(), before);  // nothing to show: unchanged
  EXPECT_NEAR(before, 8.43, 0.01);
  EXPECT_EQ(ErrorNumber([&] { sheet.Range("A1:B2").AutoFit(); }), kApplicationError);
  sheet.Range("A1:B2").Columns().AutoFit();
}

TEST_F(ObjectModel, AddressesAndLimits) {
  EXPECT_EQ(sheet.Range("B5").Address(), "$B$5");
  EXPECT_EQ(sheet.Range("D1000", "D5").Address(), "$D$5:$D$1000");
  EXPECT_EQ(sheet.Range("j1:a1").Address(), "$A$1:$J$1");
  EXPECT_EQ(sheet.Columns("B:D").Count(), 3);
  EXPECT_EQ(sheet.Range("A1:J1").Count(), 10);
  EXPECT_EQ(sheet.Cells(65536, 256).Address(), "$IV$65536");
  for (auto [r, c] : {std::pair{0, 1}, {1, 0}, {65537, 1}, {1, 257}}) {
    EXPECT_EQ(ErrorNumber([&] { sheet.Cells(r, c); }), kApplicationError);
  }
  for (const char* bad : {"", "A0", "IW1", "A1:", "A1,B2", "R1C1", "hello"}) {
    EXPECT_EQ(ErrorNumber([&] { sheet.Range(bad); }), kApplicationError) << bad;
  }
  EXPECT_EQ(ErrorNumber([&] { sheet.Cells(1, 1).Value(std::string(32768, 'x')); }), kApplicationError);
}

TEST_F(ObjectModel, NothingAndClosedObjects) {
  Application none;
  Worksheet noSheet;
  Range noRange;
  EXPECT_EQ(ErrorNumber([&] { none.Workbooks(); }), 91);
  EXPECT_EQ(ErrorNumber([&] { noSheet.Cells(1, 1); }), 91);
  EXPECT_EQ(ErrorNumber([&] { noRange.Value("x"); }), 91);
  book.Close();
  EXPECT_EQ(app.Workbooks().Count(), 0);
  EXPECT_EQ(ErrorNumber([&] { app.Cells(1, 1); }), kApplicationError);
  sheet.Cells(1, 1).Value("still usable");  // a handle keeps its sheet
  app.Quit();
}

}  // namespace
}  // namespace qvl::workbook
