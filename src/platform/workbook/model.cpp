#include "platform/workbook/model.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "platform/workbook/typed_entry.h"

namespace qvl::workbook::detail {

StyleTable::StyleTable() { Intern(CellStyle{}); }

std::uint16_t StyleTable::Intern(const CellStyle& style) {
  auto it = ids_.find(style);
  if (it != ids_.end()) return it->second;
  if (styles_.size() >= 0xFFFF) throw std::length_error("too many cell styles");
  auto id = static_cast<std::uint16_t>(styles_.size());
  styles_.push_back(style);
  ids_.emplace(style, id);
  return id;
}

const CellStyle& StyleTable::Get(std::uint16_t id) const { return styles_.at(id < styles_.size() ? id : 0); }

const Cell* SheetData::Find(int row, int column) const {
  if (row < 1 || static_cast<std::size_t>(row) > rows.size()) return nullptr;
  const auto& cells = rows[static_cast<std::size_t>(row) - 1].cells;
  if (column < 1 || static_cast<std::size_t>(column) > cells.size()) return nullptr;
  const Cell& c = cells[static_cast<std::size_t>(column) - 1];
  return c.Exists() ? &c : nullptr;
}

Cell* SheetData::Find(int row, int column) {
  return const_cast<Cell*>(static_cast<const SheetData*>(this)->Find(row, column));
}

std::uint16_t SheetData::InheritedStyle(int row, int column) const {
  if (static_cast<std::size_t>(row) <= rows.size() && rows[static_cast<std::size_t>(row) - 1].hasStyle) {
    return rows[static_cast<std::size_t>(row) - 1].style;
  }
  const Column& c = columns[static_cast<std::size_t>(column) - 1];
  return c.hasStyle ? c.style : 0;
}

Cell& SheetData::At(int row, int column) {
  if (row < 1 || row > kMaxRows || column < 1 || column > kMaxColumns) throw std::out_of_range("cell outside the sheet");
  if (rows.size() < static_cast<std::size_t>(row)) rows.resize(static_cast<std::size_t>(row));
  auto& cells = rows[static_cast<std::size_t>(row) - 1].cells;
  if (cells.size() < static_cast<std::size_t>(column)) {
    // Rows are mostly filled left to right, a cell at a time: grow in steps.
    if (cells.capacity() < static_cast<std::size_t>(column)) cells.reserve(std::max<std::size_t>(column, 8));
    cells.resize(static_cast<std::size_t>(column));
  }
  Cell& c = cells[static_cast<std::size_t>(column) - 1];
  if (!c.Exists()) c.style = InheritedStyle(row, column);
  return c;
}

namespace {

// Error codes of the file format.
constexpr double kErrDiv0 = 0x07, kErrValue = 0x0F, kErrNum = 0x24;

struct Operand {
  enum Type { Number, Error, Reference } type = Number;
  double value = 0;
  const Token* ref = nullptr;
};

struct Result {
  CellKind kind = CellKind::Number;
  double number = 0;
  std::string text;
};

// A referenced cell as an operand of arithmetic.
Operand CellOperand(const SheetData& sheet, int row, int column) {
  const Cell* c = sheet.Find(row, column);
  if (!c) return {Operand::Number, 0};
  switch (c->kind) {
    case CellKind::Number:
    case CellKind::Boolean:
      return {Operand::Number, c->number};
    case CellKind::Error:
      return {Operand::Error, c->number};
    case CellKind::Text:
      if (auto n = ParseTypedNumber(c->text)) return {Operand::Number, n->value};
      return {Operand::Error, kErrValue};
    case CellKind::Empty:
      break;
  }
  return {Operand::Number, 0};
}

Operand Scalar(const SheetData& sheet, const Operand& o) {
  if (o.type != Operand::Reference) return o;
  if (o.ref->kind == Token::Kind::Area) return {Operand::Error, kErrValue};
  return CellOperand(sheet, o.ref->row1, o.ref->column1);
}

// SUM over a range: numbers count, text and empty cells do not, errors win.
Operand SumArea(const SheetData& sheet, const Token& t) {
  double total = 0;
  int lastRow = std::min<int>(t.row2, static_cast<int>(sheet.rows.size()));
  for (int r = std::max(t.row1, 1); r <= lastRow; ++r) {
    const auto& cells = sheet.rows[static_cast<std::size_t>(r) - 1].cells;
    int lastColumn = std::min<int>(t.column2, static_cast<int>(cells.size()));
    for (int c = std::max(t.column1, 1); c <= lastColumn; ++c) {
      const Cell& cell = cells[static_cast<std::size_t>(c) - 1];
      if (cell.kind == CellKind::Error) return {Operand::Error, cell.number};
      if (cell.kind == CellKind::Number) total += cell.number;
    }
  }
  return {Operand::Number, total};
}

Result Evaluate(const SheetData& sheet, const Rpn& rpn) {
  std::vector<Operand> stack;
  auto pop = [&] {
    Operand o = stack.empty() ? Operand{Operand::Error, kErrValue} : stack.back();
    if (!stack.empty()) stack.pop_back();
    return o;
  };
  for (const Token& t : rpn) {
    using K = Token::Kind;
    switch (t.kind) {
      case K::Number:
        stack.push_back({Operand::Number, t.number});
        break;
      case K::Ref:
      case K::Area:
        stack.push_back({Operand::Reference, 0, &t});
        break;
      case K::Paren:
        break;
      case K::Negate:
      case K::Plus: {
        Operand a = Scalar(sheet, pop());
        if (a.type == Operand::Number && t.kind == K::Negate) a.value = -a.value;
        stack.push_back(a);
        break;
      }
      case K::Sum: {
        Operand total{Operand::Number, 0};
        for (int i = 0; i < t.argc; ++i) {
          Operand a = pop();
          // A referenced cell or range adds its numbers only, not text.
          if (a.type == Operand::Reference) a = SumArea(sheet, *a.ref);
          if (total.type == Operand::Error) continue;
          if (a.type == Operand::Error) {
            total = a;
          } else {
            total.value += a.value;
          }
        }
        stack.push_back(total);
        break;
      }
      default: {
        Operand b = Scalar(sheet, pop());
        Operand a = Scalar(sheet, pop());
        if (a.type == Operand::Error) {
          stack.push_back(a);
        } else if (b.type == Operand::Error) {
          stack.push_back(b);
        } else if (t.kind == K::Divide && b.value == 0) {
          stack.push_back({Operand::Error, kErrDiv0});
        } else {
          double v = t.kind == K::Add        ? a.value + b.value
                     : t.kind == K::Subtract ? a.value - b.value
                     : t.kind == K::Multiply ? a.value * b.value
                                             : a.value / b.value;
          stack.push_back({Operand::Number, v});
        }
        break;
      }
    }
  }
  Operand top = pop();
  if (top.type == Operand::Reference && top.ref->kind == Token::Kind::Ref) {
    // "=A1" shows A1 itself, text included.
    const Cell* c = sheet.Find(top.ref->row1, top.ref->column1);
    if (c && c->kind != CellKind::Empty) return {c->kind, c->number, c->text};
    return {CellKind::Number, 0, {}};
  }
  top = Scalar(sheet, top);
  if (top.type == Operand::Error) return {CellKind::Error, top.value, {}};
  if (!std::isfinite(top.value)) return {CellKind::Error, kErrNum, {}};
  return {CellKind::Number, top.value == 0 ? 0 : top.value, {}};
}

}  // namespace

void SheetData::Recalculate() {
  // Passes in sheet order until nothing changes: a formula that reads a
  // later formula settles on the next pass; a circle stops at the limit.
  std::size_t passes = std::min<std::size_t>(formulas.size() + 1, 100);
  for (std::size_t pass = 0; pass < passes; ++pass) {
    bool changed = false;
    for (const auto& [key, rpn] : formulas) {
      int row = static_cast<int>(key >> 8) + 1;
      int column = static_cast<int>(key & 0xFF) + 1;
      Result r = Evaluate(*this, rpn);
      Cell& c = At(row, column);
      if (c.kind != r.kind || c.number != r.number || c.text != r.text) {
        c.kind = r.kind;
        c.number = r.number;
        c.text = std::move(r.text);
        changed = true;
      }
      c.hasFormula = true;
    }
    if (!changed) break;
  }
  formulasDirty = false;
}

std::shared_ptr<SheetData> MakeSheet(const std::shared_ptr<BookData>& book, std::string name) {
  auto sheet = std::make_shared<SheetData>();
  sheet->name = std::move(name);
  sheet->styles = book->styles;
  sheet->book = book;
  return sheet;
}

}  // namespace qvl::workbook::detail
