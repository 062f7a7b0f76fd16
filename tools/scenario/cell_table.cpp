#include "scenario/cell_table.h"

#include <charconv>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <utility>
#include <vector>

#include "platform/dialogs/scripted_dialogs.h"
#include "platform/vb/error.h"
#include "platform/vb/text.h"
#include "platform/workbook/address.h"
#include "platform/workbook/cell_value.h"
#include "platform/workbook/formula.h"
#include "platform/workbook/model.h"
#include "platform/workbook/number_format.h"
#include "platform/workbook/xls_file.h"

namespace qvl::scenario {

namespace {

namespace fs = std::filesystem;
using workbook::CellValue;
using workbook::detail::Cell;
using workbook::detail::CellKind;
using workbook::detail::SheetData;

// One line of a table, split at its first four tabs.
struct CellLine {
  std::string sheet, cell, rest;  // rest: type, format and value
};

// A text's tabs, CR and LF written as \t, \r and \n, as the transcript
// writes line ends.
std::string Escaped(const std::string& text) { return dialogs::EscapeLineEnds(vb::Replace(text, "\t", "\\t")); }

// Shortest text in plain digits that reads back as the same double: a
// difference in the last bit of an amount shows, and a round account number
// reads 2000000000, never 2e+09.
std::string ExactNumber(double value) {
  char text[400];
  const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed).ptr;
  return std::string(text, end);
}

// Type and value of one cell, as a program reading the workbook sees them.
std::pair<std::string, std::string> Rendered(const SheetData& sheet, int row, int column, const Cell& cell,
                                             const std::string& format) {
  if (cell.hasFormula) {
    const auto formula = sheet.formulas.find(SheetData::FormulaKey(row, column));
    if (formula != sheet.formulas.end()) return {"formula", workbook::detail::FormulaText(formula->second)};
  }
  switch (cell.kind) {
    case CellKind::Number:
      if (workbook::detail::IsDateFormat(format)) return {"date", CellValue::Date(cell.number).ToText()};
      return {"number", ExactNumber(cell.number)};
    case CellKind::Text:
      return {"text", Escaped(cell.text)};
    case CellKind::Boolean:
      return {"boolean", cell.number != 0 ? "TRUE" : "FALSE"};
    case CellKind::Error:
      return {"error", CellValue::Error(static_cast<int>(cell.number)).ErrorName()};
    case CellKind::Empty:
      break;
  }
  return {"", ""};
}

// Throws vb::Error when the file is not a workbook the reader takes.
std::vector<CellLine> ActualCells(const fs::path& file, const std::string& name) {
  auto book = std::make_shared<workbook::detail::BookData>();
  workbook::detail::LoadXlsFile(file, name, book);
  std::vector<CellLine> cells;
  for (const auto& sheet : book->sheets) {
    for (std::size_t r = 0; r < sheet->rows.size(); ++r) {
      const auto& row = sheet->rows[r].cells;
      for (std::size_t c = 0; c < row.size(); ++c) {
        const Cell& cell = row[c];
        if (cell.kind == CellKind::Empty && !cell.hasFormula) continue;
        const int rowNumber = static_cast<int>(r) + 1, columnNumber = static_cast<int>(c) + 1;
        const std::string& format = sheet->styles->Get(cell.style).numberFormat;
        const auto [type, value] = Rendered(*sheet, rowNumber, columnNumber, cell, format);
        cells.push_back({sheet->name, workbook::detail::CellName({rowNumber, columnNumber}),
                         type + "\t" + format + "\t" + value});
      }
    }
  }
  return cells;
}

// "type format "value"": the quotes show where blanks at the ends of a value are.
std::string Shown(const std::string& rest) {
  const std::size_t typeEnd = rest.find('\t');
  const std::size_t formatEnd = rest.find('\t', typeEnd + 1);
  return rest.substr(0, typeEnd) + " " + rest.substr(typeEnd + 1, formatEnd - typeEnd - 1) + " \"" +
         rest.substr(formatEnd + 1) + "\"";
}

bool KnownType(std::string_view type) {
  for (std::string_view known : {"number", "text", "date", "boolean", "error", "formula"})
    if (type == known) return true;
  return false;
}

// The A1 address as the table writes it: no "$", upper-case column.
bool PlainAddress(const std::string& cell) {
  std::size_t pos = 0;
  const auto ref = workbook::detail::ReadCellRef(cell, pos);
  return ref && pos == cell.size() && workbook::detail::CellName({ref->row, ref->column}) == cell;
}

// The table's cells; a malformed line is reported and makes `good` false.
std::vector<std::pair<CellLine, std::size_t>> ExpectedCells(const fs::path& table, const std::string& tableName,
                                                            std::ostream& report, bool& good) {
  std::ifstream in(table, std::ios::binary);
  std::vector<std::pair<CellLine, std::size_t>> cells;
  std::string text;
  for (std::size_t number = 1; std::getline(in, text); ++number) {
    if (!text.empty() && text.back() == '\r') text.pop_back();
    if (text.empty()) continue;
    std::vector<std::size_t> tabs;
    for (std::size_t at = text.find('\t'); at != std::string::npos && tabs.size() < 4; at = text.find('\t', at + 1))
      tabs.push_back(at);
    const bool fiveFields = tabs.size() == 4;
    CellLine cell;
    if (fiveFields) {
      cell = {text.substr(0, tabs[0]), text.substr(tabs[0] + 1, tabs[1] - tabs[0] - 1), text.substr(tabs[1] + 1)};
    }
    if (!fiveFields || cell.sheet.empty() || !PlainAddress(cell.cell) ||
        !KnownType(std::string_view(text).substr(tabs[1] + 1, tabs[2] - tabs[1] - 1))) {
      report << "BAD LINE " << tableName << " line " << number
             << ": not SHEET, CELL, TYPE, FORMAT and VALUE separated by tabs\n";
      good = false;
      continue;
    }
    cells.emplace_back(std::move(cell), number);
  }
  return cells;
}

}  // namespace

