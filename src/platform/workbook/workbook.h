#pragma once
// The spreadsheet layer: a small object model after the spreadsheet
// application's own (Application, Workbooks, Workbook, Worksheets,
// Worksheet, Range, Font, Border), saving and opening real Excel 97-2003
// workbooks (.xls), and opening Excel 5.0/95 ones. Names and behaviour follow the application, so a
// writer reads like its layout:
//
//   auto xlApp = workbook::Application::Create();
//   xlApp.Visible(false);
//   xlApp.DisplayAlerts(false);
//   auto xlBook = xlApp.Workbooks().Add();
//   auto xlSheet = xlBook.Worksheets(1);
//   xlSheet.Cells(1, 1).Value("GL1");
//   xlSheet.Range("A1:J1").Font().Bold(true);
//   xlSheet.Columns().AutoFit();
//   xlBook.SaveAs("c:\\out\\1234_Oct1009.xls");
//   xlApp.Quit();
//
// Objects are handles: copies refer to the same application, workbook or
// sheet, and stay usable as long as a handle exists. A default-made handle is
// "Nothing"; using it raises vb::Error 91. Failures raise vb::Error: 9
// "Subscript out of range" for a missing worksheet, 53 "File not found" for a
// workbook path that does not exist, 76 "Path not found" for a folder that
// does not, 70 "Permission denied" or 75 "Path/File access error" when a file
// cannot be read or written, and 1004 (kApplicationError) for what the
// application refuses: a cell outside the sheet, a bad address or sheet
// name, a formula it cannot take, a file that is not a readable workbook.
// Rows and columns count from 1. Texts are Windows-1252.
#include <concepts>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/vb/currency.h"
#include "platform/vb/date.h"
#include "platform/workbook/cell_value.h"

namespace qvl::workbook {

namespace detail {
struct AppData;
struct BookData;
struct SheetData;
}  // namespace detail

inline constexpr int kApplicationError = 1004;

// Constants under the application's own names and values.
enum XlHAlign : int { xlHAlignGeneral = 1, xlLeft = -4131, xlCenter = -4108, xlRight = -4152 };
enum XlBordersIndex : int { xlEdgeLeft = 7, xlEdgeTop = 8, xlEdgeBottom = 9, xlEdgeRight = 10 };
enum XlBorderWeight : int { xlHairline = 1, xlThin = 2, xlMedium = -4138, xlThick = 4 };
enum XlLineStyle : int { xlContinuous = 1, xlLineStyleNone = -4142 };

class Range;
class Worksheet;
class Workbook;

class Font;
class Border;

class Range {
 public:
  Range() = default;

  // The value of the first cell. Dates come as CellValue::Date.
  CellValue Value() const;
  // The same, dates as their serial numbers.
  CellValue Value2() const;
  // Every cell of the range takes the value. Text is taken as typed: a
  // number or m/d/yyyy date becomes that value, "'" keeps the rest as
  // text, "=" starts a formula (cell references, ranges in SUM, + - * /);
  // a cell formatted "@" keeps anything as text. "" empties the cell.
  void Value(std::string_view text) const;
  void Value(const char* text) const { Value(std::string_view(text)); }
  void Value(const std::string& text) const { Value(std::string_view(text)); }
  void Value(double number) const;
  template <std::integral Int>
    requires(!std::same_as<Int, bool> && !std::same_as<Int, char>)
  void Value(Int number) const {
    Value(static_cast<double>(number));
  }
  void Value(vb::Currency amount) const;
  void Value(const vb::Date& date) const;  // a date value; the cell gets m/d/yyyy unless it shows dates
  void Value(const CellValue& value) const;

  // The first cell as it is shown through its number format.
  std::string Text() const;
  // Its formula ("=SUM(D136:D151)"), or its value as text.
  std::string Formula() const;

