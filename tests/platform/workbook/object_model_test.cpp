// The object model as the journal writers drive it: values kept as the
// writers mean them, and misuse that must be an error rather than a crash or
// a file other programs refuse.
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

TEST_F(ObjectModel, AmountsDatesAndTextWithLeadingZeros) {
  sheet.Cells(1, 1).Value(vb::Currency::FromRaw(1000000));
  sheet.Cells(1, 2).Value(*vb::Date::Make(2011, 10, 31));
  EXPECT_EQ(sheet.Cells(1, 1).Value(), CellValue::Number(100));
  EXPECT_EQ(sheet.Cells(1, 2).Value(), CellValue::Date(40847));
  EXPECT_EQ(sheet.Cells(1, 2).Text(), "10/31/2011");
  // A text format set before typing keeps what is typed, numbers included.
  sheet.Columns(3).NumberFormat("@");
  sheet.Cells(5, 3).Value("60120224311000000");
  sheet.Cells(6, 3).Value("0042");
  sheet.Cells(7, 3).Value(10000);
  sheet.Cells(8, 3).Value(*vb::Date::Make(2011, 10, 31));
  EXPECT_EQ(sheet.Cells(5, 3).Value(), CellValue::Text("60120224311000000"));
  EXPECT_EQ(sheet.Cells(6, 3).Value(), CellValue::Text("0042"));
  EXPECT_EQ(sheet.Cells(7, 3).Value(), CellValue::Text("10000"));
  EXPECT_EQ(sheet.Cells(8, 3).Value(), CellValue::Text("10/31/2011"));
  // Formatting afterwards does not turn a number back into text.
  sheet.Cells(1, 4).Value("0042");
  sheet.Cells(1, 4).NumberFormat("@");
  EXPECT_EQ(sheet.Cells(1, 4).Value(), CellValue::Number(42));
}

TEST_F(ObjectModel, AddressesNameColumnsPastZWithTwoLetters) {
  for (const auto& [column, address] : {std::pair{26, "$Z$1"}, {27, "$AA$1"}, {52, "$AZ$1"}, {53, "$BA$1"},
                                        {256, "$IV$1"}}) {
    EXPECT_EQ(sheet.Cells(1, column).Address(), address);
    EXPECT_EQ(sheet.Range(address).Column(), column) << address;
  }
}

TEST_F(ObjectModel, BadNamesAddressesAndSizesAreErrors) {
  for (const char* bad : {"", "a/b", "a:b", "a?b", "a*b", "[x]", "a\\b", "'quoted'", "1234567890123456789012345678901X"}) {
    EXPECT_EQ(ErrorNumber([&] { sheet.Name(bad); }), kApplicationError) << bad;
  }
  sheet.Name("Journal Entry");
  EXPECT_EQ(ErrorNumber([&] { book.Worksheets(2).Name("JOURNAL entry"); }), kApplicationError);
  for (int index : {0, 4}) EXPECT_EQ(ErrorNumber([&] { book.Worksheets(index); }), 9) << index;
  EXPECT_EQ(ErrorNumber([&] { book.Worksheets("Journal_Details"); }), 9);
  for (const auto& cell : {std::pair{0, 1}, {1, 0}, {65537, 1}, {1, 257}}) {
    EXPECT_EQ(ErrorNumber([&] { sheet.Cells(cell.first, cell.second); }), kApplicationError)
        << cell.first << "," << cell.second;
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
