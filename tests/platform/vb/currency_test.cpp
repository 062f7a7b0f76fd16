#include "platform/vb/currency.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "platform/fixtures.h"

namespace qvl::vb {
namespace {

using test::ErrorNumber;

TEST(Currency, DecimalArithmeticIsExact) {
  EXPECT_EQ(CCur("100.10") - CCur("100.00"), CCur("0.1"));
  Currency sum;
  for (int i = 0; i < 10; ++i) sum += CCur("0.10");
  EXPECT_EQ(sum, Currency::FromUnits(1));
  EXPECT_EQ((CCur("0.1") + CCur("0.2")).ToText(), "0.3");
  EXPECT_LT(CCur("-0.01"), Currency{});
  EXPECT_GT(CCur("1234.5"), CCur("1234.49"));
}

TEST(Currency, ParsingAndPlainText) {
  // Typed text, its value's plain form (no trailing zeros, a zero below one).
  const std::pair<const char*, const char*> rows[] = {
      {"0", "0"}, {"-0.0001", "-0.0001"}, {"-38714.4", "-38714.4"}, {"922337203685477.5807", "922337203685477.5807"},
      {"-922337203685477.5808", "-922337203685477.5808"}, {"1000000", "1000000"}, {"12.50", "12.5"},
      {"100.00", "100"}, {".00", "0"}, {".5", "0.5"}, {"-25", "-25"}, {"  12.50  ", "12.5"}, {"+12.5", "12.5"},
      {"$1,234.50", "1234.5"}, {"-$5", "-5"}, {"5.", "5"}, {"1.5E3", "1500"},
      // More than four decimals: half to even at the fourth.
      {"1.23455", "1.2346"}, {"1.23445", "1.2344"}, {"1.234451", "1.2345"}, {"-1.23445", "-1.2344"}};
  for (const auto& [typed, plain] : rows) {
    SCOPED_TRACE(typed);
    EXPECT_EQ(CCur(typed).ToText(), plain);
    EXPECT_EQ(CCur(plain), CCur(typed));
  }
  EXPECT_EQ((-CCur(".50")).ToText(), "-0.5");
  EXPECT_EQ(CStr(CCur("0.0001")), "0.0001");
}

TEST(Currency, TextThatIsNotANumberIsATypeMismatchOrCountsAsZero) {
  for (const char* text : {"", " ", "abc", ".", "-", "$", "12abc", "1.2.3", "500-100", "1 2", ",5", "12-"}) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(TryCCur(text).has_value());
    EXPECT_EQ(ErrorNumber([&] { CCur(text); }), kTypeMismatch);
    EXPECT_EQ(AmountOf(text), Currency{});
  }
  EXPECT_EQ(AmountOf(".00"), Currency{});
  EXPECT_EQ(AmountOf("99999999999999999999"), Currency{});
  EXPECT_EQ(AmountOf(" 12.50 "), CCur("12.5"));
  EXPECT_EQ(AmountOf("-7355.72"), CCur("-7355.72"));
}

TEST(Currency, OverflowIsAnErrorNeverWrapAround) {
  const Currency max = Currency::FromRaw(INT64_MAX);
  const Currency min = Currency::FromRaw(INT64_MIN);
  const Currency tiny = Currency::FromRaw(1);
  EXPECT_EQ(ErrorNumber([&] { (void)(max + tiny); }), kOverflow);
  EXPECT_EQ(ErrorNumber([&] { (void)(min - tiny); }), kOverflow);
  EXPECT_EQ(ErrorNumber([&] { (void)(-min); }), kOverflow);
  EXPECT_EQ(ErrorNumber([&] { (void)(max * 2); }), kOverflow);
  EXPECT_EQ(ErrorNumber([&] { (void)(max * Currency::FromUnits(2)); }), kOverflow);
  EXPECT_EQ(ErrorNumber([&] { CCur("922337203685477.5808"); }), kOverflow);
  EXPECT_EQ(ErrorNumber([&] { Currency::FromUnits(INT64_MAX / 1000); }), kOverflow);
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
  EXPECT_EQ((CCur("2") / 3).ToText(), "0.6667");
  EXPECT_EQ((CCur("0.0005") / 10).raw(), 0);  // 0.00005: tie to even
  EXPECT_EQ((CCur("0.0015") / 10).raw(), 2);  // 0.00015: tie to even
  EXPECT_EQ((CCur("-1") / CCur("3")).ToText(), "-0.3333");
  EXPECT_EQ(ErrorNumber([&] { (void)(CCur("1") / 0); }), kDivisionByZero);
  EXPECT_EQ(ErrorNumber([&] { (void)(CCur("1") / Currency{}); }), kDivisionByZero);
}

TEST(Currency, FromDoubleUsesFifteenSignificantDigits) {
  EXPECT_EQ(CCur(100.10 - 100.00), CCur("0.1"));
  EXPECT_EQ(CCur(0.1 + 0.2), CCur("0.3"));
  EXPECT_EQ(CCur(-819.5), CCur("-819.5"));
  EXPECT_THROW(CCur(1e300), Error);
}

}  // namespace
}  // namespace qvl::vb
