// One comma line split into the values a read asks for: quotes removed,
// blanks around plain values dropped, bytes passed through, and the count
// found so that short and long lines can be reported.
#include "platform/files/comma_list.h"

#include <gtest/gtest.h>

namespace qvl::files {
namespace {

using Values = std::vector<std::string>;

TEST(CommaList, LinesAreSplitIntoExactlyTheValuesAsked) {
  const struct {
    std::string line;
    std::size_t wanted;
    Values values;
    std::size_t found;
  } rows[] = {
      {R"("12"," 1 ","a,b","",  12 ,  x y  ,5"00,  "AB"junk)", 8, {"12", " 1 ", "a,b", "", "12", "x y", "5\"00", "AB"}, 8},
      {R"(12,"500,100)", 2, {"12", "500,100"}, 2},  // an unclosed quote runs to the end of the line
      {"12,20260131,1", 5, {"12", "20260131", "1", "", ""}, 3},
      {"1,2,3,4", 2, {"1", "2"}, 4},
      {"1,2,", 2, {"1", "2"}, 3},  // a trailing comma opens one more, empty value
      {"abc,1.2.3,caf\xE9,\"\x80\x9F\xFF\",\t7\x01", 5, {"abc", "1.2.3", "caf\xE9", "\x80\x9F\xFF", "\t7\x01"}, 5},
  };
  for (const auto& row : rows) {
    const auto r = SplitCommaList(row.line, row.wanted);
    EXPECT_EQ(r.values, row.values) << row.line;
    EXPECT_EQ(r.found, row.found) << row.line;
    EXPECT_EQ(r.Complete(), row.found == row.wanted) << row.line;
  }
}

TEST(SplitAsItStandsTest, KeepsBlanksAndQuotesAndGivesTheLastValueTheRestOfTheLine) {
  using Values = std::vector<std::string>;
  const struct {
    const char* line;
    std::size_t count;
    std::optional<Values> values;
  } rows[] = {
      {R"( 1 ,"a",,b,c)", 4, Values{" 1 ", R"("a")", "", "b,c"}},
      {"1,2,3", 3, Values{"1", "2", "3"}},
      {"1,2,", 3, Values{"1", "2", ""}},
      {"1,2", 3, std::nullopt},
      {"", 2, std::nullopt},
  };
  for (const auto& row : rows) EXPECT_EQ(SplitAsItStands(row.line, row.count), row.values) << row.line;
}

}  // namespace
}  // namespace qvl::files
