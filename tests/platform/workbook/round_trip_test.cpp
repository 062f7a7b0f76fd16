// Workbooks saved and opened again: nothing the writers put in is lost, a
// row can be appended and the file saved again, and failures are errors.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <map>

#include "platform/fixtures.h"
#include "platform/workbook/biff.h"
#include "platform/workbook/cfb.h"
#include "platform/workbook/workbook.h"

namespace qvl::workbook {
namespace {

using test::ErrorNumber;

class RoundTrip : public test::DriveCTest {
 protected:
  Workbook Reopen(const char* path) { return Application::Create().Workbooks().Open(path); }

  std::vector<std::uint8_t> StreamOf(const std::string& name) {
    std::string bytes = test::ReadBytes(Host(name));
    return detail::ReadWorkbookStream(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
  }
};

// A journal the way the writers build one: header row, texts kept with
// leading zeros, amounts, dates, a total, formats, widths, two named sheets.
void BuildJournal(Workbook& book) {
  Worksheet headers = book.Worksheets(1);
  headers.Name("Journal_Headers");
  const char* titles[] = {"BATCHID", "BTCHENTRY", "SRCELEDGER", "JRNLDESC", "JRNLDR", "DATEENTRY"};
  for (int c = 0; c < 6; ++c) headers.Cells(1, c + 1).Value(titles[c]);
  headers.Range("A1:F1").Font().Bold(true);
  headers.Range("A1:F1").Font().Underline(true);
  headers.Range("A1:F1").HorizontalAlignment(xlCenter);
  headers.Cells(2, 1).Value("'001303");
  headers.Cells(2, 2).Value("'00001");
  headers.Cells(2, 3).Value("GL");
  headers.Cells(2, 4).Value("Payroll Feb 03, 06");
  headers.Cells(2, 5).Value(28105.85);
  headers.Cells(2, 6).Value("02/03/06");
  headers.Columns().AutoFit();

  Worksheet details = book.Worksheets(2);
  details.Name("Journal_Details");
  details.Columns(1).NumberFormat("@");
  details.Range("D2:D1000").NumberFormat("#,##0.00;(#,##0.00);0.00");
  for (int r = 2; r <= 6; ++r) {
    details.Cells(r, 1).Value("0000000" + std::to_string(r * 20));
    details.Cells(r, 2).Value("Caf\xe9 \x80 \x93quoted\x94 line " + std::to_string(r));
    details.Cells(r, 3).Value(r % 2 ? "12.5" : "-7.25");
    details.Cells(r, 4).Value(std::to_string(1000 * r) + ".10");
  }
  details.Cells(7, 4).Value("=SUM(D2:D6)");
  details.Rows(7).Font().Bold(true);
  details.Range("A7:D7").Borders(xlEdgeBottom).Weight(xlThick);
  details.Cells(8, 1).Value("EOF");
  details.Cells(9, 2).Value("=A8");  // a formula whose result is text
  details.Columns(2).ColumnWidth(30);
  details.Activate();
}

TEST_F(RoundTrip, EverythingTheWritersSetComesBack) {
  auto app = Application::Create();
  Workbook book = app.Workbooks().Add();
  BuildJournal(book);
  book.SaveAs("c:\\AccPac_1234_Feb0306.xls");
  EXPECT_EQ(book.Name(), "AccPac_1234_Feb0306.xls");
  EXPECT_EQ(book.FullName(), "c:\\AccPac_1234_Feb0306.xls");

  Workbook back = Reopen("c:\\accpac_1234_feb0306.XLS");  // names match in any letter case
  ASSERT_EQ(back.Worksheets().Count(), 3);
  EXPECT_EQ(back.ActiveSheet().Name(), "Journal_Details");
  Worksheet h = back.Worksheets("Journal_Headers"), d = back.Worksheets(2);
  Worksheet h0 = book.Worksheets(1), d0 = book.Worksheets(2);
  for (int r = 1; r <= 9; ++r) {
    for (int c = 1; c <= 6; ++c) {
      for (auto [was, is] : {std::pair{h0.Cells(r, c), h.Cells(r, c)}, {d0.Cells(r, c), d.Cells(r, c)}}) {
        SCOPED_TRACE(is.Worksheet().Name() + " " + is.Address());
        EXPECT_EQ(is.Value(), was.Value());
        EXPECT_EQ(is.Text(), was.Text());
        EXPECT_EQ(is.NumberFormat(), was.NumberFormat());
        EXPECT_EQ(is.Font().Bold(), was.Font().Bold());
        EXPECT_EQ(is.Font().Underline(), was.Font().Underline());
        EXPECT_EQ(is.HorizontalAlignment(), was.HorizontalAlignment());
        EXPECT_EQ(is.Borders(xlEdgeBottom).Weight(), was.Borders(xlEdgeBottom).Weight());
        EXPECT_EQ(is.Formula(), was.Formula());
      }
    }
  }
  for (int c = 1; c <= 8; ++c) {
    EXPECT_EQ(h.Columns(c).ColumnWidth(), h0.Columns(c).ColumnWidth()) << c;
    EXPECT_EQ(d.Columns(c).ColumnWidth(), d0.Columns(c).ColumnWidth()) << c;
  }
  // Spot checks of what the writers rely on.
  EXPECT_EQ(h.Cells(2, 1).Value(), CellValue::Text("001303"));
  EXPECT_EQ(h.Cells(2, 6).Value().ToText(), "2/3/2006");
  EXPECT_EQ(d.Cells(3, 1).Value(), CellValue::Text("000000060"));
  EXPECT_EQ(d.Cells(7, 4).Formula(), "=SUM(D2:D6)");
  EXPECT_EQ(d.Cells(7, 4).Text(), "20,000.50");
  EXPECT_EQ(d.Cells(9, 2).Value(), CellValue::Text("EOF"));
  EXPECT_EQ(d.Cells(9, 2).Formula(), "=A8");
  EXPECT_EQ(d.Cells(2, 2).Value(), CellValue::Text("Caf\xe9 \x80 \x93quoted\x94 line 2"));
  EXPECT_NEAR(d.Columns(2).ColumnWidth(), 30, 0.01);
  EXPECT_TRUE(d.Cells(7, 100).Font().Bold());  // the whole row stays bold
  EXPECT_EQ(d.Cells(500, 4).NumberFormat(), "#,##0.00;(#,##0.00);0.00");
  EXPECT_EQ(d.Cells(50, 1).NumberFormat(), "@");
  d.Cells(50, 1).Value("0099");
  EXPECT_EQ(d.Cells(50, 1).Value(), CellValue::Text("0099"));  // the column's text format still holds
}

TEST_F(RoundTrip, ReopenAppendAndSaveAgain) {
  {
    auto app = Application::Create();
    Workbook book = app.Workbooks().Add();
    Worksheet s = book.Worksheets(1);
    for (int r = 1; r <= 3; ++r) {
      s.Cells(r, 1).Value("GL1");
      s.Cells(r, 2).Value("2009");
      s.Cells(r, 11).Value(std::to_string(-100 * r) + ".5");
    }
    s.Columns(11).NumberFormat("0.00");
    s.Columns().AutoFit();
    book.Close(true, "c:\\1234_Oct1009.xls");
    app.Quit();
  }
  for (int pass = 1; pass <= 2; ++pass) {
    // The offsetting entry: below the rows in use.
    auto app = Application::Create();
    app.DisplayAlerts(false);
    Workbook book = app.Workbooks().Open("c:\\1234_Oct1009.xls");
    Worksheet s = book.Worksheets(1);
    int row = s.UsedRange().Rows().Count() + 1;
    s.Cells(row, 1).Value("GL1");
    s.Cells(row, 11).Value("-12.5");
    book.SaveAs("c:\\1234_Oct1009.xls");
    app.Quit();
  }
  Worksheet s = Reopen("c:\\1234_Oct1009.xls").Worksheets(1);
  EXPECT_EQ(s.Cells(4, 11).Value(), CellValue::Number(-12.5));
  EXPECT_EQ(s.Cells(5, 11).Text(), "-12.50");
  EXPECT_EQ(s.Cells(2, 2).Value(), CellValue::Number(2009));
  EXPECT_EQ(s.Cells(3, 11).Text(), "-300.50");
  EXPECT_TRUE(s.Cells(6, 1).Value().IsEmpty());
  EXPECT_EQ(s.UsedRange().Rows().Count(), 5);
  EXPECT_EQ(s.Cells(100, 11).NumberFormat(), "0.00");  // the column's format still holds below
}

TEST_F(RoundTrip, SavingReplacesAFileAndFailuresAreErrors) {
  auto app = Application::Create();
  Workbook book = app.Workbooks().Add();
  book.Worksheets(1).Cells(1, 1).Value("first");
  book.SaveAs("c:\\SyteLine_Dec3125.xls");
  book.Worksheets(1).Cells(1, 1).Value("second");
  book.SaveAs("c:\\SyteLine_Dec3125.xls");
  EXPECT_EQ(Reopen("c:\\SyteLine_Dec3125.xls").Worksheets(1).Cells(1, 1).Value(), CellValue::Text("second"));

  EXPECT_EQ(ErrorNumber([&] { book.SaveAs("c:\\missing\\x.xls"); }), 76);
  EXPECT_EQ(ErrorNumber([&] { book.SaveAs("q:\\x.xls"); }), 76);  // a drive that is not mapped
  std::filesystem::create_directory(Host("folder.xls"));
  EXPECT_EQ(ErrorNumber([&] { book.SaveAs("c:\\folder.xls"); }), 75);
  EXPECT_EQ(ErrorNumber([&] { app.Workbooks().Add().Save(); }), kApplicationError);
  if (::geteuid() != 0) {
    std::filesystem::create_directory(Host("locked"));
    std::filesystem::permissions(Host("locked"), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    EXPECT_EQ(ErrorNumber([&] { book.SaveAs("c:\\locked\\x.xls"); }), 70);
  }
  // No temporary file is left behind.
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir_.path())) files += entry.is_regular_file();
  EXPECT_EQ(files, 1);
}

TEST_F(RoundTrip, OpeningWhatIsNoWorkbookIsAClearError) {
  auto app = Application::Create();
  EXPECT_EQ(ErrorNumber([&] { app.Workbooks().Open("c:\\GL Map.xls"); }), 53);
  test::WriteBytes(Host("book.xlsx.xls"), std::string("PK\x03\x04", 4) + std::string(3000, '\0'));
  test::WriteBytes(Host("text.xls"), "Account,Debit\r\n1010,12.50\r\n");
  test::WriteBytes(Host("empty.xls"), "");
  auto good = Application::Create().Workbooks().Add();
  good.Worksheets(1).Cells(1, 1).Value("x");
  good.SaveAs("c:\\good.xls");
  std::string bytes = test::ReadBytes(Host("good.xls"));
  test::WriteBytes(Host("cut.xls"), bytes.substr(0, bytes.size() / 2));
  for (const char* path : {"c:\\book.xlsx.xls", "c:\\text.xls", "c:\\empty.xls", "c:\\cut.xls"}) {
    try {
      app.Workbooks().Open(path);
      ADD_FAILURE() << path << " opened";
    } catch (const vb::Error& e) {
      EXPECT_EQ(e.number(), kApplicationError) << path;
      EXPECT_NE(e.description().find(path), std::string::npos) << e.description();
    }
  }
  std::filesystem::create_directory(Host("dir.xls"));
  EXPECT_EQ(ErrorNumber([&] { app.Workbooks().Open("c:\\dir.xls"); }), 75);
  EXPECT_EQ(app.Workbooks().Count(), 0);
}

TEST_F(RoundTrip, SharedStringsRunOnIntoContinueRecords) {
  // Lengths chosen so strings start, break and end around the 8224-byte
  // record limit, in one-byte and two-byte characters.
  std::vector<std::string> texts;
  for (int i = 0; i < 400; ++i) texts.push_back("Account description number " + std::to_string(i) + std::string(i % 37, 'x'));
  for (int i = 0; i < 60; ++i) texts.push_back(std::string(90 + i, static_cast<char>('A' + i % 26)) + "\x80");
  texts.push_back(std::string(20000, 'q'));
  texts.push_back(std::string(9000, '\x93'));
  texts.push_back("");
  auto app = Application::Create();
  Workbook book = app.Workbooks().Add();
  Worksheet s = book.Worksheets(1);
  for (std::size_t i = 0; i < texts.size(); ++i) {
    s.Cells(static_cast<int>(i) + 1, 1).Value(CellValue::Text("'" + texts[i]));
    s.Cells(static_cast<int>(i) + 1, 2).Value(CellValue::Text("'" + texts[i]));  // repeated: shared once
  }
  book.SaveAs("c:\\strings.xls");

  Worksheet back = Reopen("c:\\strings.xls").Worksheets(1);
  for (std::size_t i = 0; i < texts.size(); ++i) {
    CellValue expected = texts[i].empty() ? CellValue::Text("") : CellValue::Text(texts[i]);
    ASSERT_EQ(back.Cells(static_cast<int>(i) + 1, 2).Value(), expected) << i;
  }
  // Every record stays within the limit, and the table continues.
  auto stream = StreamOf("strings.xls");
  int continues = 0;
  for (std::size_t pos = 0; pos + 4 <= stream.size();) {
    std::uint16_t id = stream[pos] | stream[pos + 1] << 8;
    std::size_t length = stream[pos + 2] | stream[pos + 3] << 8;
    EXPECT_LE(length, detail::kMaxRecordData);
    continues += id == detail::rec::kContinue;
    if (id == detail::rec::kEof) break;
    pos += 4 + length;
  }
  EXPECT_GE(continues, 5);
}

TEST_F(RoundTrip, RowIndexPointsAtRowsAndCells) {
  // The sheet index lets a reader find any row without reading the others:
  // INDEX lists one DBCELL per block of 32 rows; each DBCELL points back at
  // its first ROW record and at the first cell of each of its rows.
  auto app = Application::Create();
  Workbook book = app.Workbooks().Add();
  Worksheet s = book.Worksheets(1);
  for (int r = 1; r <= 100; ++r) {
    if (r % 7 == 0) continue;  // rows without cells
    s.Cells(r, 1 + r % 3).Value(r % 2 ? "text" : "12.5");
    s.Cells(r, 5).Value(r * 1.1);
  }
  s.Rows(7).Font().Bold(true);  // a row with a format and no cells
  book.SaveAs("c:\\index.xls");

  auto stream = StreamOf("index.xls");
  std::map<std::size_t, std::uint16_t> records;
  std::vector<std::uint32_t> dbCells;
  int sheets = 0;
  for (std::size_t pos = 0; pos + 4 <= stream.size();) {
    std::uint16_t id = stream[pos] | stream[pos + 1] << 8;
    std::size_t length = stream[pos + 2] | stream[pos + 3] << 8;
    records[pos] = id;
    if (id == detail::rec::kIndex && sheets++ == 0) {
      for (std::size_t at = pos + 20; at < pos + 4 + length; at += 4) {
        dbCells.push_back(stream[at] | stream[at + 1] << 8 | stream[at + 2] << 16 | static_cast<std::uint32_t>(stream[at + 3]) << 24);
      }
    }
    pos += 4 + length;
  }
  ASSERT_EQ(dbCells.size(), 4u);  // rows 1-32, 33-64, 65-96, 97-100
  auto isCell = [](std::uint16_t id) {
    return id == detail::rec::kLabelSst || id == detail::rec::kRk || id == detail::rec::kNumber ||
           id == detail::rec::kMulRk || id == detail::rec::kBlank || id == detail::rec::kMulBlank;
  };
  for (std::uint32_t at : dbCells) {
    ASSERT_EQ(records[at], detail::rec::kDbCell);
    std::size_t length = stream[at + 2] | stream[at + 3] << 8;
    std::uint32_t back = stream[at + 4] | stream[at + 5] << 8 | stream[at + 6] << 16;
    std::size_t firstRow = at - back;
    EXPECT_EQ(records[firstRow], detail::rec::kRow);
    std::size_t cell = firstRow + 20;
    for (std::size_t k = at + 8; k < at + 4 + length; k += 2) {
      cell += stream[k] | stream[k + 1] << 8;
      EXPECT_TRUE(isCell(records[cell]) || records[cell] == detail::rec::kDbCell) << "cell record at " << cell;
    }
  }
}

TEST_F(RoundTrip, LargeWorkbookNeedsTheExtendedAllocationTable) {
  auto app = Application::Create();
  Workbook book = app.Workbooks().Add();
  Worksheet s = book.Worksheets(1);
  for (int r = 1; r <= 65536; ++r) {
    for (int c = 1; c <= 8; ++c) s.Cells(r, c).Value(r * 1.001 + c / 3.0);  // full doubles, no short form
  }
  book.SaveAs("c:\\large.xls");
  auto size = std::filesystem::file_size(Host("large.xls"));
  EXPECT_GT(size, 7u * 1024 * 1024);
  std::string bytes = test::ReadBytes(Host("large.xls"));
  EXPECT_GT(static_cast<unsigned char>(bytes[72]), 0);  // DIFAT sectors in use

  Worksheet back = Reopen("c:\\large.xls").Worksheets(1);
  EXPECT_EQ(back.UsedRange().Address(), "$A:$H");  // every row: whole columns
  for (int r : {1, 2, 32, 33, 40000, 65536}) {
    for (int c : {1, 8}) EXPECT_EQ(back.Cells(r, c).Value(), CellValue::Number(r * 1.001 + c / 3.0)) << r;
  }
}

TEST_F(RoundTrip, AMappingWorkbookReadByPathAlone) {
  auto app = Application::Create();
  Workbook book = app.Workbooks().Add();
  Worksheet s = book.Worksheets(1);
  s.Cells(1, 1).Value("Segment1");
  s.Cells(2, 1).Value("01");
  s.Cells(2, 14).Value("'00000     ");
  book.SaveAs("c:\\GL Map.xls");
  app.Quit();

  Workbook map = GetObject("c:\\GL Map.xls");
  Worksheet first = map.Worksheets(1);
  EXPECT_EQ(first.Range("A2").Value(), CellValue::Number(1));
  EXPECT_EQ(first.Range("A2").Value().ToText(), "1");
  EXPECT_EQ(first.Range("N2").Value().ToText(), "00000     ");
  EXPECT_TRUE(first.Range("A3").Value().IsEmpty());
}

}  // namespace
}  // namespace qvl::workbook
