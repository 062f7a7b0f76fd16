#pragma once
// What the writers that build their journal as a workbook of their own, or
// read a client's mapping file, share: the spreadsheet application a run
// starts and always ends, the save that fails as an error naming the
// workbook, the input file's folder where mapping files are looked for, and
// an input line's values as they stand between its commas.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/workbook/workbook.h"

namespace qvl {

class QvLedgerloom;

// A new, hidden spreadsheet application with one new workbook; the
// application quits when the object goes, however the run ends, so a
// workbook is never left open behind a failed run.
class JournalWorkbook {
 public:
  JournalWorkbook();
  ~JournalWorkbook();
  JournalWorkbook(const JournalWorkbook&) = delete;
  JournalWorkbook& operator=(const JournalWorkbook&) = delete;

  const workbook::Workbook& Book() const { return book_; }
  workbook::Worksheet FirstSheet() const { return book_.Worksheets(1); }
  // Saves under the path; a save that fails is a FileError naming it.
  void SaveAs(const std::string& path) const;
  // Saves under the run's workbook name (RunWorkbookName), which becomes
  // OUTFile so the result message names the file to post.
  void SaveAsJournal(QvLedgerloom& window) const;

 private:
  workbook::Application app_;
  workbook::Workbook book_;
};

// The name the run's package saves its workbook under: the output folder,
// the package's prefix, the company number as typed, "_" and the period end
// as "mmmddyy", then `ending` (".xls").
std::string RunWorkbookName(QvLedgerloom& window, std::string_view ending = ".xls");

// A value taken from the export, put into a cell as the spreadsheet takes
// typing (a plain number becomes a number), except what typing would lose
// or misread: a code with leading zeros stays text, so does a number with
// more significant digits than a number cell keeps ("123456789012345678"),
// and a value beginning with "=" or "'" is kept as it stands rather than
// turned into a formula or stripped of its apostrophe. Also for a cell
// formatted "@", where a leading apostrophe is taken as typing's too.
std::string TypedFromData(std::string_view value);

// The row's cells from column 1 on, each taken as typed.
void PutRow(const workbook::Worksheet& sheet, int row, const std::vector<std::string>& values);

// The input path up to and including its last "\" (empty without one).
std::string InputFolder(std::string_view inFile);

// The line split at its commas into `count` values as they stand (quotes and
// blanks kept), the last value the rest of the line. A line with fewer values
// gets empty ones for those missing, and the operator is told once per run.
std::vector<std::string> PaddedValues(QvLedgerloom& window, std::string_view line, std::size_t count);

}  // namespace qvl

namespace qvl {

// The offsetting entry of a package that has none: the operator is told that
// nothing was added, and the balance is tested again.
void EntryNotAdded(QvLedgerloom& window);

}  // namespace qvl
