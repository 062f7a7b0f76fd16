#include "platform/vb/convert.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <cstdint>

#include "platform/vb/error.h"

namespace qvl::vb {
namespace {

int ErrorNumberOf(auto&& f) {
  try {
    f();
  } catch (const Error& e) {
    return e.number();
  }
  return 0;
}

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
  EXPECT_EQ(Val("12abc"), 12.0);
  EXPECT_EQ(Val("  12.5  "), 12.5);
  EXPECT_EQ(Val("1 2 3"), 123.0);
  EXPECT_EQ(Val(" - 5"), -5.0);
  EXPECT_EQ(Val("1,000"), 1.0);
  EXPECT_EQ(Val("$5"), 0.0);
  EXPECT_EQ(Val(""), 0.0);
  EXPECT_EQ(Val("abc"), 0.0);
  EXPECT_EQ(Val(".5."), 0.5);
  EXPECT_EQ(Val("1e3x"), 1000.0);
  EXPECT_EQ(Val("1ex"), 1.0);
  EXPECT_EQ(Val("12/06/2026"), 12.0);
  EXPECT_THROW(Val("1e999"), Error);
}

TEST(Convert, ValCurrencyKeepsAmountsExact) {
  EXPECT_EQ(ValCurrency("100.10") - ValCurrency("100.00"), CCur("0.1"));
  EXPECT_EQ(ValCurrency(" 1 234.5 kg"), CCur("1234.5"));
  EXPECT_EQ(ValCurrency("x"), Currency{});
  EXPECT_EQ(ValCurrency("0.00005").raw(), 0);  // half to even at four places
  EXPECT_EQ(ErrorNumberOf([] { ValCurrency("1e20"); }), kOverflow);
}

TEST(Convert, CIntRoundsHalfToEvenAndOverflowsOutsideSixteenBits) {
  EXPECT_EQ(CInt(2.5), 2);
  EXPECT_EQ(CInt(3.5), 4);
  EXPECT_EQ(CInt(-2.5), -2);
  EXPECT_EQ(CInt(2.6), 3);
  EXPECT_EQ(CInt(CCur("0.5")), 0);
  EXPECT_EQ(CInt(CCur("1.5")), 2);
  EXPECT_EQ(CInt("2.5"), 2);
  EXPECT_EQ(CInt(" 07 "), 7);
  EXPECT_EQ(CInt("32767"), 32767);
  EXPECT_EQ(CInt("-32768"), -32768);
  EXPECT_EQ(CInt("32767.4"), 32767);
  EXPECT_EQ(ErrorNumberOf([] { CInt("32767.5"); }), kOverflow);
  EXPECT_EQ(ErrorNumberOf([] { CInt(32768.0); }), kOverflow);
  EXPECT_EQ(CInt(-32768.5), -32768);  // the tie goes to the even end of the range
  EXPECT_EQ(ErrorNumberOf([] { CInt(-32768.6); }), kOverflow);
  EXPECT_EQ(ErrorNumberOf([] { CInt(CCur("40000")); }), kOverflow);
  EXPECT_EQ(ErrorNumberOf([] { CInt(""); }), kTypeMismatch);
  EXPECT_EQ(ErrorNumberOf([] { CInt("abc"); }), kTypeMismatch);
}

TEST(Convert, CLngCoversThirtyTwoBits) {
  EXPECT_EQ(CLng("40000"), 40000);
  EXPECT_EQ(CLng(4.5), 4);
  EXPECT_EQ(CLng(CCur("-2147483648")), INT32_MIN);
  EXPECT_EQ(ErrorNumberOf([] { CLng("2147483648"); }), kOverflow);
  EXPECT_EQ(ErrorNumberOf([] { CLng(std::nan("")); }), kOverflow);
  EXPECT_EQ(ErrorNumberOf([] { CLng("x"); }), kTypeMismatch);
}

TEST(Convert, CDblOfText) {
  EXPECT_EQ(CDbl(" 25.00 "), 25.0);
  EXPECT_EQ(CDbl("-388.86"), -388.86);
  EXPECT_EQ(ErrorNumberOf([] { CDbl(""); }), kTypeMismatch);
}

TEST(Convert, DoubleTextIsTheShortestGeneralForm) {
  EXPECT_EQ(CStr(9000.0), "9000");
  EXPECT_EQ(CStr(-819.5), "-819.5");
  EXPECT_EQ(CStr(25.0 - 388.86), "-363.86");
  EXPECT_EQ(CStr(0.5), "0.5");
  EXPECT_EQ(CStr(-0.5), "-0.5");
  EXPECT_EQ(CStr(0.0), "0");
  EXPECT_EQ(CStr(100.10 - 100.00), "0.0999999999999943");  // why amounts use Currency
  EXPECT_EQ(CStr(1e15), "1E+15");
  EXPECT_EQ(CStr(0.00001), "1E-05");
  EXPECT_EQ(CStr(0.0001), "0.0001");
  EXPECT_EQ(CStr(123456789012345.0), "123456789012345");
  EXPECT_EQ(CStr(27), "27");
  EXPECT_EQ(CStr(std::size_t{215027}), "215027");
}

}  // namespace
}  // namespace qvl::vb
