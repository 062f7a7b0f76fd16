#include "writers/builtin/workbook_journal.h"

#include <algorithm>
#include <optional>

#include "engine/call_patterns.h"
#include "engine/output_names.h"
#include "engine/run_errors.h"
#include "engine/run_messages.h"
#include "engine/run_state.h"
#include "platform/files/comma_list.h"
#include "platform/vb/error.h"
#include "window/qvledgerloom.h"

namespace qvl {

JournalWorkbook::JournalWorkbook() : app_(workbook::Application::Create()) {
  app_.Visible(false);
  app_.DisplayAlerts(false);
  book_ = app_.Workbooks().Add();
}

JournalWorkbook::~JournalWorkbook() {
  try {
    app_.Quit();
  } catch (const vb::Error&) {
    // Nothing is left to keep: forgetting the application is enough.
  }
}

void JournalWorkbook::SaveAs(const std::string& path) const {
  try {
    book_.SaveAs(path);
  } catch (const vb::Error& e) {
    throw FileError(path, e);
  }
}

void JournalWorkbook::SaveAsJournal(QvLedgerloom& window) const {
  window.run.OUTFile = RunWorkbookName(window);
  SaveAs(window.run.OUTFile);
}

std::string RunWorkbookName(QvLedgerloom& window, std::string_view ending) {
  RunState& run = window.run;
  NameInputs names;
  names.outputPath = run.Output_Path;
  const std::string company = window.cmboCoNum.Text();
  names.company = company;
  names.periodEnd = window.PeriodEnd();
  std::string name = WorkbookFileName(*run.entry, names);
  return name.replace(name.size() - 4, 4, ending);
}

std::string TypedFromData(std::string_view value) {
  const bool formulaOrQuote = !value.empty() && (value.front() == '=' || value.front() == '\'');
  const bool leadingZeros = value.size() > 1 && value[0] == '0' && value[1] >= '0' && value[1] <= '9';
  // A long account number would come back with its last digits zeros.
  if (formulaOrQuote || leadingZeros || workbook::TypingDropsDigits(value)) return "'" + std::string(value);
  return std::string(value);
}

void PutRow(const workbook::Worksheet& sheet, int row, const std::vector<std::string>& values) {
  int column = 0;
  for (const std::string& value : values) sheet.Cells(row, ++column).Value(value);
}

std::string InputFolder(std::string_view inFile) {
  const std::size_t slash = inFile.rfind('\\');
  return slash == std::string_view::npos ? std::string() : std::string(inFile.substr(0, slash + 1));
}

std::vector<std::string> PaddedValues(QvLedgerloom& window, std::string_view line, std::size_t count) {
  std::string padded(line);
  const auto commas = static_cast<std::size_t>(std::count(padded.begin(), padded.end(), ','));
  if (commas + 1 < count) {
    padded.append(count - 1 - commas, ',');
    WarnAboutValueCount(window, count, commas + 1);
  }
  std::optional<std::vector<std::string>> values = files::SplitAsItStands(padded, count);
  return values ? std::move(*values) : std::vector<std::string>(count);
}

}  // namespace qvl

namespace qvl {

void EntryNotAdded(QvLedgerloom& window) { ShowBox(window, kEntryNotAddedMsg); }

}  // namespace qvl
