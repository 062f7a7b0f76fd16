#include "platform/workbook/workbook.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>

#include "platform/paths/paths.h"
#include "platform/vb/convert.h"
#include "platform/vb/error.h"
#include "platform/workbook/address.h"
#include "platform/workbook/autofit.h"
#include "platform/workbook/model.h"
#include "platform/workbook/number_format.h"
#include "platform/workbook/typed_entry.h"
#include "platform/workbook/xls_file.h"

namespace qvl::workbook {

using detail::BookData;
using detail::Cell;
using detail::CellKind;
using detail::CellStyle;
using detail::kMaxColumns;
using detail::kMaxRows;
using detail::SheetData;

namespace {

constexpr std::size_t kMaxCellText = 32767;
constexpr std::size_t kMaxSheetName = 31;

vb::Error Refused(const std::string& what = "Application-defined or object-defined error") {
  return vb::Error(kApplicationError, what);
}

std::filesystem::path HostPath(std::string_view windowsPath) {
  auto host = paths::ToHost(windowsPath);
  if (!host) throw vb::PathNotFound();
  return *host;
}

std::string FileNameOf(std::string_view windowsPath) {
  std::size_t slash = windowsPath.find_last_of("\\/");
  return std::string(slash == std::string_view::npos ? windowsPath : windowsPath.substr(slash + 1));
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

void CheckCell(int row, int column) {
  if (row < 1 || row > kMaxRows || column < 1 || column > kMaxColumns) throw Refused();
}

// The text a cell shows through its number format.
std::string DisplayText(const SheetData& sheet, const Cell& c) {
  const std::string& mask = sheet.styles->Get(c.style).numberFormat;
  switch (c.kind) {
    case CellKind::Number:
      return detail::FormatNumber(c.number, mask);
    case CellKind::Text:
      return detail::FormatText(c.text, mask);
    case CellKind::Boolean:
      return c.number != 0 ? "TRUE" : "FALSE";
    case CellKind::Error:
      return CellValue::Error(static_cast<int>(c.number)).ErrorName();
    case CellKind::Empty:
      break;
  }
  return "";
}

// The cell, ready for a value of its own: no formula computes it any more.
Cell& Overwritten(SheetData& sheet, int row, int column) {
  Cell& cell = sheet.At(row, column);
  sheet.formulas.erase(SheetData::FormulaKey(row, column));
  cell.hasFormula = false;
  return cell;
}

void Calculate(SheetData& sheet) {
  if (sheet.formulasDirty && !sheet.formulas.empty()) sheet.Recalculate();
}

int SheetIndex(const BookData& book, const SheetData& sheet) {
  for (std::size_t i = 0; i < book.sheets.size(); ++i) {
    if (book.sheets[i].get() == &sheet) return static_cast<int>(i);
  }
  return -1;
}

void CheckSheetName(const BookData* book, const SheetData* self, std::string_view name) {
  bool valid = !name.empty() && name.size() <= kMaxSheetName && name.front() != '\'' && name.back() != '\'' &&
               name.find_first_of(":\\/?*[]") == std::string_view::npos;
  if (!valid) throw Refused("\"" + std::string(name) + "\" is not a valid sheet name.");
  if (!book) return;
  for (const auto& other : book->sheets) {
    if (other.get() != self && SameName(other->name, name)) {
      throw Refused("A sheet named \"" + std::string(name) + "\" is already in the workbook.");
    }
  }
}

std::string NextSheetName(BookData& book) {
  for (;;) {
    std::string name = "Sheet" + std::to_string(++book.sheetsMade);
    bool taken = std::any_of(book.sheets.begin(), book.sheets.end(),
                             [&](const auto& s) { return SameName(s->name, name); });
    if (!taken) return name;
  }
}

void MakeActive(const std::shared_ptr<BookData>& book) {
  if (auto app = book->app.lock()) app->activeBook = book;
}

}  // namespace

// ---- Range -----------------------------------------------------------------

Range::Range(std::shared_ptr<SheetData> sheet, int row1, int column1, int row2, int column2, View view)
    : sheet_(std::move(sheet)), row1_(row1), column1_(column1), row2_(row2), column2_(column2), view_(view) {}

SheetData& Range::sheet() const {
  if (!sheet_) throw vb::ObjectNotSet();
  return *sheet_;
}

std::uint16_t Range::FirstStyle() const {
  const SheetData& s = sheet();
  const Cell* c = s.Find(row1_, column1_);
  return c ? c->style : s.InheritedStyle(row1_, column1_);
}

template <class F>
void Range::ForEachCell(F&& set) const {
  SheetData& s = sheet();
  for (int r = row1_; r <= row2_; ++r) {
    for (int c = column1_; c <= column2_; ++c) set(s, r, c);
  }
  if (!s.formulas.empty()) s.formulasDirty = true;
}

template <class F>
void Range::Restyle(F&& change) const {
  SheetData& s = sheet();
  detail::StyleTable& table = *s.styles;
  std::map<std::uint16_t, std::uint16_t> changed;
  auto restyle = [&](std::uint16_t id) {
    auto it = changed.find(id);
    if (it != changed.end()) return it->second;
    CellStyle style = table.Get(id);
    change(style);
    return changed[id] = table.Intern(style);
  };
  bool wholeRows = column1_ == 1 && column2_ == kMaxColumns;
  bool wholeColumns = row1_ == 1 && row2_ == kMaxRows;
  if (!wholeRows && !wholeColumns) {
    for (int r = row1_; r <= row2_; ++r) {
      for (int c = column1_; c <= column2_; ++c) {
        Cell& cell = s.At(r, c);
        cell.style = restyle(cell.style);
      }
    }
    return;
  }
  // Whole rows or columns keep a format of their own for cells made later;
  // where a formatted row meets a formatted column the cell is made now, so
  // it keeps both.
  int lastRow = std::min<int>(row2_, static_cast<int>(s.rows.size()));
  if (wholeColumns) {
    for (int r = 1; r <= lastRow; ++r) {
      if (!s.rows[static_cast<std::size_t>(r) - 1].hasStyle) continue;
      for (int c = column1_; c <= column2_; ++c) s.At(r, c);
    }
  } else {
    for (int c = column1_; c <= column2_; ++c) {
      if (!s.columns[static_cast<std::size_t>(c) - 1].hasStyle) continue;
      for (int r = row1_; r <= row2_; ++r) s.At(r, c);
    }
    lastRow = std::min<int>(row2_, static_cast<int>(s.rows.size()));
  }
  for (int r = row1_; r <= lastRow; ++r) {
    auto& cells = s.rows[static_cast<std::size_t>(r) - 1].cells;
    int lastColumn = std::min<int>(column2_, static_cast<int>(cells.size()));
    for (int c = column1_; c <= lastColumn; ++c) {
      Cell& cell = cells[static_cast<std::size_t>(c) - 1];
      if (cell.Exists()) cell.style = restyle(cell.style);
    }
  }
  if (wholeColumns) {
    for (int c = column1_; c <= column2_; ++c) {
      detail::Column& col = s.columns[static_cast<std::size_t>(c) - 1];
      col.style = restyle(col.hasStyle ? col.style : 0);
      col.hasStyle = true;
    }
  }
  if (wholeRows) {
    if (!wholeColumns && s.rows.size() < static_cast<std::size_t>(row2_)) s.rows.resize(static_cast<std::size_t>(row2_));
    for (int r = row1_; r <= std::min<int>(row2_, static_cast<int>(s.rows.size())); ++r) {
      detail::Row& row = s.rows[static_cast<std::size_t>(r) - 1];
      if (wholeColumns && !row.hasStyle) continue;
      row.style = restyle(row.hasStyle ? row.style : 0);
      row.hasStyle = true;
    }
  }
}

CellValue Range::Value() const {
  CellValue v = Value2();
  const SheetData& s = sheet();
  if (v.type() == CellValue::Type::Number && detail::IsDateFormat(s.styles->Get(FirstStyle()).numberFormat)) {
    return CellValue::Date(v.number());
  }
  return v;
}

CellValue Range::Value2() const {
  SheetData& s = sheet();
  Calculate(s);
  const Cell* c = s.Find(row1_, column1_);
  if (!c) return {};
  switch (c->kind) {
    case CellKind::Number:
      return CellValue::Number(c->number);
    case CellKind::Text:
      return CellValue::Text(c->text);
    case CellKind::Boolean:
      return CellValue::Boolean(c->number != 0);
    case CellKind::Error:
      return CellValue::Error(static_cast<int>(c->number));
    case CellKind::Empty:
      break;
  }
  return {};
}

void Range::Value(std::string_view text) const {
  if (text.size() > kMaxCellText) throw Refused("A cell holds at most 32767 characters.");
  ForEachCell([&](SheetData& s, int r, int c) {
    Cell& cell = s.At(r, c);
    auto entry = detail::InterpretTyped(text, s.styles->Get(cell.style).numberFormat);
    std::uint32_t key = SheetData::FormulaKey(r, c);
    std::optional<detail::Rpn> formula;
    if (entry.kind == detail::TypedEntry::Kind::Formula) {
      formula = detail::ParseFormula(entry.text);
      if (!formula) throw Refused("The formula \"" + entry.text + "\" cannot be entered.");
    }
    s.formulas.erase(key);
    cell.hasFormula = false;
    cell.text.clear();
    cell.number = 0;
    switch (entry.kind) {
      case detail::TypedEntry::Kind::Empty:
        cell.kind = CellKind::Empty;
        break;
      case detail::TypedEntry::Kind::Number:
        cell.kind = CellKind::Number;
        cell.number = entry.number;
        break;
      case detail::TypedEntry::Kind::Text:
        cell.kind = CellKind::Text;
        cell.text = std::move(entry.text);
        break;
      case detail::TypedEntry::Kind::Boolean:
        cell.kind = CellKind::Boolean;
        cell.number = entry.number;
        break;
      case detail::TypedEntry::Kind::Formula:
        cell.kind = CellKind::Number;
        cell.hasFormula = true;
        s.formulas[key] = std::move(*formula);
        break;
    }
    if (entry.impliedFormat) {
      CellStyle style = s.styles->Get(cell.style);
      style.numberFormat = *entry.impliedFormat;
      cell.style = s.styles->Intern(style);
    }
  });
  Calculate(sheet());
}

void Range::Value(double number) const {
  if (!std::isfinite(number)) throw Refused();
  ForEachCell([&](SheetData& s, int r, int c) {
    Cell& cell = Overwritten(s, r, c);
    // A cell formatted as text keeps even a number as text.
    if (detail::IsTextFormat(s.styles->Get(cell.style).numberFormat)) {
      cell.kind = CellKind::Text;
      cell.text = vb::CStr(number);
      cell.number = 0;
    } else {
      cell.kind = CellKind::Number;
      cell.number = number == 0 ? 0 : number;
      cell.text.clear();
    }
  });
}

void Range::Value(vb::Currency amount) const { Value(amount.ToDouble()); }

void Range::Value(const vb::Date& date) const {
  if (date.Year() < 1900) {
    std::string typed(1, '\'');  // before 1900 the workbook keeps the date as text
    typed += vb::CStr(date);
    Value(CellValue::Text(typed));
    return;
  }
  double serial = date.Serial();
  if (serial < 61) serial -= 1;  // the workbook counts a 29 February 1900
  const std::string dateFormat(detail::BuiltInFormat(date.HasTime() ? 22 : 14));
  ForEachCell([&](SheetData& s, int r, int c) {
    Cell& cell = Overwritten(s, r, c);
    CellStyle style = s.styles->Get(cell.style);
    if (detail::IsTextFormat(style.numberFormat)) {
      cell.kind = CellKind::Text;
      cell.text = vb::CStr(date);
      cell.number = 0;
      return;
    }
    cell.kind = CellKind::Number;
    cell.number = serial;
    cell.text.clear();
    if (!detail::IsDateFormat(style.numberFormat)) {
      style.numberFormat = dateFormat;
      cell.style = s.styles->Intern(style);
    }
  });
}

void Range::Value(const CellValue& value) const {
  switch (value.type()) {
    case CellValue::Type::Empty:
      Value(std::string_view());
      return;
    case CellValue::Type::Number:
      Value(value.number());
      return;
    case CellValue::Type::Date: {
      double serial = value.number() < 61 ? value.number() + 1 : value.number();
      Value(vb::Date::FromSerial(serial));
      return;
    }
    case CellValue::Type::Text:
      Value(std::string_view(value.text()));
      return;
    case CellValue::Type::Boolean:
    case CellValue::Type::Error:
      ForEachCell([&](SheetData& s, int r, int c) {
        Cell& cell = Overwritten(s, r, c);
        cell.kind = value.type() == CellValue::Type::Boolean ? CellKind::Boolean : CellKind::Error;
        cell.number = value.number();
        cell.text.clear();
      });
      return;
  }
}

std::string Range::Text() const {
  SheetData& s = sheet();
  Calculate(s);
  const Cell* c = s.Find(row1_, column1_);
  return c ? DisplayText(s, *c) : std::string();
}

std::string Range::Formula() const {
  SheetData& s = sheet();
  auto it = s.formulas.find(SheetData::FormulaKey(row1_, column1_));
  if (it != s.formulas.end()) return detail::FormulaText(it->second);
  CellValue v = Value();
  if (v.type() == CellValue::Type::Boolean) return v.boolean() ? "TRUE" : "FALSE";
  if (v.type() == CellValue::Type::Error) return v.ErrorName();
  return v.ToText();
}

std::string Range::NumberFormat() const { return sheet().styles->Get(FirstStyle()).numberFormat; }

void Range::NumberFormat(std::string_view mask) const {
  std::string value = mask.empty() || SameName(mask, "General") ? std::string("General") : std::string(mask);
  Restyle([&](CellStyle& s) { s.numberFormat = value; });
}

workbook::Font Range::Font() const {
  sheet();
  return workbook::Font(*this);
}

int Range::HorizontalAlignment() const {
  switch (sheet().styles->Get(FirstStyle()).horizontal) {
    case 1:
      return xlLeft;
    case 2:
      return xlCenter;
    case 3:
      return xlRight;
    default:
      return xlHAlignGeneral;
  }
}

void Range::HorizontalAlignment(int alignment) const {
  std::uint8_t value = 0;
  switch (alignment) {
    case xlHAlignGeneral:
      value = 0;
      break;
    case xlLeft:
      value = 1;
      break;
    case xlCenter:
      value = 2;
      break;
    case xlRight:
      value = 3;
      break;
    default:
      throw Refused("Unable to set the HorizontalAlignment property of the Range class");
  }
  Restyle([&](CellStyle& s) { s.horizontal = value; });
}

workbook::Border Range::Borders(XlBordersIndex edge) const {
  sheet();
  switch (edge) {
    case xlEdgeLeft:
      return workbook::Border(*this, detail::kEdgeLeft);
    case xlEdgeTop:
      return workbook::Border(*this, detail::kEdgeTop);
    case xlEdgeBottom:
      return workbook::Border(*this, detail::kEdgeBottom);
    case xlEdgeRight:
      return workbook::Border(*this, detail::kEdgeRight);
  }
  throw Refused();
}

void Range::AutoFit() const {
  SheetData& s = sheet();
  if (view_ == View::Rows) return;
  bool wholeColumns = row1_ == 1 && row2_ == kMaxRows;
  if (view_ == View::Cells && !wholeColumns) throw Refused("AutoFit method of Range class failed");
  Calculate(s);
  int lastRow = std::min<int>(row2_, static_cast<int>(s.rows.size()));
  for (int c = column1_; c <= column2_; ++c) {
    double widest = -1;
    for (int r = row1_; r <= lastRow; ++r) {
      const Cell* cell = s.Find(r, c);
      if (!cell || cell->kind == CellKind::Empty) continue;
      widest = std::max(widest, detail::TextPixels(DisplayText(s, *cell), s.styles->Get(cell->style).bold));
    }
    // A column with nothing to show keeps its width.
    if (widest >= 0) s.columns[static_cast<std::size_t>(c) - 1].width = detail::WidthForPixels(widest);
  }
}

double Range::ColumnWidth() const {
  std::uint16_t width = sheet().columns[static_cast<std::size_t>(column1_) - 1].width;
  return detail::WidthToCharacters(width ? width : detail::CharactersToWidth(8.43));
}

void Range::ColumnWidth(double characters) const {
  SheetData& s = sheet();
  if (!(characters >= 0 && characters <= 255)) throw Refused("Unable to set the ColumnWidth property of the Range class");
  for (int c = column1_; c <= column2_; ++c) {
    s.columns[static_cast<std::size_t>(c) - 1].width = detail::CharactersToWidth(characters);
  }
}

int Range::Row() const {
  sheet();
  return row1_;
}

int Range::Column() const {
  sheet();
  return column1_;
}

long Range::Count() const {
  sheet();
  long rows = row2_ - row1_ + 1, columns = column2_ - column1_ + 1;
  return view_ == View::Rows ? rows : view_ == View::Columns ? columns : rows * columns;
}

Range Range::Rows() const {
  sheet();
  return Range(sheet_, row1_, column1_, row2_, column2_, View::Rows);
}

Range Range::Columns() const {
  sheet();
  return Range(sheet_, row1_, column1_, row2_, column2_, View::Columns);
}

Range Range::EntireRow() const {
  sheet();
  return Range(sheet_, row1_, 1, row2_, kMaxColumns, View::Rows);
}

Range Range::EntireColumn() const {
  sheet();
  return Range(sheet_, 1, column1_, kMaxRows, column2_, View::Columns);
}

Range Range::Cells(int row, int column) const {
  sheet();
  CheckCell(row1_ + row - 1, column1_ + column - 1);
  return Range(sheet_, row1_ + row - 1, column1_ + column - 1, row1_ + row - 1, column1_ + column - 1, View::Cells);
}

std::string Range::Address() const {
  sheet();
  using detail::CellName;
  using detail::ColumnName;
  if (row1_ == 1 && row2_ == kMaxRows) return "$" + ColumnName(column1_) + ":$" + ColumnName(column2_);
  if (column1_ == 1 && column2_ == kMaxColumns) return "$" + std::to_string(row1_) + ":$" + std::to_string(row2_);
  std::string first = CellName({row1_, column1_, true, true});
  if (row1_ == row2_ && column1_ == column2_) return first;
  return first + ":" + CellName({row2_, column2_, true, true});
}

workbook::Worksheet Range::Worksheet() const {
  sheet();
  return workbook::Worksheet(sheet_);
}

// ---- Font and Border ---------------------------------------------------------

bool Font::Bold() const { return range_.sheet().styles->Get(range_.FirstStyle()).bold; }
void Font::Bold(bool on) const {
  range_.Restyle([&](CellStyle& s) { s.bold = on; });
}
bool Font::Underline() const { return range_.sheet().styles->Get(range_.FirstStyle()).underline; }
void Font::Underline(bool on) const {
  range_.Restyle([&](CellStyle& s) { s.underline = on; });
}

namespace {
// Border line styles of the file format.
constexpr std::uint8_t kThin = 1, kMedium = 2, kThick = 5, kHair = 7;
}  // namespace

int Border::Weight() const {
  switch (range_.sheet().styles->Get(range_.FirstStyle()).borders[static_cast<std::size_t>(edge_)]) {
    case kHair:
      return xlHairline;
    case kMedium:
      return xlMedium;
    case kThick:
      return xlThick;
    default:
      return xlThin;
  }
}

void Border::Weight(XlBorderWeight weight) const {
  std::uint8_t line = weight == xlHairline ? kHair : weight == xlMedium ? kMedium : weight == xlThick ? kThick : kThin;
  range_.Restyle([&](CellStyle& s) { s.borders[static_cast<std::size_t>(edge_)] = line; });
}

int Border::LineStyle() const {
  auto line = range_.sheet().styles->Get(range_.FirstStyle()).borders[static_cast<std::size_t>(edge_)];
  return line ? xlContinuous : xlLineStyleNone;
}

void Border::LineStyle(XlLineStyle style) const {
  range_.Restyle([&](CellStyle& s) {
    auto& line = s.borders[static_cast<std::size_t>(edge_)];
    if (style == xlLineStyleNone) {
      line = 0;
    } else if (line == 0) {
      line = kThin;
    }
  });
}

// ---- Worksheet ---------------------------------------------------------------

SheetData& Worksheet::sheet() const {
  if (!sheet_) throw vb::ObjectNotSet();
  return *sheet_;
}

std::string Worksheet::Name() const { return sheet().name; }

void Worksheet::Name(std::string_view name) const {
  SheetData& s = sheet();
  auto book = s.book.lock();
  CheckSheetName(book.get(), &s, name);
  s.name = std::string(name);
}

int Worksheet::Index() const {
  SheetData& s = sheet();
  auto book = s.book.lock();
  return book ? SheetIndex(*book, s) + 1 : 0;
}

void Worksheet::Activate() const {
  SheetData& s = sheet();
  auto book = s.book.lock();
  if (!book) return;
  int index = SheetIndex(*book, s);
  if (index >= 0) book->active = index;
  MakeActive(book);
}

Range Worksheet::Cells(int row, int column) const {
  sheet();
  CheckCell(row, column);
  return workbook::Range(sheet_, row, column, row, column, workbook::Range::View::Cells);
}

Range Worksheet::Cells() const {
  sheet();
  return workbook::Range(sheet_, 1, 1, kMaxRows, kMaxColumns, workbook::Range::View::Cells);
}

Range Worksheet::Range(std::string_view address) const {
  sheet();
  auto area = detail::ParseAddress(address);
  if (!area) throw Refused("\"" + std::string(address) + "\" is not a cell address.");
  return workbook::Range(sheet_, area->row1, area->column1, area->row2, area->column2, workbook::Range::View::Cells);
}

Range Worksheet::Range(std::string_view cell1, std::string_view cell2) const {
  auto a = Range(cell1), b = Range(cell2);
  return workbook::Range(sheet_, std::min(a.row1_, b.row1_), std::min(a.column1_, b.column1_), std::max(a.row2_, b.row2_),
                         std::max(a.column2_, b.column2_), workbook::Range::View::Cells);
}

Range Worksheet::Columns() const {
  sheet();
  return workbook::Range(sheet_, 1, 1, kMaxRows, kMaxColumns, workbook::Range::View::Columns);
}

Range Worksheet::Columns(int column) const {
  sheet();
  CheckCell(1, column);
  return workbook::Range(sheet_, 1, column, kMaxRows, column, workbook::Range::View::Columns);
}

Range Worksheet::Columns(std::string_view letters) const {
  sheet();
  std::string address(letters);
  if (address.find(':') == std::string::npos) address += ":" + address;
  auto area = detail::ParseAddress(address);
  if (!area || area->row1 != 1 || area->row2 != kMaxRows) throw Refused("\"" + std::string(letters) + "\" is not a column.");
  return workbook::Range(sheet_, 1, area->column1, kMaxRows, area->column2, workbook::Range::View::Columns);
}

Range Worksheet::Rows() const {
  sheet();
  return workbook::Range(sheet_, 1, 1, kMaxRows, kMaxColumns, workbook::Range::View::Rows);
}

Range Worksheet::Rows(int row) const {
  sheet();
  CheckCell(row, 1);
  return workbook::Range(sheet_, row, 1, row, kMaxColumns, workbook::Range::View::Rows);
}

Range Worksheet::UsedRange() const {
  const SheetData& s = sheet();
  int row1 = 0, row2 = 0, column1 = kMaxColumns + 1, column2 = 0;
  for (std::size_t r = 0; r < s.rows.size(); ++r) {
    const auto& cells = s.rows[r].cells;
    for (std::size_t c = 0; c < cells.size(); ++c) {
      if (!cells[c].Exists()) continue;
      if (row1 == 0) row1 = static_cast<int>(r) + 1;
      row2 = static_cast<int>(r) + 1;
      column1 = std::min(column1, static_cast<int>(c) + 1);
      column2 = std::max(column2, static_cast<int>(c) + 1);
    }
  }
  if (row1 == 0) return workbook::Range(sheet_, 1, 1, 1, 1, workbook::Range::View::Cells);
  return workbook::Range(sheet_, row1, column1, row2, column2, workbook::Range::View::Cells);
}

// ---- Worksheets --------------------------------------------------------------

int Worksheets::Count() const {
  if (!book_) throw vb::ObjectNotSet();
  return static_cast<int>(book_->sheets.size());
}

Worksheet Worksheets::operator()(int index) const {
  if (!book_) throw vb::ObjectNotSet();
  if (index < 1 || index > static_cast<int>(book_->sheets.size())) throw vb::SubscriptOutOfRange();
  return Worksheet(book_->sheets[static_cast<std::size_t>(index) - 1]);
}

Worksheet Worksheets::operator()(std::string_view name) const {
  if (!book_) throw vb::ObjectNotSet();
  for (const auto& s : book_->sheets) {
    if (SameName(s->name, name)) return Worksheet(s);
  }
  throw vb::SubscriptOutOfRange();
}

Worksheet Worksheets::Add() const {
  if (!book_) throw vb::ObjectNotSet();
  auto sheet = detail::MakeSheet(book_, NextSheetName(*book_));
  int at = std::clamp(book_->active, 0, static_cast<int>(book_->sheets.size()));
  book_->sheets.insert(book_->sheets.begin() + at, sheet);
  book_->active = at;
  return Worksheet(sheet);
}

Worksheet Worksheets::AddAfter(const Worksheet& after) const {
  if (!book_) throw vb::ObjectNotSet();
  int index = SheetIndex(*book_, after.sheet());
  if (index < 0) throw Refused();
  auto sheet = detail::MakeSheet(book_, NextSheetName(*book_));
  book_->sheets.insert(book_->sheets.begin() + index + 1, sheet);
  book_->active = index + 1;
  return Worksheet(sheet);
}

// ---- Workbook ----------------------------------------------------------------

BookData& Workbook::book() const {
  if (!book_) throw vb::ObjectNotSet();
  return *book_;
}

workbook::Worksheets Workbook::Worksheets() const {
  book();
  return workbook::Worksheets(book_);
}

Worksheet Workbook::ActiveSheet() const {
  BookData& b = book();
  if (b.sheets.empty()) return {};
  return Worksheet(b.sheets[static_cast<std::size_t>(std::clamp(b.active, 0, static_cast<int>(b.sheets.size()) - 1))]);
}

void Workbook::Activate() const {
  book();
  MakeActive(book_);
}

std::string Workbook::Name() const { return book().name; }

std::string Workbook::FullName() const {
  BookData& b = book();
  return b.fullName.empty() ? b.name : b.fullName;
}

void Workbook::SaveAs(std::string_view path) const {
  BookData& b = book();
  detail::SaveXlsFile(b, HostPath(path));
  b.fullName = std::string(path);
  b.name = FileNameOf(path);
}

void Workbook::Save() const {
  BookData& b = book();
  if (b.fullName.empty()) throw Refused("The workbook has no file yet; it needs SaveAs.");
  SaveAs(b.fullName);
}

void Workbook::Close(bool saveChanges, std::string_view path) const {
  BookData& b = book();
  if (saveChanges) {
    if (path.empty()) {
      Save();
    } else {
      SaveAs(path);
    }
  }
  if (auto app = b.app.lock()) {
    std::erase(app->books, book_);
    if (app->activeBook.lock() == book_) {
      app->activeBook = app->books.empty() ? std::weak_ptr<BookData>() : app->books.back();
    }
  }
  b.app.reset();
}

// ---- Workbooks and Application -----------------------------------------------

int Workbooks::Count() const {
  if (!app_) throw vb::ObjectNotSet();
  return static_cast<int>(app_->books.size());
}

Workbook Workbooks::operator()(int index) const {
  if (!app_) throw vb::ObjectNotSet();
  if (index < 1 || index > static_cast<int>(app_->books.size())) throw vb::SubscriptOutOfRange();
  return Workbook(app_->books[static_cast<std::size_t>(index) - 1]);
}

Workbook Workbooks::Add() const {
  if (!app_) throw vb::ObjectNotSet();
  auto book = std::make_shared<BookData>();
  book->app = app_;
  book->name = "Book" + std::to_string(++app_->booksMade);
  for (int i = 0; i < 3; ++i) book->sheets.push_back(detail::MakeSheet(book, NextSheetName(*book)));
  app_->books.push_back(book);
  app_->activeBook = book;
  return Workbook(book);
}

Workbook Workbooks::Open(std::string_view path) const {
  if (!app_) throw vb::ObjectNotSet();
  auto book = std::make_shared<BookData>();
  detail::LoadXlsFile(HostPath(path), path, book);
  book->app = app_;
  book->fullName = std::string(path);
  book->name = FileNameOf(path);
  app_->books.push_back(book);
  app_->activeBook = book;
  return Workbook(book);
}

Application Application::Create() {
  auto app = std::make_shared<detail::AppData>();
  app->visible = false;  // an application started by a program is hidden
  return Application(app);
}

detail::AppData& Application::app() const {
  if (!app_) throw vb::ObjectNotSet();
  return *app_;
}

bool Application::Visible() const { return app().visible; }
void Application::Visible(bool on) const { app().visible = on; }
bool Application::DisplayAlerts() const { return app().displayAlerts; }
void Application::DisplayAlerts(bool on) const { app().displayAlerts = on; }

workbook::Workbooks Application::Workbooks() const {
  app();
  return workbook::Workbooks(app_);
}

Workbook Application::ActiveWorkbook() const {
  auto book = app().activeBook.lock();
  return book ? Workbook(book) : Workbook();
}

Worksheet Application::ActiveSheet() const {
  Workbook book = ActiveWorkbook();
  return book.book_ ? book.ActiveSheet() : Worksheet();
}

namespace {
// The sheet the application's own Cells, Range and Columns reach: the active one.
Worksheet CellsSheet(const Application& app) {
  Worksheet sheet = app.ActiveSheet();
  if (sheet == Worksheet()) throw Refused();
  return sheet;
}
}  // namespace

Range Application::Cells(int row, int column) const { return CellsSheet(*this).Cells(row, column); }
Range Application::Range(std::string_view address) const { return CellsSheet(*this).Range(address); }
Range Application::Columns() const { return CellsSheet(*this).Columns(); }

void Application::Quit() const {
  detail::AppData& a = app();
  for (auto& book : a.books) book->app.reset();
  a.books.clear();
  a.activeBook.reset();
}

Workbook GetObject(std::string_view path) { return Application::Create().Workbooks().Open(path); }

bool TypingDropsDigits(std::string_view text) {
  const std::optional<detail::TypedNumber> number = detail::ParseTypedNumber(text);
  return number && number->digitsDropped;
}

}  // namespace qvl::workbook
