// Text put into cells is taken as typing is.
#include <gtest/gtest.h>

#include "platform/workbook/typed_entry.h"

namespace qvl::workbook::detail {
namespace {

using Kind = TypedEntry::Kind;

TEST(TypedEntry, PlainNumbersBecomeNumbers) {
  for (auto [typed, value] : {std::pair{"2009", 2009.0}, {"-363.86", -363.86}, {" 12 ", 12.0}, {"100.", 100.0},
                              {".5", 0.5}, {"0.", 0.0}, {"00001", 1.0}, {"+7", 7.0}, {"(25.5)", -25.5}, {"-0", 0.0}}) {
    TypedEntry e = InterpretTyped(typed, "General");
    EXPECT_EQ(e.kind, Kind::Number) << typed;
    EXPECT_EQ(e.number, value) << typed;
    EXPECT_FALSE(e.impliedFormat) << typed;
  }
}

TEST(TypedEntry, DecoratedNumbersBringTheirFormat) {
  auto f = [](const char* typed) {
    TypedEntry e = InterpretTyped(typed, "General");
    EXPECT_EQ(e.kind, Kind::Number) << typed;
    return std::pair{e.number, e.impliedFormat.value_or("")};
  };
  EXPECT_EQ(f("1,234.50"), (std::pair<double, std::string>{1234.5, "#,##0.00"}));
  EXPECT_EQ(f("1,000"), (std::pair<double, std::string>{1000, "#,##0"}));
  EXPECT_EQ(f("$25"), (std::pair<double, std::string>{25, "$#,##0"}));
  EXPECT_EQ(f("-$1,095.46"), (std::pair<double, std::string>{-1095.46, "$#,##0.00"}));
  EXPECT_EQ(f("7%"), (std::pair<double, std::string>{0.07, "0%"}));
  EXPECT_EQ(f("1E3"), (std::pair<double, std::string>{1000, "0.00E+00"}));
  // A cell that already has a format keeps it.
  EXPECT_FALSE(InterpretTyped("1,000", "0.00").impliedFormat);
}

TEST(TypedEntry, FifteenSignificantDigitsAreKept) {
  EXPECT_EQ(InterpretTyped("12345678901234567", "General").number, 12345678901234500.0);
  EXPECT_EQ(InterpretTyped("60120224311000000", "General").number, 60120224311000000.0);
}

TEST(TypedEntry, MonthDayYearTextIsADate) {
  TypedEntry e = InterpretTyped("10/08/09", "General");
  EXPECT_EQ(e.kind, Kind::Number);
  EXPECT_EQ(e.number, 40094);
  EXPECT_EQ(e.impliedFormat.value_or(""), "m/d/yyyy");
  EXPECT_EQ(InterpretTyped("10/31/2011", "General").number, 40847);
  EXPECT_EQ(InterpretTyped("2/3/06", "General").number, 38751);
  EXPECT_EQ(InterpretTyped("1/15/1900", "General").number, 15);
  // A date keeps a date format the cell has.
  EXPECT_FALSE(InterpretTyped("10/31/2011", "mm/dd/yyyy").impliedFormat);
  // Not dates: text stays text.
  for (const char* typed : {"13/01/2009", "2/30/2009", "1/1/1899", "Payco 10/08/09", "0900-6690-00", "PR 05-29",
                            "101-3", "1011Nimbrel", "10/08"}) {
    EXPECT_EQ(InterpretTyped(typed, "General").kind, Kind::Text) << typed;
  }
}

TEST(TypedEntry, ApostropheTextFormatAndFormulas) {
  TypedEntry quoted = InterpretTyped("'00001", "General");
  EXPECT_EQ(quoted.kind, Kind::Text);
  EXPECT_EQ(quoted.text, "00001");
  TypedEntry asText = InterpretTyped("0042", "@");
  EXPECT_EQ(asText.kind, Kind::Text);
  EXPECT_EQ(asText.text, "0042");
  EXPECT_EQ(InterpretTyped("=SUM(A1:A2)", "@").kind, Kind::Text);
  EXPECT_EQ(InterpretTyped("'=1+1", "General").text, "=1+1");
  EXPECT_EQ(InterpretTyped("=SUM(D136:D151)", "General").kind, Kind::Formula);
  EXPECT_EQ(InterpretTyped("", "General").kind, Kind::Empty);
  EXPECT_EQ(InterpretTyped("true", "General").kind, Kind::Boolean);
  EXPECT_EQ(InterpretTyped("GL Code ", "General").text, "GL Code ");  // blanks kept in text
}

TEST(TypedEntry, MalformedNumbersStayText) {
  for (const char* typed : {"1,23", "12,3456", ",123", "1.2.3", "--5", "$", "5-", "1e", "(5", "1 000", "12abc", "-",
                            "1,000e3"}) {
    EXPECT_EQ(InterpretTyped(typed, "General").kind, Kind::Text) << typed;
  }
}

}  // namespace
}  // namespace qvl::workbook::detail
