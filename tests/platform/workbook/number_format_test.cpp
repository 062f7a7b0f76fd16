// Values as a cell shows them through the masks the journal writers use.
#include <gtest/gtest.h>

#include "platform/workbook/number_format.h"

namespace qvl::workbook::detail {
namespace {

TEST(NumberFormat, AmountMasksOfTheWriters) {
  EXPECT_EQ(FormatNumber(1234.5, "0.00"), "1234.50");
  EXPECT_EQ(FormatNumber(0.125, "0.00"), "0.13");  // halves round away from zero
  EXPECT_EQ(FormatNumber(-0.125, "0.00"), "-0.13");
  EXPECT_EQ(FormatNumber(1000, "$#,##0.00"), "$1,000.00");
  EXPECT_EQ(FormatNumber(1234567.891, "#,##0.00"), "1,234,567.89");
  EXPECT_EQ(FormatNumber(-363.86, "0.00_);(0.00)"), "(363.86)");
  EXPECT_EQ(FormatNumber(363.86, "0.00_);(0.00)"), "363.86 ");
  EXPECT_EQ(FormatNumber(16211.01, "#,##0.00;(#,##0.00);0.00"), "16,211.01");
  EXPECT_EQ(FormatNumber(-84, "#,##0.00;(#,##0.00);0.00"), "(84.00)");
  EXPECT_EQ(FormatNumber(0, "#,##0.00;(#,##0.00);0.00"), "0.00");
  EXPECT_EQ(FormatNumber(100, "0.##"), "100.");
  EXPECT_EQ(FormatNumber(712.5, "0.##"), "712.5");
  EXPECT_EQ(FormatNumber(0.5, "#.00"), ".50");
  EXPECT_EQ(FormatNumber(12.5, ".00"), "12.50");
  EXPECT_EQ(FormatNumber(0.075, "0.0%"), "7.5%");
  EXPECT_EQ(FormatNumber(12345, "0.00E+00"), "1.23E+04");
  EXPECT_EQ(FormatNumber(20, "0000000000"), "0000000020");
  EXPECT_EQ(FormatNumber(1234567, "#,##0,"), "1,235");
}

TEST(NumberFormat, TextMasks) {
  // "@" and "@.@@" are masks for text: numbers under them show as General.
  EXPECT_EQ(FormatNumber(10000, "@"), "10000");
  EXPECT_EQ(FormatNumber(43001.15, "@.@@"), "43001.15");
  EXPECT_EQ(FormatText("4300", "@.@@"), "4300.43004300");
  EXPECT_EQ(FormatText("abc", "0.00"), "abc");
  EXPECT_EQ(FormatText("x", "0;-0;0;\"[\"@\"]\""), "[x]");
}

TEST(NumberFormat, GeneralFitsElevenCharacters) {
  EXPECT_EQ(GeneralNumber(0), "0");
  EXPECT_EQ(GeneralNumber(-363.86), "-363.86");
  EXPECT_EQ(GeneralNumber(1234567.891), "1234567.891");
  EXPECT_EQ(GeneralNumber(1.0 / 3), "0.333333333");
  EXPECT_EQ(GeneralNumber(123456789012.0), "1.23457E+11");
  EXPECT_EQ(GeneralNumber(0.0000000123), "1.23E-08");
  EXPECT_EQ(FormatNumber(-5, "General"), "-5");
}

TEST(NumberFormat, DatesOfTheNineteenHundredSystem) {
  EXPECT_EQ(FormatNumber(40094, "m/d/yyyy"), "10/8/2009");
  EXPECT_EQ(FormatNumber(40094, "mm/dd/yyyy"), "10/08/2009");
  EXPECT_EQ(FormatNumber(40094, "mm/dd/yy"), "10/08/09");
  EXPECT_EQ(FormatNumber(40094, "mmm dd, yy"), "Oct 08, 09");
  EXPECT_EQ(FormatNumber(40094, "dddd, mmmm d"), "Thursday, October 8");
  EXPECT_EQ(FormatNumber(40094.75, "h:mm AM/PM"), "6:00 PM");
  EXPECT_EQ(FormatNumber(40094.5, "hh:mm:ss"), "12:00:00");
  // The system counts a 29 February 1900 and shows serial 0 as day 0.
  EXPECT_EQ(FormatNumber(60, "m/d/yyyy"), "2/29/1900");
  EXPECT_EQ(FormatNumber(61, "m/d/yyyy"), "3/1/1900");
  EXPECT_EQ(FormatNumber(1, "m/d/yyyy"), "1/1/1900");
  EXPECT_EQ(FormatNumber(0, "m/d/yyyy"), "1/0/1900");
  EXPECT_EQ(FormatNumber(-1, "m/d/yyyy"), "##########");
}

TEST(NumberFormat, RecognisesDateMasks) {
  EXPECT_TRUE(IsDateFormat("m/d/yyyy"));
  EXPECT_TRUE(IsDateFormat("mm/dd/yyyy"));
  EXPECT_TRUE(IsDateFormat("[$-409]mmmm d, yyyy;@"));
  EXPECT_TRUE(IsDateFormat("h:mm"));
  EXPECT_FALSE(IsDateFormat("General"));
  EXPECT_FALSE(IsDateFormat("0.00_);(0.00)"));
  EXPECT_FALSE(IsDateFormat("\"day\" 0"));
  EXPECT_FALSE(IsDateFormat("@"));
}

}  // namespace
}  // namespace qvl::workbook::detail
