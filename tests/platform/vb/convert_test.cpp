#include "platform/vb/convert.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/fixtures.h"

namespace qvl::vb {
namespace {

using test::ErrorNumber;

TEST(Convert, IsNumericAcceptsTheRuntimesNumberForms) {
  for (const char* text : {" 12.50 ", "\t7", ".00", "5.", "-$5", "$-5", "1,234.50", "1.5e-2", "2D2", "2050   "}) {
    EXPECT_TRUE(IsNumeric(text)) << text;
  }
  for (const char* text : {"", " ", ".", "-", "$", "12a", "1.2.3", "500-100", "1 2", ",5", "5-", "(5)", "1E", "--5",
                           "1E400", "12/06/2026", "&H10"}) {
    EXPECT_FALSE(IsNumeric(text)) << text;
  }
}

TEST(Convert, CIntRoundsHalfToEvenAndOverflowsOutsideSixteenBits) {
  EXPECT_EQ(CInt(2.5), 2);
  EXPECT_EQ(CInt(3.5), 4);
  EXPECT_EQ(CInt(-2.5), -2);
  EXPECT_EQ(CInt(CCur("1.5")), 2);
  EXPECT_EQ(CInt(" 07 "), 7);
  EXPECT_EQ(CInt("32767.4"), 32767);
  EXPECT_EQ(CInt(-32768.5), -32768);  // the tie goes to the even end of the range
  EXPECT_EQ(ErrorNumber([] { CInt("32767.5"); }), kOverflow);
  EXPECT_EQ(ErrorNumber([] { CInt(CCur("40000")); }), kOverflow);
  EXPECT_EQ(ErrorNumber([] { CInt(""); }), kTypeMismatch);
  EXPECT_EQ(ErrorNumber([] { CInt(std::nan("")); }), kOverflow);
  EXPECT_EQ(CDbl("-388.86"), -388.86);
  EXPECT_EQ(ErrorNumber([] { CDbl(""); }), kTypeMismatch);
}

TEST(Convert, DoubleTextIsTheShortestGeneralForm) {
  const std::pair<double, const char*> rows[] = {{9000.0, "9000"},
                                                 {25.0 - 388.86, "-363.86"},
                                                 {-0.5, "-0.5"},
                                                 {100.10 - 100.00, "0.0999999999999943"},  // why amounts use Currency
                                                 {1e15, "1E+15"},
                                                 {0.00001, "1E-05"},
                                                 {0.0001, "0.0001"},
                                                 {123456789012345.0, "123456789012345"}};
  for (const auto& [value, text] : rows) EXPECT_EQ(CStr(value), text);
}

}  // namespace
}  // namespace qvl::vb