  std::string NumberFormat() const;
  void NumberFormat(std::string_view mask) const;
  workbook::Font Font() const;
  int HorizontalAlignment() const;
  void HorizontalAlignment(int alignment) const;  // xlCenter, xlLeft, xlRight, xlHAlignGeneral
  workbook::Border Borders(XlBordersIndex edge) const;

  // Fits the widths of the range's columns to the text their cells show
  // (within the range's rows). For whole columns (Columns(), EntireColumn)
  // every row counts. Rows have no height to fit: nothing happens.
  void AutoFit() const;
  // Width of the first column in characters of the standard font.
  double ColumnWidth() const;
  void ColumnWidth(double characters) const;

  int Row() const;
  int Column() const;
  long Count() const;  // cells; rows of Rows(), columns of Columns()
  workbook::Range Rows() const;
  workbook::Range Columns() const;
  workbook::Range EntireRow() const;
  workbook::Range EntireColumn() const;
  workbook::Range Cells(int row, int column) const;  // relative to the range
  std::string Address() const;                        // "$A$1:$J$1"
  workbook::Worksheet Worksheet() const;

 private:
  friend class Worksheet;
  friend class Font;
  friend class Border;
  enum class View : std::uint8_t { Cells, Rows, Columns };
  Range(std::shared_ptr<detail::SheetData> sheet, int row1, int column1, int row2, int column2, View view);
  detail::SheetData& sheet() const;
  std::uint16_t FirstStyle() const;  // the style the first cell shows
  template <class F>
  void Restyle(F&& change) const;
  template <class F>
  void ForEachCell(F&& set) const;

  std::shared_ptr<detail::SheetData> sheet_;
  int row1_ = 0, column1_ = 0, row2_ = 0, column2_ = 0;
  View view_ = View::Cells;
};

class Font {
 public:
  bool Bold() const;
  void Bold(bool on) const;
  bool Underline() const;  // single underline
  void Underline(bool on) const;

 private:
  friend class Range;
  explicit Font(Range range) : range_(std::move(range)) {}
  Range range_;
};

// One edge of the cells of a range: Borders(xlEdgeBottom).Weight(xlThick).
class Border {
 public:
  int Weight() const;
  void Weight(XlBorderWeight weight) const;
  int LineStyle() const;
  void LineStyle(XlLineStyle style) const;

 private:
  friend class Range;
  Border(Range range, int edge) : range_(std::move(range)), edge_(edge) {}
  Range range_;
  int edge_;
};

class Worksheet {
 public:
  Worksheet() = default;
  std::string Name() const;
  // Up to 31 characters, none of : \ / ? * [ ], not the name of another
  // sheet of the workbook (letter case ignored).
  void Name(std::string_view name) const;
  int Index() const;
  void Activate() const;

  workbook::Range Cells(int row, int column) const;
  workbook::Range Cells() const;  // every cell
  // "B5", "A1:J1", "D5:D1000", "B:D", "5:5"; or two corner cells.
  workbook::Range Range(std::string_view address) const;
  workbook::Range Range(std::string_view cell1, std::string_view cell2) const;
  workbook::Range Columns() const;
  workbook::Range Columns(int column) const;
  workbook::Range Columns(std::string_view letters) const;  // "B" or "B:D"
  workbook::Range Rows() const;
  workbook::Range Rows(int row) const;
  // The cells in use, from the first to the last row and column holding a
  // value or a format ($A$1 on an empty sheet); UsedRange().Rows().Count()
  // is the number of rows in use.
  workbook::Range UsedRange() const;

  friend bool operator==(const Worksheet& a, const Worksheet& b) { return a.sheet_ == b.sheet_; }

