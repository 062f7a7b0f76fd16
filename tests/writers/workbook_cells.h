#pragma once
// A saved workbook's cells as a table of "T:text", "N:number" and "D:date
// serial" ("" for an empty cell), read through our reader or through xlrd,
// so that a test compares type and value and a difference reads plainly.
#include <array>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "platform/workbook/workbook.h"

namespace qvl::test {

using Table = std::vector<std::vector<std::string>>;

inline std::string Describe(const workbook::CellValue& v) {
  using workbook::CellValue;
  char number[32];
  std::snprintf(number, sizeof number, "%.15g", v.number());
  switch (v.type()) {
    case CellValue::Type::Empty:
      return "";
    case CellValue::Type::Text:
      return "T:" + v.text();
    case CellValue::Type::Number:
      return std::string("N:") + number;
    case CellValue::Type::Date:
      return std::string("D:") + number;
    default:
      return "?" + v.ToText();
  }
}

// Every cell from A1 to the last row and column in use.
inline Table SheetCells(const workbook::Worksheet& sheet) {
  const workbook::Range used = sheet.UsedRange();
  const int rows = used.Row() + static_cast<int>(used.Rows().Count()) - 1;
  const int columns = used.Column() + static_cast<int>(used.Columns().Count()) - 1;
  Table table;
  for (int r = 1; r <= rows; ++r) {
    table.emplace_back();
    for (int c = 1; c <= columns; ++c) table.back().push_back(Describe(sheet.Cells(r, c).Value()));
  }
  return table;
}

// Every cell of the first worksheet of the saved workbook at `windowsPath`.
inline Table SheetCells(const std::string& windowsPath) {
  return SheetCells(workbook::GetObject(windowsPath).Worksheets(1));
}

// Without the empty cells at the end of each row and the empty rows at the
// end: readers differ on how far formatted blank cells reach.
inline Table Trimmed(Table table) {
  for (auto& row : table)
    while (!row.empty() && row.back().empty()) row.pop_back();
  while (!table.empty() && table.back().empty()) table.pop_back();
  return table;
}

// The first worksheet of the file as xlrd (which shares no code with ours)
// reads it; nullopt when xlrd is not installed.
inline std::optional<Table> XlrdCells(const std::filesystem::path& file) {
  static const char* const kScript =
      "import sys, xlrd\n"
      "s = xlrd.open_workbook(sys.argv[1]).sheet_by_index(0)\n"
      "for r in range(s.nrows):\n"
      "    for c in range(s.ncols):\n"
      "        x = s.cell(r, c)\n"
      "        if x.ctype in (1, 2, 3):\n"
      "            v = x.value.encode('cp1252').hex() if x.ctype == 1 else '%.15g' % x.value\n"
      "            print(r, c, 'TND'[x.ctype - 1], v)\n";
  if (std::system("/usr/bin/python3 -c 'import xlrd' 2>/dev/null") != 0) return std::nullopt;
  const std::filesystem::path script = file.parent_path() / "xlrd_cells.py";
  {
    std::FILE* out = std::fopen(script.c_str(), "w");
    if (out == nullptr) return std::nullopt;
    std::fputs(kScript, out);
    std::fclose(out);
  }
  std::FILE* pipe = ::popen(("/usr/bin/python3 '" + script.string() + "' '" + file.string() + "'").c_str(), "r");
  if (pipe == nullptr) return std::nullopt;
  std::string output;
  std::array<char, 4096> buffer;
  for (std::size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) output.append(buffer.data(), n);
  ::pclose(pipe);
  std::filesystem::remove(script);

  Table table;
  std::istringstream lines(output);
  std::size_t row, column;
  std::string type, value;
  while (lines >> row >> column >> type >> value) {
    if (type == "T") {
      std::string text;
      for (std::size_t i = 0; i + 1 < value.size(); i += 2)
        text += static_cast<char>(std::stoi(value.substr(i, 2), nullptr, 16));
      value = text;
    }
    if (table.size() <= row) table.resize(row + 1);
    if (table[row].size() <= column) table[row].resize(column + 1);
    table[row][column] = type + ":" + value;
  }
  return Trimmed(table);
}

}  // namespace qvl::test
