#include "platform/vb/text.h"

#include <gtest/gtest.h>

namespace qvl::vb {
namespace {

TEST(Text, TrimRemovesBlanksOnlyNotTabsOrLineEnds) {
  EXPECT_EQ(Trim("  12.50  "), "12.50");
  EXPECT_EQ(Trim("\t12\r\n"), "\t12\r\n");
  EXPECT_EQ(Trim("    "), "");
  EXPECT_EQ(LTrim("  a "), "a ");
  EXPECT_EQ(RTrim("  a "), "  a");
}

TEST(Text, LeftMidRightClampAtTheEnds) {
  EXPECT_EQ(Left("50", 15), "50");
  EXPECT_EQ(Right("12", 4), "12");
  EXPECT_EQ(Mid("20261206", 5, 2), "12");
  EXPECT_EQ(Mid("abc", 9, 2), "");
  EXPECT_EQ(Mid("abc", 2, 99), "bc");
  // The last position and the one past it, with and without a length.
  EXPECT_EQ(Mid("abc", 3, 1), "c");
  EXPECT_EQ(Mid("abc", 3), "c");
  EXPECT_EQ(Mid("abc", 4, 1), "");
  EXPECT_EQ(Mid("abc", 4), "");
}

TEST(Text, InStrIsOneBasedAndAnEmptySearchFindsTheStart) {
  EXPECT_EQ(InStr("gl.txt", ":"), 0u);
  EXPECT_EQ(InStr(3, "a,b,c", ","), 4u);
  EXPECT_EQ(InStr("abc", ""), 1u);
  EXPECT_EQ(InStr(4, "abc", ""), 4u);
  EXPECT_EQ(InStr(5, "abc", ""), 0u);
  EXPECT_EQ(InStr(5, "abc", "c"), 0u);
}

TEST(Text, ReplaceDoesNotRescanItsOwnOutput) {
  EXPECT_EQ(Replace("c:\\data\\GL\\x.txt", "\\GL", "\\WC"), "c:\\data\\WC\\x.txt");
  EXPECT_EQ(Replace("aaa", "a", "aa"), "aaaaaa");
  EXPECT_EQ(Replace("abc", "", "x"), "abc");
}

TEST(Text, UCaseCoversWindows1252Letters) {
  EXPECT_EQ(UCase("abc xyz 123"), "ABC XYZ 123");
  EXPECT_EQ(UCase("\xE9\xF7\xFF\x9A"), "\xC9\xF7\x9F\x8A");  // é ÷ ÿ š
  EXPECT_EQ(LCase("\xC9\xD7"), "\xE9\xD7");
  EXPECT_TRUE(EqualsNoCase("QvJE_Control.CSV", "qvje_control.csv"));
  EXPECT_FALSE(EqualsNoCase("a.csv", "a.csv "));
}

TEST(Text, FieldsAreCutAndPaddedToTheirWidth) {
  EXPECT_EQ(PadRight("12", 4), "12  ");
  EXPECT_EQ(PadRight("500-100-200-300-400-500", 18), "500-100-200-300-40");
  EXPECT_EQ(PadLeft("125.5", 8), "   125.5");
  EXPECT_EQ(PadLeft("ABCDEFGHIJKL", 10), "ABCDEFGHIJ");
}

}  // namespace
}  // namespace qvl::vb
