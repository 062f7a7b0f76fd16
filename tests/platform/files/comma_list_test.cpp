#include "platform/files/comma_list.h"

#include <gtest/gtest.h>

namespace qvl::files {
namespace {

using Values = std::vector<std::string>;

TEST(CommaList, QuotesAreRemovedBlanksAroundPlainValuesDropped) {
  auto r = SplitCommaList(R"("12"," 1 ","a,b","",  12 ,  x y  ,5"00,  "AB"junk)", 8);
  EXPECT_EQ(r.values, (Values{"12", " 1 ", "a,b", "", "12", "x y", "5\"00", "AB"}));
  EXPECT_TRUE(r.Complete());
  // An unclosed quote runs to the end of the line, never into the next.
  r = SplitCommaList(R"(12,"500,100)", 2);
  EXPECT_EQ(r.values, (Values{"12", "500,100"}));
}

TEST(CommaList, ShortAndLongLinesAreFittedAndSaySo) {
  auto r = SplitCommaList("12,20260131,1", 5);
  EXPECT_EQ(r.values, (Values{"12", "20260131", "1", "", ""}));
  EXPECT_EQ(r.found, 3u);
  EXPECT_FALSE(r.Complete());

  r = SplitCommaList("1,2,3,4", 2);
  EXPECT_EQ(r.values, (Values{"1", "2"}));
  EXPECT_EQ(r.found, 4u);
  EXPECT_FALSE(r.Complete());
  // A trailing comma opens one more, empty value.
  EXPECT_EQ(SplitCommaList("1,2,", 2).found, 3u);
}

TEST(CommaList, ValueBytesAreNotJudgedOrConverted) {
  const std::string line = "abc,1.2.3,caf\xE9,\"\x80\x9F\xFF\",\t7\x01";
  EXPECT_EQ(SplitCommaList(line, 5).values, (Values{"abc", "1.2.3", "caf\xE9", "\x80\x9F\xFF", "\t7\x01"}));
}

}  // namespace
}  // namespace qvl::files
