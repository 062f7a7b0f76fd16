#include "writers/workbook/workbook_class.h"

#include <optional>

#include "engine/run_errors.h"
#include "engine/run_state.h"
#include "platform/vb/error.h"
#include "platform/vb/format.h"
#include "window/qvledgerloom.h"
#include "writers/builtin/workbook_journal.h"

namespace qvl {

WorkbookClass::WorkbookClass(QvLedgerloom& window, ClassShape shape) : ClassWriter(window, shape) {}

WorkbookClass::~WorkbookClass() { ReleaseWorkbook(); }

std::string WorkbookClass::WorkbookPath() const { return run().Output_Path + "\\" + WorkbookName(); }

void WorkbookClass::NewWorkbook() {
  ReleaseWorkbook();
  xlApp = workbook::Application::Create();
  running_ = true;
  xlBook = xlApp.Workbooks().Add();
  xlSheet = xlBook.Worksheets(1);
  xlApp.DisplayAlerts(false);
  xlApp.Visible(false);
}

void WorkbookClass::ReopenWorkbook() {
  ReleaseWorkbook();
  const std::string path = WorkbookPath();
  xlApp = workbook::Application::Create();
  running_ = true;
  try {
    xlBook = xlApp.Workbooks().Open(path);
  } catch (const vb::Error& e) {
    ReleaseWorkbook();
    throw FileError(path, e);
  }
  xlSheet = xlBook.Worksheets(1);
  xlApp.DisplayAlerts(false);
  xlApp.Visible(false);
  reopened_ = true;
}

std::optional<int> WorkbookClass::OffsetRow() {
  if (!reopened_) return std::nullopt;
  reopened_ = false;
  return RowBelowRowsInUse();
}

void WorkbookClass::SaveWorkbook() {
  const std::string path = WorkbookPath();
  try {
    xlBook.SaveAs(path);
  } catch (const vb::Error& e) {
    ReleaseWorkbook();
    throw FileError(path, e);
  }
  // The journal to post is the workbook.
  run().OUTFile = path;
  ReleaseWorkbook();
}

void WorkbookClass::ReleaseWorkbook() noexcept {
  try {
    if (running_) xlApp.Quit();
  } catch (const vb::Error&) {
    // Nothing is left to keep: forgetting the application is enough.
  }
  running_ = false;
  reopened_ = false;
  xlSheet = {};
  xlBook = {};
  xlApp = {};
}

int WorkbookClass::RowBelowRowsInUse() const {
  const workbook::Range used = xlSheet.UsedRange();
  const int last = used.Row() + static_cast<int>(used.Rows().Count()) - 1;
  // An empty sheet reports A1 as its range in use.
  if (last == 1 && used.Columns().Count() == 1 && xlSheet.Cells(1, 1).Value().IsEmpty()) return 1;
  return last + 1;
}

void WorkbookClass::PutText(int row, int column, std::string_view text) const {
  // A leading apostrophe is how text is typed so that it stays text.
  std::string typed(1, '\'');
  typed.append(text);
  xlSheet.Cells(row, column).Value(typed);
}

void WorkbookClass::PutTyped(int row, int column, std::string_view text) const {
  xlSheet.Cells(row, column).Value(text);
}

void WorkbookClass::PutData(int row, int column, std::string_view value) const {
  xlSheet.Cells(row, column).Value(TypedFromData(value));
}

void WorkbookClass::PutAmount(int row, int column, vb::Currency amount) const {
  xlSheet.Cells(row, column).Value(amount);
}

void WorkbookClass::HandLine() {
  HandAmounts();
  curRecAcc(Account());
}

vb::Date LineDate(std::string_view yyyymmdd) {
  const std::optional<vb::Date> date = vb::DateFromYyyymmdd(yyyymmdd);
  if (!date) throw vb::TypeMismatch();
  return *date;
}

std::string PeriodEndAs(const QvLedgerloom& window, std::string_view mask) {
  return vb::Format(window.PeriodEnd(), mask);
}

}  // namespace qvl
