// Text put into cells is taken as typing is: plain numbers become numbers,
// month/day/year text a date, anything else stays text as typed.
#include <gtest/gtest.h>

#include <optional>
#include <utility>

#include "platform/workbook/typed_entry.h"

namespace qvl::workbook::detail {
namespace {

using Kind = TypedEntry::Kind;

TEST(TypedEntry, NumbersDatesAndTheirImpliedFormats) {
  const struct {
    const char* typed;
    const char* format;  // the cell's format before typing
    double value;
    const char* implied;  // "" for none
  } rows[] = {
      {"2009", "General", 2009, ""},
      {" 12 ", "General", 12, ""},
      {".5", "General", 0.5, ""},
      {"00001", "General", 1, ""},
      {"(25.5)", "General", -25.5, ""},
      {"1,234.50", "General", 1234.5, "#,##0.00"},
      {"-$1,095.46", "General", -1095.46, "$#,##0.00"},
      {"7%", "General", 0.07, "0%"},
      {"1E3", "General", 1000, "0.00E+00"},
      {"1,000", "0.00", 1000, ""},  // a cell that already has a format keeps it
      {"12345678901234567", "General", 12345678901234500.0, ""},  // fifteen significant digits
      {"10/08/09", "General", 40094, "m/d/yyyy"},
      {"2/3/06", "General", 38751, "m/d/yyyy"},
      {"1/15/1900", "General", 15, "m/d/yyyy"},
      // Serial 60 is the spreadsheet's own 2/29/1900, a day that never was.
      {"2/28/1900", "General", 59, "m/d/yyyy"},
      {"3/1/1900", "General", 61, "m/d/yyyy"},
      {"10/31/2011", "mm/dd/yyyy", 40847, ""},
  };
  for (const auto& row : rows) {
    const TypedEntry e = InterpretTyped(row.typed, row.format);
    EXPECT_EQ(e.kind, Kind::Number) << row.typed;
    EXPECT_EQ(e.number, row.value) << row.typed;
    EXPECT_EQ(e.impliedFormat.value_or(""), row.implied) << row.typed;
  }
}

TEST(TypedEntry, TextStaysTextAsTyped) {
  const std::pair<const char*, const char*> kept[] = {
      {"'00001", "00001"}, {"'=1+1", "=1+1"}, {"GL Code ", "GL Code "}, {"0900-6690-00", "0900-6690-00"}};
  for (const auto& [typed, text] : kept) {
    const TypedEntry e = InterpretTyped(typed, "General");
    EXPECT_EQ(e.kind, Kind::Text) << typed;
    EXPECT_EQ(e.text, text) << typed;
  }
  // Under a text format numbers and formulas are text too.
  EXPECT_EQ(InterpretTyped("0042", "@").text, "0042");
  EXPECT_EQ(InterpretTyped("=SUM(A1:A2)", "@").kind, Kind::Text);
  for (const char* typed : {"13/01/2009", "2/30/2009", "1/1/1899", "Payco 10/08/09", "PR 05-29", "101-3", "10/08",
                            "1,23", "12,3456", ",123", "1.2.3", "--5", "$", "5-", "1e", "(5", "1 000", "12abc", "-",
                            "1,000e3"}) {
    EXPECT_EQ(InterpretTyped(typed, "General").kind, Kind::Text) << typed;
  }
  EXPECT_EQ(InterpretTyped("=SUM(D136:D151)", "General").kind, Kind::Formula);
  EXPECT_EQ(InterpretTyped("", "General").kind, Kind::Empty);
  EXPECT_EQ(InterpretTyped("true", "General").kind, Kind::Boolean);
}

TEST(TypedEntry, ANumberDropsDigitsOnlyWhereADigitBeyondFifteenWasNotZero) {
  const std::pair<const char*, bool> rows[] = {
      {"123456789012345", false}, {"1234567890123456", true},  {"123456789012345678", true},
      {"1000000000000000000", false}, {"0.0000123456789012345", false}, {"1.2345678901234567", true},
      {"1.23456789012345000", false}, {"-$1,234,567,890,123,456", true}, {"12345678901234567e-2", true},
  };
  for (const auto& [typed, dropped] : rows) {
    const std::optional<TypedNumber> n = ParseTypedNumber(typed);
    ASSERT_TRUE(n.has_value()) << typed;
    EXPECT_EQ(n->digitsDropped, dropped) << typed;
  }
  EXPECT_FALSE(ParseTypedNumber("12345678901234567A").has_value());
}

}  // namespace
}  // namespace qvl::workbook::detail
