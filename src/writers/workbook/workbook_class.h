#pragma once
// What the writer classes that build their journal as a workbook share: a
// spreadsheet application of their own for each pass, the workbook saved
// under the package's name in the output folder (which the result message
// then names), and the offsetting entry appended as one more row of the
// saved workbook, below the rows in use.
#include <optional>
#include <string>
#include <string_view>

#include "platform/vb/currency.h"
#include "platform/vb/date.h"
#include "platform/workbook/workbook.h"
#include "writers/classes/class_writer.h"

namespace qvl {

class WorkbookClass : public ClassWriter {
 protected:
  WorkbookClass(QvLedgerloom& window, ClassShape shape);
  ~WorkbookClass() override;

  // The workbook's file name, from the window's current values.
  virtual std::string WorkbookName() const = 0;
  // Output_Path, "\" and the workbook's name.
  std::string WorkbookPath() const;

  // A new workbook, its worksheet 1 in xlSheet.
  void NewWorkbook();
  // The saved workbook of the run, reopened for an offsetting row.
  void ReopenWorkbook();
  // The row the offsetting row goes to, below the rows in use of the
  // reopened workbook; nullopt when no workbook was reopened for it (the
  // offset was refused), so that nothing is written.
  std::optional<int> OffsetRow();
  // Saves the workbook under its name, which becomes the run's OUTFile, and
  // ends the application. A failed save is an error naming the workbook.
  void SaveWorkbook();
  // Ends the application without saving (nothing when none is running).
  void ReleaseWorkbook() noexcept;

  // A cell holding the text as text, leading zeros and all.
  void PutText(int row, int column, std::string_view text) const;
  // A cell holding the text as the spreadsheet takes it when typed.
  void PutTyped(int row, int column, std::string_view text) const;
  // A cell holding a value of the input (an account, a segment, a company)
  // as typed, except that a code keeps its leading zeros as text.
  void PutData(int row, int column, std::string_view value) const;
  void PutAmount(int row, int column, vb::Currency amount) const;

  // The current record's account, debits and credits from the line values.
  void HandLine();

  workbook::Application xlApp;
  workbook::Workbook xlBook;
  workbook::Worksheet xlSheet;

 private:
  // The row below the last row that holds anything (1 on an empty sheet).
  int RowBelowRowsInUse() const;

  bool running_ = false;
  bool reopened_ = false;  // a workbook is open for one offsetting row
};

// A line's "yyyymmdd" date; a text that is no such date is a type mismatch.
vb::Date LineDate(std::string_view yyyymmdd);

// The period ending date of the window in the workbook name's mask.
std::string PeriodEndAs(const QvLedgerloom& window, std::string_view mask);

}  // namespace qvl
