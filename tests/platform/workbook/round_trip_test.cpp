// Workbooks saved and opened again: a row can be appended and the file saved
// again, long texts survive, and failures are errors.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

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
  for (std::size_t i = 0; i < texts.size(); ++i) s.Cells(static_cast<int>(i) + 1, 1).Value("'" + texts[i]);
  book.SaveAs("c:\\strings.xls");

  Worksheet back = Reopen("c:\\strings.xls").Worksheets(1);
  for (std::size_t i = 0; i < texts.size(); ++i) {
    ASSERT_EQ(back.Cells(static_cast<int>(i) + 1, 1).Value(), CellValue::Text(texts[i])) << i;
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

}  // namespace
}  // namespace qvl::workbook
