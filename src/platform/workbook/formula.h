#pragma once
// Cell formulas: the few the journals use (cell references, ranges inside
// SUM, numbers and the four operators), held as a token list in evaluation
// order, which is also the order the file format stores them in.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qvl::workbook::detail {

class ByteWriter;

struct Token {
  enum class Kind : std::uint8_t { Number, Ref, Area, Add, Subtract, Multiply, Divide, Negate, Plus, Paren, Sum };
  Kind kind = Kind::Number;
  double number = 0;
  // Ref uses the first corner, Area both; rows and columns count from 1.
  int row1 = 0, column1 = 0, row2 = 0, column2 = 0;
  bool absRow1 = false, absColumn1 = false, absRow2 = false, absColumn2 = false;
  bool asReference = false;  // an argument of SUM rather than an operand
  int argc = 0;              // Sum

  friend bool operator==(const Token&, const Token&) = default;
};

using Rpn = std::vector<Token>;

// "=SUM(D136:D151)", "=A1+B1*2", "=-(A1)"; nullopt for anything else.
std::optional<Rpn> ParseFormula(std::string_view text);

// The formula as the application shows it, with its "=".
std::string FormulaText(const Rpn& rpn);

// The parsed expression (rgce) of a FORMULA record.
void EncodeFormula(const Rpn& rpn, ByteWriter& out);
// nullopt for tokens this layer does not know (other functions, other
// sheets, shared formulas): the caller then keeps the cached value only.
std::optional<Rpn> DecodeFormula(std::span<const std::uint8_t> rgce);

}  // namespace qvl::workbook::detail
