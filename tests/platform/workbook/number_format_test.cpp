// Values as a cell shows them through the masks the journal writers use.
#include <gtest/gtest.h>

#include "platform/workbook/number_format.h"

namespace qvl::workbook::detail {
namespace {

TEST(NumberFormat, NumbersThroughTheWritersMasks) {
  const struct {
    double value;
    const char* mask;
    const char* shown;
  } rows[] = {
      {0.125, "0.00", "0.13"},  // halves round away from zero
      {-0.125, "0.00", "-0.13"},
      {1234567.891, "#,##0.00", "1,234,567.89"},
      {-363.86, "0.00_);(0.00)", "(363.86)"},
      {363.86, "0.00_);(0.00)", "363.86 "},
      {-84, "#,##0.00;(#,##0.00);0.00", "(84.00)"},
      {0, "#,##0.00;(#,##0.00);0.00", "0.00"},
      {100, "0.##", "100."},
      {0.5, "#.00", ".50"},
      {0.075, "0.0%", "7.5%"},
      {1234567, "#,##0,", "1,235"},
      {10000, "@", "10000"},  // a text mask shows numbers as General
      // General fits eleven characters.
      {1.0 / 3, "General", "0.333333333"},
      {123456789012.0, "General", "1.23457E+11"},
      {0.0000000123, "General", "1.23E-08"},
      // The smallest numbers a cell can hold, down to the subnormal ones.
      {2.2250738585072014e-308, "General", "2.22507E-308"},
      {9.8813129168249309e-324, "General", "9.88131E-324"},
      {-4.9406564584124654e-324, "General", "-4.94066E-324"},
      // Dates count a 29 February 1900 and show serial 0 as day 0.
      {40094, "mmm dd, yy", "Oct 08, 09"},
      {40094.75, "h:mm AM/PM", "6:00 PM"},
      {60, "m/d/yyyy", "2/29/1900"},
      {61, "m/d/yyyy", "3/1/1900"},
      {0, "m/d/yyyy", "1/0/1900"},
      {-1, "m/d/yyyy", "##########"},
  };
  for (const auto& row : rows) EXPECT_EQ(FormatNumber(row.value, row.mask), row.shown) << row.value << " " << row.mask;
  EXPECT_EQ(FormatText("abc", "0.00"), "abc");
  EXPECT_EQ(FormatText("x", "0;-0;0;\"[\"@\"]\""), "[x]");

  for (const char* mask : {"m/d/yyyy", "[$-409]mmmm d, yyyy;@", "h:mm"}) EXPECT_TRUE(IsDateFormat(mask)) << mask;
  for (const char* mask : {"General", "0.00_);(0.00)", "\"day\" 0", "@"}) EXPECT_FALSE(IsDateFormat(mask)) << mask;
}

}  // namespace
}  // namespace qvl::workbook::detail
