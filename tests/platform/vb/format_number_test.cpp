#include <gtest/gtest.h>

#include <tuple>

#include "platform/vb/currency.h"
#include "platform/vb/format.h"

namespace qvl::vb {
namespace {

struct Row {
  const char* value;
  const char* mask;
  const char* shown;
};

TEST(FormatNumber, AmountsThroughTheLayoutsMasks) {
  const Row rows[] = {
      // "0.00" keeps the zero before the point; halves round away from zero.
      {"15516.5", "0.00", "15516.50"}, {"0", "0.00", "0.00"}, {"-0.125", "0.00", "-0.13"},
      // "#.00" and ".00": nothing before the point below 1.
      {"0", "#.00", ".00"}, {"-5984.92", "#.00", "-5984.92"}, {"-0.75", ".00", "-.75"}, {"0.0049", ".00", ".00"},
      // A negative that rounds to zero has no sign.
      {"-0.004", "0.00", "0.00"}, {"-0.4", "#", ""}, {"-0.005", "0.00", "-0.01"},
      // "#" fields do not pad with blanks, and more digits than placeholders are all written.
      {"0.5", "##########.00", ".50"}, {"123456789012.5", "######.00", "123456789012.50"},
      // Zero-filled fields keep the sign in front.
      {"-12", "0000000000.00", "-0000000012.00"}, {"123.45", "00.00", "123.45"},
      // Whole numbers round half away from zero.
      {"12.5", "0", "13"}, {"-12.5", "0", "-13"},
      {"12.5", "\"Amt \"0.00", "Amt 12.50"}, {"12.5", "0.00\\%", "12.50%"},
      {"1234567.5", "$#,##0.00", "$1,234,567.50"}, {"-12.5", "$#,##0.00", "-$12.50"},
      {"999.995", "$#,##0.00", "$1,000.00"}, {"0", "#,###.00", ".00"},
      // Sections choose by value and skip the sign; an empty one falls back to the first.
      {"5", "0.00;(0.00);\"zero\"", "5.00"}, {"-5", "0.00;(0.00);\"zero\"", "(5.00)"},
      {"0", "0.00;(0.00);\"zero\"", "zero"}, {"-5", "0.00;;\"zero\"", "-5.00"},
      {"922337203685477.5807", "#,##0.00", "922,337,203,685,477.58"},
      {"-922337203685477.5808", "0.0000", "-922337203685477.5808"}, {"1250.50", "", "1250.5"}};
  for (const Row& row : rows) EXPECT_EQ(Format(CCur(row.value), row.mask), row.shown) << row.value << " " << row.mask;
}

TEST(FormatNumber, CountsAndNumbersThroughWholeNumberMasks) {
  const std::tuple<int, const char*, const char*> rows[] = {
      {7, "000", "007"}, {1234, "000", "1234"},
      // A "#" after the zeros is still forced by them.
      {1, "00000000#", "000000001"}, {12345, "000#", "12345"},
      // "#" alone writes nothing for zero.
      {0, "#", ""}, {1234, "###", "1234"},
      // Literal characters stand where the mask puts them.
      {5, "-000", "-005"}, {1234, "-000", "-1234"},
      // A comma after the last digit divides by a thousand.
      {1234567, "0,", "1235"},
      // A count written through an amount mask.
      {2, "##########.00", "2.00"}, {-20, "", "-20"}};
  for (const auto& [value, mask, shown] : rows) EXPECT_EQ(Format(value, mask), shown) << value << " " << mask;
}

TEST(FormatNumber, TextIsFormattedAsItsExactNumberOrComesBackUnchanged) {
  const Row rows[] = {
      {"09", "#", "9"}, {".00", "0.00", "0.00"}, {"2050              ", "00000000.000", "00002050.000"},
      {"0.124999999", "0.00", "0.12"},  // no rounding through four places first
      {"1E-05", "#.00", ".00"}, {"012.50", "", "12.5"},
      // Optional decimals keep the point.
      {"712.50", "0.##", "712.5"}, {"100.00", "0.##", "100."}, {"0.125", "0.##", "0.13"},
      // Not a number: unchanged.
      {"", "0.00", ""}, {"   ", "0.00", "   "}, {"400000-001        ", "00000000.000", "400000-001        "}};
  for (const Row& row : rows) EXPECT_EQ(Format(row.value, row.mask), row.shown) << row.value << " " << row.mask;
}

TEST(FormatNumber, DoublesAreShownThroughFifteenDigits) {
  EXPECT_EQ(Format(2.675, "0.00"), "2.68");
  EXPECT_EQ(Format(100.10 - 100.00, "0.00"), "0.10");
  EXPECT_EQ(Format(-0.5, "#.00"), "-.50");
  EXPECT_EQ(Format(1e20, "0"), "100000000000000000000");
}

}  // namespace
}  // namespace qvl::vb
