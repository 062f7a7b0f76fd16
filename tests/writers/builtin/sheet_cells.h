#pragma once
// A saved worksheet read back through our reader as a table of cells, each
// "T:text", "N:number", "D:date serial" or "" when empty, so that a table
// compares type and value and a difference reads plainly.
#include <cstdio>
#include <string>
#include <vector>

#include "platform/workbook/workbook.h"

namespace qvl::test {

using CellTable = std::vector<std::vector<std::string>>;

inline std::string DescribeCell(const workbook::CellValue& v) {
  char number[32];
  std::snprintf(number, sizeof number, "%.15g", v.number());
  switch (v.type()) {
    case workbook::CellValue::Type::Empty:
      return "";
    case workbook::CellValue::Type::Text:
      return "T:" + v.text();
    case workbook::CellValue::Type::Number:
      return std::string("N:") + number;
    case workbook::CellValue::Type::Date:
      return std::string("D:") + number;
    default:
      return "?" + v.ToText();
  }
}

// Every cell from A1 to the last row and column in use.
inline CellTable SheetCells(const workbook::Worksheet& sheet) {
  const workbook::Range used = sheet.UsedRange();
  const int rows = used.Row() + static_cast<int>(used.Rows().Count()) - 1;
  const int columns = used.Column() + static_cast<int>(used.Columns().Count()) - 1;
  CellTable table;
  for (int r = 1; r <= rows; ++r) {
    table.emplace_back();
    for (int c = 1; c <= columns; ++c) table.back().push_back(DescribeCell(sheet.Cells(r, c).Value()));
  }
  return table;
}

}  // namespace qvl::test
