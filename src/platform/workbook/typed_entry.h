#pragma once
// A text put into a cell is taken as the spreadsheet takes typing: numbers
// and dates become values (with the number format the typing implies), a
// leading "'" keeps the rest as text, a leading "=" is a formula, and a
// cell formatted "@" keeps whatever it is given as text.
#include <optional>
#include <string>
#include <string_view>

namespace qvl::workbook::detail {

struct TypedEntry {
  enum class Kind { Empty, Number, Text, Boolean, Formula } kind = Kind::Empty;
  double number = 0;
  std::string text;                          // Text; the formula with its "="
  std::optional<std::string> impliedFormat;  // what the cell's format becomes
};

TypedEntry InterpretTyped(std::string_view typed, std::string_view cellFormat);

// A number as typing reads it ("12", "-1,234.50", "(5)", "$3", "7%",
// "1E3"), with the format the typing implies ("" for none); nullopt for
// anything else.
struct TypedNumber {
  double value = 0;
  std::string impliedFormat;
  // A digit beyond the fifteen significant ones the spreadsheet keeps was
  // not zero: the number does not give back what was typed.
  bool digitsDropped = false;
};
std::optional<TypedNumber> ParseTypedNumber(std::string_view text);

// A date typed month/day/year ("10/8/2009", "10-08-09") as a serial of the
// workbook's date system; nullopt for other text and dates before 1900.
std::optional<double> ParseTypedDate(std::string_view text);

}  // namespace qvl::workbook::detail