 private:
  friend class Range;
  friend class Worksheets;
  friend class Workbook;
  friend class Application;
  explicit Worksheet(std::shared_ptr<detail::SheetData> sheet) : sheet_(std::move(sheet)) {}
  detail::SheetData& sheet() const;
  std::shared_ptr<detail::SheetData> sheet_;
};

class Worksheets {
 public:
  int Count() const;
  Worksheet operator()(int index) const;  // from 1
  Worksheet operator()(std::string_view name) const;
  Worksheet Item(int index) const { return (*this)(index); }
  Worksheet Item(std::string_view name) const { return (*this)(name); }
  // A new sheet "SheetN" before the active sheet (or after `after`); it
  // becomes the active sheet.
  Worksheet Add() const;
  Worksheet AddAfter(const Worksheet& after) const;

 private:
  friend class Workbook;
  explicit Worksheets(std::shared_ptr<detail::BookData> book) : book_(std::move(book)) {}
  std::shared_ptr<detail::BookData> book_;
};

class Workbook {
 public:
  Workbook() = default;
  workbook::Worksheets Worksheets() const;
  Worksheet Worksheets(int index) const { return Worksheets()(index); }
  Worksheet Worksheets(std::string_view name) const { return Worksheets()(name); }
  Worksheet Worksheets(const char* name) const { return Worksheets()(std::string_view(name)); }
  Worksheet ActiveSheet() const;
  void Activate() const;

  std::string Name() const;      // "Book1", or the file name once opened or saved
  std::string FullName() const;  // the Windows path, or the name

  // Writes the workbook as an Excel 97-2003 file under the Windows path,
  // replacing a file of that name. A failed save raises vb::Error.
  void SaveAs(std::string_view path) const;
  // Saves under the path it was opened from or last saved to.
  void Save() const;
  // Closes it; with saveChanges it is saved first (under `path` when given).
  // Unsaved changes are dropped otherwise, as with alerts switched off.
  void Close(bool saveChanges = false, std::string_view path = {}) const;

  friend bool operator==(const Workbook& a, const Workbook& b) { return a.book_ == b.book_; }

 private:
  friend class Workbooks;
  friend class Application;
  friend Workbook GetObject(std::string_view path);
  explicit Workbook(std::shared_ptr<detail::BookData> book) : book_(std::move(book)) {}
  detail::BookData& book() const;
  std::shared_ptr<detail::BookData> book_;
};

class Workbooks {
 public:
  int Count() const;
  Workbook operator()(int index) const;
  // A new workbook with the three sheets "Sheet1".."Sheet3", the first active.
  Workbook Add() const;
  // Opens an existing workbook by its Windows path.
  Workbook Open(std::string_view path) const;

 private:
  friend class Application;
  explicit Workbooks(std::shared_ptr<detail::AppData> app) : app_(std::move(app)) {}
  std::shared_ptr<detail::AppData> app_;
};

class Application {
 public:
  Application() = default;  // Nothing
  // A new, separate application: what "Excel.Application" gives.
  static Application Create();

  bool Visible() const;
  void Visible(bool on) const;
  // Kept for the callers that switch prompts off; nothing here ever asks:
  // saving over a file replaces it, closing without saving drops changes.
  bool DisplayAlerts() const;
  void DisplayAlerts(bool on) const;

  workbook::Workbooks Workbooks() const;
  Workbook ActiveWorkbook() const;
  Worksheet ActiveSheet() const;
  // The active sheet's cells.
  workbook::Range Cells(int row, int column) const;
  workbook::Range Range(std::string_view address) const;
  workbook::Range Columns() const;
  // Closes every workbook without saving and ends the application.
  void Quit() const;

 private:
  explicit Application(std::shared_ptr<detail::AppData> app) : app_(std::move(app)) {}
  detail::AppData& app() const;
  std::shared_ptr<detail::AppData> app_;
};

// A workbook opened by its path alone (its own hidden application), for
// reading cells: Worksheets(1).Range("A2").Value().
Workbook GetObject(std::string_view path);

// Whether the text, typed into a cell, becomes a number that does not give
// back every digit typed: the spreadsheet keeps fifteen significant digits,
// so "123456789012345678" reads back as 123456789012345000.
bool TypingDropsDigits(std::string_view text);

}  // namespace qvl::workbook
