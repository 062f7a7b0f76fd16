#include <gtest/gtest.h>

#include "platform/vb/date.h"
#include "platform/vb/error.h"
#include "platform/vb/format.h"

namespace qvl::vb {
namespace {

Date D(int y, int m, int d, int h = 0, int n = 0, int s = 0) { return *Date::Make(y, m, d, h, n, s); }

TEST(FormatDate, TheMasksOfTheLayoutsInEitherCase) {
  const struct {
    Date date;
    const char* mask;
    const char* shown;
  } rows[] = {
      {D(2009, 10, 8), "mm/dd/yy", "10/08/09"},
      {D(2005, 5, 3), "MM/DD/YYYY", "05/03/2005"},
      {D(2005, 5, 3), "MMDDYY", "050305"},
      {D(2005, 5, 3), "YYYYMMDD", "20050503"},
      {D(2008, 10, 18), "yymm", "0810"},
      {D(2005, 5, 3), "m", "5"},
      {D(2005, 12, 31), "m", "12"},
      {D(2024, 1, 7), "mmmm-d-yyyy", "January-7-2024"},
      // Month and day names are capitalised whatever the mask's case.
      {D(2009, 10, 10), "mmmddyy", "Oct1009"},
      {D(2002, 2, 7), "Mmmm", "February"},
      {D(2009, 10, 10), "mmm dd, yy", "Oct 10, 09"},
      {D(2003, 8, 1), "dddd", "Friday"},
      {D(2003, 8, 1), "ddd", "Fri"},
      // A single "y" is the day of the year.
      {D(2003, 8, 1), "mmddy", "0801213"},
      {D(2024, 12, 31), "y", "366"},
      // "m" after an hour or before a second is minutes.
      {D(2026, 12, 6, 14, 5, 9), "hhmm", "1405"},
      {D(2026, 12, 6, 14, 5, 9), "h:m", "14:5"},
      {D(2026, 12, 6, 14, 5, 9), "mm:ss", "05:09"},
      {D(2026, 12, 6, 14, 5, 9), "hh:nn:ss", "14:05:09"},
      {D(2026, 12, 6, 14, 5, 9), "mm/dd hh:mm", "12/06 14:05"},
      {D(2026, 12, 6, 14, 5, 9), "h:nn AM/PM", "2:05 PM"},
      {D(2026, 12, 6, 0, 30), "h:nn am/pm", "12:30 am"},
      // Quoted text is never a placeholder.
      {D(2026, 12, 6), "\"day \"d", "day 6"},
      {D(2026, 12, 6), "\\d\\a\\y d", "day 6"},
  };
  for (const auto& row : rows) EXPECT_EQ(Format(row.date, row.mask), row.shown) << row.mask;
}

TEST(FormatDate, TextThatIsADateIsFormattedAsThatDate) {
  EXPECT_EQ(Format("05/31/05", "MM"), "05");
  EXPECT_EQ(Format(" 1/7/03 ", "mm/dd/yy"), "01/07/03");
  EXPECT_EQ(Format("12-06-2026", "mm-dd-yy"), "12-06-26");
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
  // An empty mask gives the date's plain text.
  EXPECT_EQ(Format(D(2002, 4, 29, 10, 21, 47), ""), "4/29/2002 10:21:47 AM");
}

}  // namespace
}  // namespace qvl::vb
