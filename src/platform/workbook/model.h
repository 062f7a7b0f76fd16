#pragma once
// The in-memory workbook behind the object model: sheets of cells, the
// shared table of cell styles, and the application's list of open books.
// The object model edits it, the writer saves it and the reader fills it.
#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/workbook/formula.h"

namespace qvl::workbook::detail {

// The limits of an Excel 97-2003 worksheet.
inline constexpr int kMaxRows = 65536;
inline constexpr int kMaxColumns = 256;

// Border edges, in the order the file format stores them.
enum Edge : int { kEdgeLeft = 0, kEdgeRight = 1, kEdgeTop = 2, kEdgeBottom = 3 };

// What a cell, row or column looks like. Style 0 of a table is the default.
struct CellStyle {
  std::string numberFormat = "General";
  bool bold = false;
  bool underline = false;
  std::uint8_t horizontal = 0;             // 0 general, 1 left, 2 centred, 3 right
  std::array<std::uint8_t, 4> borders{};   // line style per Edge; 0 is none

  friend auto operator<=>(const CellStyle&, const CellStyle&) = default;
};

class StyleTable {
 public:
  StyleTable();
  // The id of an equal style, adding it when new.
  std::uint16_t Intern(const CellStyle& style);
  const CellStyle& Get(std::uint16_t id) const;
  std::size_t size() const { return styles_.size(); }

 private:
  std::vector<CellStyle> styles_;
  std::map<CellStyle, std::uint16_t> ids_;
};

enum class CellKind : std::uint8_t { Empty, Number, Text, Boolean, Error };

struct Cell {
  CellKind kind = CellKind::Empty;
  bool hasFormula = false;   // the value is the cached result of the sheet's formula here
  std::uint16_t style = 0;
  double number = 0;         // the number, 1/0 for a boolean, the error code
  std::string text;          // Windows-1252

  bool Exists() const { return kind != CellKind::Empty || hasFormula || style != 0; }
};

struct Row {
  std::vector<Cell> cells;   // by column - 1
  bool hasStyle = false;     // the whole row was formatted
  std::uint16_t style = 0;
};

struct Column {
  std::uint16_t width = 0;   // 1/256 of a character; 0 is the sheet's default
  bool hasStyle = false;     // the whole column was formatted
  std::uint16_t style = 0;
};

struct BookData;

struct SheetData {
  std::string name;
  std::shared_ptr<StyleTable> styles;
  std::weak_ptr<BookData> book;
  std::vector<Row> rows;                          // by row - 1, grown on demand
  std::array<Column, kMaxColumns> columns{};
  std::map<std::uint32_t, Rpn> formulas;          // by FormulaKey
  bool formulasDirty = false;                     // a value changed since the last calculation

  static std::uint32_t FormulaKey(int row, int column) {
    return static_cast<std::uint32_t>(row - 1) << 8 | static_cast<std::uint32_t>(column - 1);
  }

  // Rows and columns count from 1. Find gives nullptr where no cell was made.
  const Cell* Find(int row, int column) const;
  Cell* Find(int row, int column);
  // The cell, made when missing with the style a new cell takes there (the
  // row's when the row is formatted, else the column's).
  Cell& At(int row, int column);
  std::uint16_t InheritedStyle(int row, int column) const;

  // Recomputes every formula's cached result from the cells it reads.
  void Recalculate();
};

struct AppData;

struct BookData {
  std::shared_ptr<StyleTable> styles = std::make_shared<StyleTable>();
  std::vector<std::shared_ptr<SheetData>> sheets;
  int active = 0;                 // index into sheets
  int sheetsMade = 0;             // names "SheetN" count on from here
  std::string fullName;           // the Windows path it was opened from or saved to
  std::string name;               // "Book1" until saved, then the file name
  std::weak_ptr<AppData> app;
};

// A new empty sheet of the book (not yet in its list of sheets).
std::shared_ptr<SheetData> MakeSheet(const std::shared_ptr<BookData>& book, std::string name);

struct AppData {
  bool visible = true;
  bool displayAlerts = true;
  std::vector<std::shared_ptr<BookData>> books;
  int booksMade = 0;
  std::weak_ptr<BookData> activeBook;
};

}  // namespace qvl::workbook::detail
