// Formulas: what is accepted, how it is stored in the file, and the total
// the workbook keeps for readers that do not calculate.
#include <gtest/gtest.h>

#include "platform/workbook/biff.h"
#include "platform/workbook/formula.h"
#include "platform/workbook/workbook.h"

namespace qvl::workbook {
namespace {

using detail::ByteWriter;
using detail::DecodeFormula;
using detail::EncodeFormula;
using detail::FormulaText;
using detail::ParseFormula;

std::string Canonical(const char* text) {
  auto rpn = ParseFormula(text);
  return rpn ? FormulaText(*rpn) : "<refused>";
}

TEST(Formula, AcceptsReferencesSumAndArithmetic) {
  EXPECT_EQ(Canonical("=SUM(D136:D151)"), "=SUM(D136:D151)");
  EXPECT_EQ(Canonical("=sum( d1 : d3 )"), "<refused>");  // no blanks inside a reference
  EXPECT_EQ(Canonical("=sum(d1:d3)"), "=SUM(D1:D3)");
  EXPECT_EQ(Canonical("= A1 + B1 * 2"), "=A1+B1*2");
  EXPECT_EQ(Canonical("=-(A1-$B$2)/4"), "=-(A1-$B$2)/4");
  EXPECT_EQ(Canonical("=SUM(A1,B2:C3,5,A1*2)"), "=SUM(A1,B2:C3,5,A1*2)");
  EXPECT_EQ(Canonical("=1.5E3+0.25"), "=1500+0.25");
  for (const char* refused : {"=", "=1+", "=AVERAGE(A1:A2)", "=A1:B2", "=SUM()", "=SUM(A1", "=IW1", "=A65537",
                              "=Sheet2!A1", "=\"text\"", "=1+2)"}) {
    EXPECT_EQ(Canonical(refused), "<refused>") << refused;
  }
  std::string deep = "=" + std::string(200, '(') + "1" + std::string(200, ')');
  EXPECT_FALSE(ParseFormula(deep));
}

TEST(Formula, StoredAsTheFileFormatsTokens) {
  ByteWriter out;
  EncodeFormula(*ParseFormula("=SUM(D136:D151)"), out);
  std::vector<std::uint8_t> expected = {0x25, 0x87, 0x00, 0x96, 0x00, 0x03, 0xC0, 0x03, 0xC0, 0x42, 0x01, 0x04, 0x00};
  EXPECT_EQ(out.bytes(), expected);

  for (const char* f : {"=A1+B1*2", "=-(A1-$B$2)/4", "=SUM(A1,B2:C3,5,A1*2)", "=0.1*70000", "=$IV$65536"}) {
    ByteWriter b;
    EncodeFormula(*ParseFormula(f), b);
    auto back = DecodeFormula(b.bytes());
    ASSERT_TRUE(back) << f;
    EXPECT_EQ(FormulaText(*back), f);
  }
}

class FormulaResults : public ::testing::Test {
 protected:
  Application app = Application::Create();
  Worksheet sheet = app.Workbooks().Add().Worksheets(1);
  CellValue At(const char* a) { return sheet.Range(a).Value(); }
};

TEST_F(FormulaResults, SumAddsNumbersOnly) {
  sheet.Range("D2").Value("10.25");
  sheet.Range("D3").Value("abc");
  sheet.Range("D4").Value("'5");
  sheet.Range("D5").Value("-0.25");
  sheet.Range("D1").Value("=SUM(D2:D6)");
  EXPECT_EQ(At("D1"), CellValue::Number(10));
  sheet.Range("D6").Value("100");  // results follow later changes
  EXPECT_EQ(At("D1"), CellValue::Number(110));
  EXPECT_EQ(sheet.Range("D1").Formula(), "=SUM(D2:D6)");
}

}  // namespace
}  // namespace qvl::workbook
