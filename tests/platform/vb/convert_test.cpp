#include "platform/vb/convert.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <cstdint>

#include "platform/fixtures.h"

namespace qvl::vb {
namespace {

using test::ErrorNumber;

TEST(Convert, IsNumericAcceptsTheRuntimesNumberForms) {
  for (const char* text : {"0", "12", " 12.50 ", "\t7", ".00", ".5", "5.", "-12", "+3", "$5", "-$5", "$-5", "1,234.50",
                           "1E3", "1.5e-2", "2D2", "00012", "2050              "}) {
    SCOPED_TRACE(text);
    EXPECT_TRUE(IsNumeric(text));
  }
  for (const char* text : {"", " ", ".", "-", "+", "$", "abc", "12a", "1.2.3", "500-100", "400000 -001", "1 2", ",5",
                           "5-", "(5)", "1E", "E5", "--5", "1E400", "12/06/2026", "&H10"}) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(IsNumeric(text));
  }
}

TEST(Convert, ValReadsTheLeadingNumberAndSkipsBlanks) {
  const std::pair<const char*, double> rows[] = {{"12abc", 12}, {"  12.5  ", 12.5}, {"1 2 3", 123}, {" - 5", -5},
                                                 {"1,000", 1},  {"$5", 0},          {"", 0},        {"abc", 0},
                                                 {".5.", 0.5},  {"1e3x", 1000},     {"1ex", 1},     {"12/06/2026", 12}};
  for (const auto& [text, value] : rows) EXPECT_EQ(Val(text), value) << text;
  EXPECT_THROW(Val("1e999"), Error);

  EXPECT_EQ(ValCurrency("100.10") - ValCurrency("100.00"), CCur("0.1"));
  EXPECT_EQ(ValCurrency(" 1 234.5 kg"), CCur("1234.5"));
  EXPECT_EQ(ValCurrency("x"), Currency{});
  EXPECT_EQ(ValCurrency("0.00005").raw(), 0);  // half to even at four places
  EXPECT_EQ(ErrorNumber([] { ValCurrency("1e20"); }), kOverflow);
}

TEST(Convert, CIntRoundsHalfToEvenAndOverflowsOutsideSixteenBits) {
  EXPECT_EQ(CInt(2.5), 2);
  EXPECT_EQ(CInt(3.5), 4);
  EXPECT_EQ(CInt(-2.5), -2);
  EXPECT_EQ(CInt(CCur("1.5")), 2);
  EXPECT_EQ(CInt("2.5"), 2);
  EXPECT_EQ(CInt(" 07 "), 7);
  EXPECT_EQ(CInt("-32768"), -32768);
  EXPECT_EQ(CInt("32767.4"), 32767);
  EXPECT_EQ(CInt(-32768.5), -32768);  // the tie goes to the even end of the range
  EXPECT_EQ(ErrorNumber([] { CInt("32767.5"); }), kOverflow);
  EXPECT_EQ(ErrorNumber([] { CInt(-32768.6); }), kOverflow);
  EXPECT_EQ(ErrorNumber([] { CInt(CCur("40000")); }), kOverflow);
  EXPECT_EQ(ErrorNumber([] { CInt(""); }), kTypeMismatch);
  EXPECT_EQ(ErrorNumber([] { CInt("abc"); }), kTypeMismatch);

  EXPECT_EQ(CLng("40000"), 40000);
  EXPECT_EQ(CLng(4.5), 4);
  EXPECT_EQ(CLng(CCur("-2147483648")), INT32_MIN);
  EXPECT_EQ(ErrorNumber([] { CLng("2147483648"); }), kOverflow);
  EXPECT_EQ(ErrorNumber([] { CLng(std::nan("")); }), kOverflow);

  EXPECT_EQ(CDbl(" 25.00 "), 25.0);
  EXPECT_EQ(CDbl("-388.86"), -388.86);
  EXPECT_EQ(ErrorNumber([] { CDbl(""); }), kTypeMismatch);
}

TEST(Convert, DoubleTextIsTheShortestGeneralForm) {
  EXPECT_EQ(CStr(9000.0), "9000");
  EXPECT_EQ(CStr(25.0 - 388.86), "-363.86");
  EXPECT_EQ(CStr(-0.5), "-0.5");
  EXPECT_EQ(CStr(0.0), "0");
  EXPECT_EQ(CStr(100.10 - 100.00), "0.0999999999999943");  // why amounts use Currency
  EXPECT_EQ(CStr(1e15), "1E+15");
  EXPECT_EQ(CStr(0.00001), "1E-05");
  EXPECT_EQ(CStr(0.0001), "0.0001");
  EXPECT_EQ(CStr(123456789012345.0), "123456789012345");
  EXPECT_EQ(CStr(std::size_t{215027}), "215027");
}

}  // namespace
}  // namespace qvl::vb
