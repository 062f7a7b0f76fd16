#pragma once
// A1-style references: "B5", "$D$136", "A1:J1", whole columns "B:D" and
// whole rows "5:5". Rows and columns count from 1.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace qvl::workbook::detail {

struct CellRef {
  int row = 0, column = 0;
  bool absRow = false, absColumn = false;
};

struct Area {
  int row1 = 0, column1 = 0, row2 = 0, column2 = 0;  // inclusive, row1 <= row2, column1 <= column2
};

// "A" is 1, "IV" is 256.
std::string ColumnName(int column);
std::string CellName(const CellRef& ref);

// A cell reference starting at text[pos]; pos moves past it when one is read.
std::optional<CellRef> ReadCellRef(std::string_view text, std::size_t& pos);

// A whole address as Range takes it; nullopt for anything else (including
// references beyond the sheet's 65536 rows and 256 columns).
std::optional<Area> ParseAddress(std::string_view address);

}  // namespace qvl::workbook::detail