bool SameCells(const fs::path& expectedTable, const fs::path& workbook, const std::string& name,
               std::ostream& report) {
  const std::string tableName = name + ".cells";
  bool same = true;
  const auto expectedLines = ExpectedCells(expectedTable, tableName, report, same);
  std::map<std::pair<std::string, std::string>, const CellLine*> expected;
  for (const auto& [cell, number] : expectedLines) {
    if (!expected.emplace(std::pair(cell.sheet, cell.cell), &cell).second) {
      report << "BAD LINE " << tableName << " line " << number << ": " << cell.sheet << "!" << cell.cell
             << " is listed before\n";
      same = false;
    }
  }

  if (!fs::exists(workbook)) {
    report << "MISSING " << name << "\n";
    return false;
  }
  std::vector<CellLine> actual;
  try {
    actual = ActualCells(workbook, name);
  } catch (const vb::Error& e) {
    report << "UNREADABLE " << name << ": " << e.description() << "\n";
    return false;
  }

  for (const CellLine& cell : actual) {
    const auto found = expected.find({cell.sheet, cell.cell});
    if (found == expected.end()) {
      report << "EXTRA CELL " << name << " " << cell.sheet << "!" << cell.cell << ": " << Shown(cell.rest) << "\n";
      same = false;
      continue;
    }
    if (found->second->rest != cell.rest) {
      report << "DIFFERS " << name << " " << cell.sheet << "!" << cell.cell << "\n"
             << "  expected: " << Shown(found->second->rest) << "\n"
             << "  actual:   " << Shown(cell.rest) << "\n";
      same = false;
    }
    expected.erase(found);
  }
  for (const auto& [cell, number] : expectedLines) {
    if (expected.erase({cell.sheet, cell.cell}) == 0) continue;
    report << "MISSING CELL " << name << " " << cell.sheet << "!" << cell.cell << ": " << Shown(cell.rest) << "\n";
    same = false;
  }
  return same;
}

}  // namespace qvl::scenario
