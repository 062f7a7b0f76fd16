#include "platform/vb/currency.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "platform/fixtures.h"
#include "platform/vb/decimal.h"

namespace qvl::vb {
namespace {

using test::ErrorNumber;

TEST(Currency, ParsingAndPlainTextAreExactDecimal) {
  // Typed text, its value's plain form (no trailing zeros, a zero below one).
  const std::pair<const char*, const char*> rows[] = {
      {"-0.0001", "-0.0001"}, {"922337203685477.5807", "922337203685477.5807"},
      {"-922337203685477.5808", "-922337203685477.5808"}, {"12.50", "12.5"}, {"100.00", "100"}, {".00", "0"},
      {".5", "0.5"}, {"  +12.50  ", "12.5"}, {"$1,234.50", "1234.5"}, {"-$5", "-5"}, {"5.", "5"}, {"1.5E3", "1500"},
      // More than four decimals: half to even at the fourth.
      {"1.23455", "1.2346"}, {"1.23445", "1.2344"}, {"1.234451", "1.2345"}, {"-1.23445", "-1.2344"}};
  for (const auto& [typed, plain] : rows) {
    EXPECT_EQ(CCur(typed).ToText(), plain) << typed;
    EXPECT_EQ(CCur(plain), CCur(typed)) << typed;
  }
  EXPECT_EQ(CCur("100.10") - CCur("100.00"), CCur("0.1"));
  Currency sum;
  for (int i = 0; i < 10; ++i) sum += CCur("0.10");
  EXPECT_EQ(sum, Currency::FromUnits(1));
  EXPECT_EQ((-CCur(".50")).ToText(), "-0.5");
  EXPECT_EQ(CCur(100.10 - 100.00), CCur("0.1"));  // doubles through fifteen significant digits
  EXPECT_EQ(CCur(0.1 + 0.2), CCur("0.3"));
}

TEST(Currency, AmountTextIsReadExactlyAtEveryLengthAndPlaceCount) {
  // Around the lengths where plain amounts and the general reader part ways.
  const std::pair<const char*, std::int64_t> rows[] = {
      {"99999999999999.9999", 999999999999999999},   {"123456789012345", 1234567890123450000},
      {"-922337203685477.5808", INT64_MIN},           {"00000000000000000001.5", 15000},
      {"1.00005", 10000},                             {"1.00015", 10002},
      {"-0", 0},                                      {"\t-7.25\t", -72500},
      {"+.0001", 1},                                  {"   2500.", 25000000},
      {"          1.25", 12500},                      {"8.00       ", 80000}};
  for (const auto& [text, raw] : rows) {
    EXPECT_EQ(AmountOf(text), Currency::FromRaw(raw)) << text;
    EXPECT_EQ(CCur(text), Currency::FromRaw(raw)) << text;
  }
  EXPECT_FALSE(TryCCur("922337203685477.5808").has_value());
  EXPECT_FALSE(TryCCur("- 5").has_value());
  EXPECT_FALSE(TryCCur("5 .").has_value());
}

TEST(Currency, TextThatIsNotANumberIsATypeMismatchOrCountsAsZero) {
  for (const char* text : {"", " ", "abc", ".", "-", "$", "12abc", "1.2.3", "500-100", "1 2", ",5", "12-"}) {
    EXPECT_FALSE(TryCCur(text).has_value()) << text;
    EXPECT_EQ(ErrorNumber([&] { CCur(text); }), kTypeMismatch) << text;
    EXPECT_EQ(AmountOf(text), Currency{}) << text;
  }
  EXPECT_EQ(AmountOf(".00"), Currency{});
  EXPECT_EQ(AmountOf("99999999999999999999"), Currency{});
  EXPECT_EQ(AmountOf(" 12.50 "), CCur("12.5"));
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
  EXPECT_THROW(CCur(1e300), Error);
  Currency a = max;
  EXPECT_THROW(a += tiny, Error);
  EXPECT_EQ(a, max);  // a failed addition leaves the total as it was
}

TEST(Currency, ProductsAndQuotientsRoundHalfToEvenAtFourPlaces) {
  EXPECT_EQ(CCur("12.34") * 3, CCur("37.02"));
  // 0.0001 * 0.5 = 0.00005: a tie, to the even 0.0000; 0.0003 * 0.5 to 0.0002.
  EXPECT_EQ((CCur("0.0001") * CCur("0.5")).raw(), 0);
  EXPECT_EQ((CCur("0.0003") * CCur("0.5")).raw(), 2);
  EXPECT_EQ((CCur("-0.0003") * CCur("0.5")).raw(), -2);
  EXPECT_EQ((CCur("1.0001") * CCur("1.0001")).raw(), 10002);  // 1.00020001
  EXPECT_EQ((CCur("2") / 3).ToText(), "0.6667");
  EXPECT_EQ((CCur("0.0005") / 10).raw(), 0);  // 0.00005: tie to even
  EXPECT_EQ((CCur("0.0015") / 10).raw(), 2);  // 0.00015: tie to even
  EXPECT_EQ((CCur("-1") / CCur("3")).ToText(), "-0.3333");
  EXPECT_EQ(ErrorNumber([&] { (void)(CCur("1") / 0); }), kDivisionByZero);
  EXPECT_EQ(ErrorNumber([&] { (void)(CCur("1") / Currency{}); }), kDivisionByZero);
}

TEST(Currency, ExactDecimalProductsKeepEveryDigit) {
  // A rate typed with more places than an amount keeps: nothing is rounded.
  const struct {
    const char* a;
    const char* b;
    const char* product;
  } rows[] = {
      {"1200", ".06125", "73.5"},
      {"-0.5", "0.5", "-0.25"},
      {"-3", "-0.07", "0.21"},
      {"0", "-5", "0"},
      {"99.99", "99.99", "9998.0001"},
      {"2E3", "0.0005", "1"},
      {"12345678901234567890", "0.1", "1234567890123456789"},
      {"0.000123", "0.001", "0.000000123"},
  };
  for (const auto& row : rows) {
    const Decimal product = ParseNumber(row.a)->Times(*ParseNumber(row.b));
    EXPECT_EQ(product.PlainText(), row.product) << row.a << " x " << row.b;
  }
}

}  // namespace
}  // namespace qvl::vb
