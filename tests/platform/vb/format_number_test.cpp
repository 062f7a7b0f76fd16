#include <gtest/gtest.h>

#include "platform/vb/currency.h"
#include "platform/vb/error.h"
#include "platform/vb/format.h"

namespace qvl::vb {
namespace {

Currency C(const char* text) { return CCur(text); }

TEST(FormatNumber, TwoDecimalMasksWithAndWithoutALeadingZero) {
  // "0.00": the zero before the point stays; rounding half away from zero.
  EXPECT_EQ(Format(C("15516.5"), "0.00"), "15516.50");
  EXPECT_EQ(Format(C("-217862.74"), "0.00"), "-217862.74");
  EXPECT_EQ(Format(C("0"), "0.00"), "0.00");
  EXPECT_EQ(Format(C("0.5"), "0.00"), "0.50");
  EXPECT_EQ(Format(C("0.125"), "0.00"), "0.13");
  EXPECT_EQ(Format(C("-0.125"), "0.00"), "-0.13");
  EXPECT_EQ(Format(C("2.675"), "0.00"), "2.68");
  EXPECT_EQ(Format(C("726.2"), "0.00"), "726.20");
  // "#.00" and ".00": nothing before the point below 1.
  EXPECT_EQ(Format(C("0"), "#.00"), ".00");
  EXPECT_EQ(Format(C("0.5"), "#.00"), ".50");
  EXPECT_EQ(Format(C("-5984.92"), "#.00"), "-5984.92");
  EXPECT_EQ(Format(C("1772.72"), "#.00"), "1772.72");
  EXPECT_EQ(Format(C("0"), ".00"), ".00");
  EXPECT_EQ(Format(C("177.07"), ".00"), "177.07");
  EXPECT_EQ(Format(C("-5.5"), ".00"), "-5.50");
  EXPECT_EQ(Format(C("-0.75"), ".00"), "-.75");
  EXPECT_EQ(Format(C("0.005"), ".00"), ".01");
  EXPECT_EQ(Format(C("0.0049"), ".00"), ".00");
}

TEST(FormatNumber, ANegativeThatRoundsToZeroHasNoSign) {
  EXPECT_EQ(Format(C("-0.004"), "0.00"), "0.00");
  EXPECT_EQ(Format(C("-0.004"), "#.00"), ".00");
  EXPECT_EQ(Format(C("-0.4"), "#"), "");
  EXPECT_EQ(Format(C("-0.005"), "0.00"), "-0.01");
}

TEST(FormatNumber, HashFieldsDoNotPadWithBlanks) {
  for (const char* mask : {"######.00", "#######.00", "########.00", "##########.00"}) {
    SCOPED_TRACE(mask);
    EXPECT_EQ(Format(C("1234.56"), mask), "1234.56");
    EXPECT_EQ(Format(C("-1234.56"), mask), "-1234.56");
    EXPECT_EQ(Format(C("0"), mask), ".00");
    EXPECT_EQ(Format(C("0.5"), mask), ".50");
  }
  // A count written through an amount mask: two records give 2.00.
  EXPECT_EQ(Format(2, "##########.00"), "2.00");
  // More digits than placeholders: every digit is still written.
  EXPECT_EQ(Format(C("123456789012.5"), "######.00"), "123456789012.50");
}

TEST(FormatNumber, ZeroFilledFieldsKeepTheSignInFront) {
  EXPECT_EQ(Format(C("-12"), "0000000000.00"), "-0000000012.00");
  EXPECT_EQ(Format(C("-5"), "0000000000.00"), "-0000000005.00");
  EXPECT_EQ(Format(C("0"), "0000000000.00"), "0000000000.00");
  EXPECT_EQ(Format(C("1234.5"), "00000000.00"), "00001234.50");
  EXPECT_EQ(Format(C("-819.73"), "0000000.00"), "-0000819.73");
  EXPECT_EQ(Format(C("12.5"), "00000000000.00"), "00000000012.50");
  EXPECT_EQ(Format(C("7"), "00.00"), "07.00");
  EXPECT_EQ(Format(C("123.45"), "00.00"), "123.45");
}

TEST(FormatNumber, WholeNumberMasks) {
  EXPECT_EQ(Format(7, "000"), "007");
  EXPECT_EQ(Format(12, "000"), "012");
  EXPECT_EQ(Format(1234, "000"), "1234");
  EXPECT_EQ(Format(9, "00"), "09");
  EXPECT_EQ(Format(12, "00000"), "00012");
  EXPECT_EQ(Format(7, "000000"), "000007");
  EXPECT_EQ(Format(20, "0000000000"), "0000000020");
  EXPECT_EQ(Format(123456, "00000000000"), "00000123456");
  EXPECT_EQ(Format(7, "000000000000000000"), "000000000000000007");
  // A "#" after the zeros is still forced by them.
  EXPECT_EQ(Format(1, "00000000#"), "000000001");
  EXPECT_EQ(Format(7, "000#"), "0007");
  EXPECT_EQ(Format(12345, "000#"), "12345");
  EXPECT_EQ(Format(27, "0000000000000#"), "00000000000027");
  EXPECT_EQ(Format(3, "00000#"), "000003");
  // "#" alone writes nothing for zero and drops leading zeros.
  EXPECT_EQ(Format(0, "#"), "");
  EXPECT_EQ(Format(9, "#"), "9");
  EXPECT_EQ(Format(1234, "###"), "1234");
  EXPECT_EQ(Format(0, "0"), "0");
  // Rounding to a whole number is half away from zero.
  EXPECT_EQ(Format(C("12.5"), "0"), "13");
  EXPECT_EQ(Format(C("-12.5"), "0"), "-13");
  EXPECT_EQ(Format(C("13500"), "0"), "13500");
}

TEST(FormatNumber, LiteralCharactersStandWhereTheMaskPutsThem) {
  EXPECT_EQ(Format(5, "-000"), "-005");
  EXPECT_EQ(Format(27, "-000"), "-027");
  EXPECT_EQ(Format(1234, "-000"), "-1234");
  EXPECT_EQ(Format(C("12.5"), "\"Amt \"0.00"), "Amt 12.50");
  EXPECT_EQ(Format(C("12.5"), "0.00\\%"), "12.50%");
}

TEST(FormatNumber, ThousandsSeparatorsAndCurrencySign) {
  EXPECT_EQ(Format(C("1234567.5"), "$#,##0.00"), "$1,234,567.50");
  EXPECT_EQ(Format(C("0"), "$#,##0.00"), "$0.00");
  EXPECT_EQ(Format(C("-12.5"), "$#,##0.00"), "-$12.50");
  EXPECT_EQ(Format(C("999.995"), "$#,##0.00"), "$1,000.00");
  EXPECT_EQ(Format(C("1234.5"), "#,###.00"), "1,234.50");
  EXPECT_EQ(Format(C("0"), "#,###.00"), ".00");
  EXPECT_EQ(Format(C("123"), "#,###.00"), "123.00");
  // A comma after the last digit divides by a thousand.
  EXPECT_EQ(Format(1234567, "0,"), "1235");
}

TEST(FormatNumber, OptionalDecimalsKeepThePoint) {
  EXPECT_EQ(Format("712.52", "0.##"), "712.52");
  EXPECT_EQ(Format("712.50", "0.##"), "712.5");
  EXPECT_EQ(Format("100.00", "0.##"), "100.");
  EXPECT_EQ(Format("0", "0.##"), "0.");
  EXPECT_EQ(Format("", "0.##"), "");
  EXPECT_EQ(Format("0.125", "0.##"), "0.13");
}

TEST(FormatNumber, SectionsChooseByValueAndSkipTheSign) {
  const char* mask = "0.00;(0.00);\"zero\"";
  EXPECT_EQ(Format(C("5"), mask), "5.00");
  EXPECT_EQ(Format(C("-5"), mask), "(5.00)");
  EXPECT_EQ(Format(C("0"), mask), "zero");
  // An empty negative section falls back to the first, with the sign.
  EXPECT_EQ(Format(C("-5"), "0.00;;\"zero\""), "-5.00");
}

TEST(FormatNumber, NumericTextIsFormattedAsItsExactNumber) {
  EXPECT_EQ(Format("1", "00"), "01");
  EXPECT_EQ(Format("09", "#"), "9");
  EXPECT_EQ(Format("03", "##"), "3");
  EXPECT_EQ(Format("12", "##"), "12");
  EXPECT_EQ(Format(".00", "0.00"), "0.00");
  EXPECT_EQ(Format(" 12.50 ", "0.00"), "12.50");
  EXPECT_EQ(Format("2050              ", "00000000.000"), "00002050.000");
  EXPECT_EQ(Format("0.124999999", "0.00"), "0.12");  // no rounding through four places first
  EXPECT_EQ(Format("-5984.92", "#.00"), "-5984.92");
  EXPECT_EQ(Format("12345", "00000000000"), "00000012345");
  EXPECT_EQ(Format("1E-05", "#.00"), ".00");
  EXPECT_EQ(Format("7", "000"), "007");
}

TEST(FormatNumber, TextThatIsNotANumberComesBackUnchanged) {
  EXPECT_EQ(Format("", "0.00"), "");
  EXPECT_EQ(Format("   ", "0.00"), "   ");
  EXPECT_EQ(Format("400000-001        ", "00000000.000"), "400000-001        ");
  EXPECT_EQ(Format("abc", "000"), "abc");
  EXPECT_EQ(Format("A1", "00"), "A1");
}

TEST(FormatNumber, DoublesAreShownThroughFifteenDigits) {
  EXPECT_EQ(Format(2.675, "0.00"), "2.68");
  EXPECT_EQ(Format(100.10 - 100.00, "0.00"), "0.10");
  EXPECT_EQ(Format(-0.5, "#.00"), "-.50");
  EXPECT_EQ(Format(1e20, "0"), "100000000000000000000");
}

TEST(FormatNumber, LargeCurrencyValuesStayExact) {
  const Currency max = Currency::FromRaw(INT64_MAX);
  EXPECT_EQ(Format(max, "0.0000"), "922337203685477.5807");
  EXPECT_EQ(Format(max, "#,##0.00"), "922,337,203,685,477.58");
  EXPECT_EQ(Format(Currency::FromRaw(INT64_MIN), "0.0000"), "-922337203685477.5808");
}

TEST(FormatNumber, AnEmptyMaskGivesThePlainText) {
  EXPECT_EQ(Format(C("1250.50"), ""), "1250.5");
  EXPECT_EQ(Format(-20, ""), "-20");
  EXPECT_EQ(Format("012.50", ""), "12.5");
}

}  // namespace
}  // namespace qvl::vb
