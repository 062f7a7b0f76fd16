#include "platform/vb/currency.h"

#include <gtest/gtest.h>

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

TEST(Currency, DecimalArithmeticIsExact) {
  EXPECT_EQ((CCur("100.10") - CCur("100.00")).ToText(), "0.1");
  EXPECT_EQ(CCur("100.10") - CCur("100.00"), CCur("0.1"));
  Currency sum;
  for (int i = 0; i < 10; ++i) sum += CCur("0.10");
  EXPECT_EQ(sum, Currency::FromUnits(1));
  EXPECT_EQ((CCur("0.1") + CCur("0.2")).ToText(), "0.3");
  EXPECT_EQ((-CCur("25.00")).ToText(), "-25");
  EXPECT_LT(CCur("-0.01"), Currency{});
  EXPECT_GT(CCur("1234.5"), CCur("1234.49"));
}

TEST(Currency, PlainTextHasNoTrailingZerosAndALeadingZeroBelowOne) {
  EXPECT_EQ(CCur("12.50").ToText(), "12.5");
  EXPECT_EQ(CCur("100.00").ToText(), "100");
  EXPECT_EQ(CCur("0").ToText(), "0");
  EXPECT_EQ(CCur(".00").ToText(), "0");
  EXPECT_EQ(CCur("-25").ToText(), "-25");
  EXPECT_EQ(CCur(".5").ToText(), "0.5");
  EXPECT_EQ((-CCur(".50")).ToText(), "-0.5");
  EXPECT_EQ(CCur("1234.56").ToText(), "1234.56");
  EXPECT_EQ(CStr(CCur("0.0001")), "0.0001");
}

TEST(Currency, TextRoundTripsThroughItsPlainForm) {
  for (const char* text : {"0", "1", "-1", "0.0001", "-0.0001", "12.5", "-38714.4", "922337203685477.5807",
                           "-922337203685477.5808", "1000000"}) {
    SCOPED_TRACE(text);
    EXPECT_EQ(CCur(text).ToText(), text);
    EXPECT_EQ(CCur(CCur(text).ToText()), CCur(text));
  }
}

TEST(Currency, ParsingAcceptsBlanksSignDollarAndCommas) {
  EXPECT_EQ(CCur("  12.50  "), CCur("12.5"));
  EXPECT_EQ(CCur("+12.5"), CCur("12.5"));
  EXPECT_EQ(CCur("$1,234.50"), CCur("1234.5"));
  EXPECT_EQ(CCur("-$5"), CCur("-5"));
  EXPECT_EQ(CCur("5."), CCur("5"));
  EXPECT_EQ(CCur("1.5E3"), CCur("1500"));
  // More than four decimals: half to even at the fourth.
  EXPECT_EQ(CCur("1.23455").raw(), 12346);
  EXPECT_EQ(CCur("1.23445").raw(), 12344);
  EXPECT_EQ(CCur("1.234451").raw(), 12345);
  EXPECT_EQ(CCur("-1.23445").raw(), -12344);
}

TEST(Currency, TextThatIsNotANumberIsATypeMismatchOrNothing) {
  for (const char* text : {"", " ", "abc", ".", "-", "$", "12abc", "1.2.3", "500-100", "1 2", ",5", "12-"}) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(TryCCur(text).has_value());
    EXPECT_EQ(ErrorNumberOf([&] { CCur(text); }), kTypeMismatch);
  }
}

TEST(Currency, TheAmountRuleCountsBadAmountsAsZero) {
  EXPECT_EQ(AmountOf(""), Currency{});
  EXPECT_EQ(AmountOf("   "), Currency{});
  EXPECT_EQ(AmountOf(".00"), Currency{});
  EXPECT_EQ(AmountOf("abc"), Currency{});
  EXPECT_EQ(AmountOf("99999999999999999999"), Currency{});
  EXPECT_EQ(AmountOf(" 12.50 "), CCur("12.5"));
  EXPECT_EQ(AmountOf("-7355.72"), CCur("-7355.72"));
}

TEST(Currency, OverflowIsAnErrorNeverWrapAround) {
  const Currency max = Currency::FromRaw(INT64_MAX);
  const Currency min = Currency::FromRaw(INT64_MIN);
  const Currency tiny = Currency::FromRaw(1);
  EXPECT_EQ(ErrorNumberOf([&] { (void)(max + tiny); }), kOverflow);
  EXPECT_EQ(ErrorNumberOf([&] { (void)(min - tiny); }), kOverflow);
  EXPECT_EQ(ErrorNumberOf([&] { (void)(-min); }), kOverflow);
  EXPECT_EQ(ErrorNumberOf([&] { (void)(max * 2); }), kOverflow);
  EXPECT_EQ(ErrorNumberOf([&] { (void)(max * Currency::FromUnits(2)); }), kOverflow);
  EXPECT_EQ(ErrorNumberOf([&] { CCur("922337203685477.5808"); }), kOverflow);
  EXPECT_EQ(ErrorNumberOf([&] { Currency::FromUnits(INT64_MAX / 1000); }), kOverflow);
  EXPECT_EQ(CCur("-922337203685477.5808"), min);
  Currency a = max;
  EXPECT_THROW(a += tiny, Error);
  EXPECT_EQ(a, max);  // a failed addition leaves the total as it was
}

TEST(Currency, ProductsAndQuotientsRoundHalfToEvenAtFourPlaces) {
  EXPECT_EQ(CCur("12.34") * 3, CCur("37.02"));
  EXPECT_EQ((CCur("100") * CCur("0.125")).ToText(), "12.5");
  // 0.0001 * 0.5 = 0.00005: a tie, to the even 0.0000; 0.0003 * 0.5 to 0.0002.
  EXPECT_EQ((CCur("0.0001") * CCur("0.5")).raw(), 0);
  EXPECT_EQ((CCur("0.0003") * CCur("0.5")).raw(), 2);
  EXPECT_EQ((CCur("-0.0003") * CCur("0.5")).raw(), -2);
  EXPECT_EQ((CCur("1.0001") * CCur("1.0001")).raw(), 10002);  // 1.00020001
  EXPECT_EQ(CCur("10") / 4, CCur("2.5"));
  EXPECT_EQ((CCur("1") / 3).ToText(), "0.3333");
  EXPECT_EQ((CCur("2") / 3).ToText(), "0.6667");
  EXPECT_EQ((CCur("0.0005") / 10).raw(), 0);   // 0.00005: tie to even
  EXPECT_EQ((CCur("0.0015") / 10).raw(), 2);   // 0.00015: tie to even
  EXPECT_EQ((CCur("10") / CCur("4")).ToText(), "2.5");
  EXPECT_EQ((CCur("-1") / CCur("3")).ToText(), "-0.3333");
  EXPECT_EQ(ErrorNumberOf([&] { (void)(CCur("1") / 0); }), kDivisionByZero);
  EXPECT_EQ(ErrorNumberOf([&] { (void)(CCur("1") / Currency{}); }), kDivisionByZero);
}

TEST(Currency, FromDoubleUsesFifteenSignificantDigits) {
  EXPECT_EQ(CCur(100.10 - 100.00), CCur("0.1"));
  EXPECT_EQ(CCur(0.1 + 0.2), CCur("0.3"));
  EXPECT_EQ(CCur(-819.5), CCur("-819.5"));
  EXPECT_THROW(CCur(1e300), Error);
}

}  // namespace
}  // namespace qvl::vb
