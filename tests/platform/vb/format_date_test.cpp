#include <gtest/gtest.h>

#include "platform/vb/date.h"
#include "platform/vb/error.h"
#include "platform/vb/format.h"

namespace qvl::vb {
namespace {

Date D(int y, int m, int d, int h = 0, int n = 0, int s = 0) { return *Date::Make(y, m, d, h, n, s); }

TEST(FormatDate, NumericFieldsInEitherCase) {
  const Date oct = D(2009, 10, 8);
  const Date may = D(2005, 5, 3);
  EXPECT_EQ(Format(oct, "mm/dd/yy"), "10/08/09");
  EXPECT_EQ(Format(may, "mm/dd/yy"), "05/03/05");
  EXPECT_EQ(Format(may, "MM/dd/yy"), "05/03/05");
  EXPECT_EQ(Format(may, "MM/DD/YY"), "05/03/05");
  EXPECT_EQ(Format(may, "mm/dd/yyyy"), "05/03/2005");
  EXPECT_EQ(Format(may, "MM/DD/YYYY"), "05/03/2005");
  EXPECT_EQ(Format(may, "mm-dd-yyyy"), "05-03-2005");
  EXPECT_EQ(Format(may, "mm-dd-yy"), "05-03-05");
  EXPECT_EQ(Format(may, "mmddyy"), "050305");
  EXPECT_EQ(Format(may, "MMDDYY"), "050305");
  EXPECT_EQ(Format(may, "mmddyyyy"), "05032005");
  EXPECT_EQ(Format(may, "yyyymmdd"), "20050503");
  EXPECT_EQ(Format(may, "YYYYMMDD"), "20050503");
  EXPECT_EQ(Format(may, "yymmdd"), "050503");
  EXPECT_EQ(Format(may, "YYMMDD"), "050503");
  EXPECT_EQ(Format(may, "mm/dd"), "05/03");
  EXPECT_EQ(Format(may, "mmdd"), "0503");
  EXPECT_EQ(Format(may, "MMDD"), "0503");
  EXPECT_EQ(Format(may, "mm/yy"), "05/05");
  EXPECT_EQ(Format(may, "mmyy"), "0505");
  EXPECT_EQ(Format(may, "mmyyyy"), "052005");
  EXPECT_EQ(Format(may, "yyyymm"), "200505");
  EXPECT_EQ(Format(D(2008, 10, 18), "yymm"), "0810");
  EXPECT_EQ(Format(may, "yy"), "05");
  EXPECT_EQ(Format(may, "YY"), "05");
  EXPECT_EQ(Format(may, "yyyy"), "2005");
  EXPECT_EQ(Format(may, "mm"), "05");
  EXPECT_EQ(Format(may, "MM"), "05");
  EXPECT_EQ(Format(may, "DD"), "03");
  EXPECT_EQ(Format(may, "m"), "5");
  EXPECT_EQ(Format(D(2005, 12, 31), "m"), "12");
  EXPECT_EQ(Format(may, "dd yyyy"), "03 2005");
  EXPECT_EQ(Format(D(2024, 1, 7), "mmmm-d-yyyy"), "January-7-2024");
}

TEST(FormatDate, MonthNamesAreCapitalisedWhateverTheMaskCase) {
  const Date oct = D(2009, 10, 10);
  EXPECT_EQ(Format(oct, "mmmddyy"), "Oct1009");
  EXPECT_EQ(Format(D(2012, 11, 30), "mmmddyyyy"), "Nov302012");
  EXPECT_EQ(Format(oct, "mmm"), "Oct");
  EXPECT_EQ(Format(oct, "MMM"), "Oct");
  EXPECT_EQ(Format(D(2002, 2, 7), "mmmm"), "February");
  EXPECT_EQ(Format(D(2002, 2, 7), "Mmmm"), "February");
  EXPECT_EQ(Format(D(2002, 2, 7), "MMMM"), "February");
  EXPECT_EQ(Format(D(2002, 2, 7), "Mmm yyyy"), "Feb 2002");
  EXPECT_EQ(Format(oct, "mmm dd, yy"), "Oct 10, 09");
  EXPECT_EQ(Format(D(2003, 8, 1), "dddd"), "Friday");
  EXPECT_EQ(Format(D(2003, 8, 1), "ddd"), "Fri");
}

TEST(FormatDate, SingleYIsTheDayOfTheYear) {
  EXPECT_EQ(Format(D(2003, 8, 1), "y"), "213");
  EXPECT_EQ(Format(D(2003, 8, 1), "mmddy"), "0801213");
  EXPECT_EQ(Format(D(2003, 1, 5), "mmddy"), "01055");
  EXPECT_EQ(Format(D(2024, 12, 31), "y"), "366");
  EXPECT_EQ(Format(D(2023, 12, 31), "y"), "365");
}

TEST(FormatDate, MinutesAfterAnHourOrBeforeASecond) {
  const Date t = D(2026, 12, 6, 14, 5, 9);
  EXPECT_EQ(Format(t, "hhmm"), "1405");
  EXPECT_EQ(Format(t, "hh:mm"), "14:05");
  EXPECT_EQ(Format(t, "h:m"), "14:5");
  EXPECT_EQ(Format(t, "mm:ss"), "05:09");
  EXPECT_EQ(Format(t, "hh:nn:ss"), "14:05:09");
  EXPECT_EQ(Format(t, "mm/dd hh:mm"), "12/06 14:05");
  EXPECT_EQ(Format(t, "h:nn AM/PM"), "2:05 PM");
  EXPECT_EQ(Format(D(2026, 12, 6, 0, 30), "h:nn am/pm"), "12:30 am");
  EXPECT_EQ(Format(D(2026, 12, 6), "hhmm"), "0000");
}

TEST(FormatDate, TextThatIsADateIsFormattedAsThatDate) {
  EXPECT_EQ(Format("05/31/05", "MM"), "05");
  EXPECT_EQ(Format("5/31/2005", "DD"), "31");
  EXPECT_EQ(Format("10/18/2008", "yymm"), "0810");
  EXPECT_EQ(Format(" 1/7/03 ", "mm/dd/yy"), "01/07/03");
  EXPECT_EQ(Format("12-06-2026", "mm-dd-yy"), "12-06-26");
  EXPECT_EQ(Format("07/31/2009", "mmm"), "Jul");
  // Not a date: unchanged.
  EXPECT_EQ(Format("2026-12-06", "mm/dd/yyyy"), "2026-12-06");
  EXPECT_EQ(Format("13/01/2026", "mm/dd/yyyy"), "13/01/2026");
}

TEST(FormatDate, NumbersUnderADateMaskAreSerials) {
  EXPECT_EQ(Format(0, "mm/dd/yyyy"), "12/30/1899");
  EXPECT_EQ(Format(46362, "mm/dd/yyyy"), "12/06/2026");
  EXPECT_THROW(Format(20261206, "mm/dd/yyyy"), Error);
  // And a date under a number mask is its serial.
  EXPECT_EQ(Format(D(2026, 12, 6), "0"), "46362");
}

TEST(FormatDate, QuotedTextIsNeverAPlaceholder) {
  EXPECT_EQ(Format(D(2026, 12, 6), "\"day \"d"), "day 6");
  EXPECT_EQ(Format(D(2026, 12, 6), "\\d\\a\\y d"), "day 6");
}

TEST(FormatDate, EmptyMaskGivesTheShortDateForm) {
  EXPECT_EQ(Format(D(2026, 12, 6), ""), "12/6/2026");
  EXPECT_EQ(Format(D(2002, 4, 29, 10, 21, 47), ""), "4/29/2002 10:21:47 AM");
}

}  // namespace
}  // namespace qvl::vb
