// "Epicor": one workbook row per comma line with an amount, its description
// and company text looked up in two cross-reference files beside the input.
// The files are read before anything is created, so a run that cannot find
// one leaves the output folder as it was.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/call_patterns.h"
#include "engine/catalog.h"
#include "engine/input_record.h"
#include "engine/run_errors.h"
#include "engine/run_files.h"
#include "engine/run_messages.h"
#include "engine/run_state.h"
#include "platform/dialogs/dialogs.h"
#include "platform/paths/paths.h"
#include "platform/vb/currency.h"
#include "platform/vb/error.h"
#include "platform/vb/text.h"
#include "window/qvledgerloom.h"
#include "writers/builtin/workbook_journals.h"

namespace qvl {

namespace {

constexpr int kXrefFile = 7;

using XrefTable = std::vector<std::pair<std::string, std::string>>;

struct XrefFile {
  std::string_view defaultName;
  std::string_view prompt;
  std::string_view notFound;
  std::string_view pleaseMakeSure;
};

constexpr XrefFile kDescriptionFile = {
    "Desc_xref.txt", "Please enter the name of the Description Reference file.",
    "Description Reference File not found.",
    "Please make sure Description reference file is in the same location as the Input file."};
constexpr XrefFile kCompanyFile = {
    "CoNum_xref.txt", "Please enter the name of the Company Number Reference file.",
    "Company Number Reference File not found.",
    "Please make sure Company Number eference file is in the same location as the Input file."};

constexpr const char* kMonthTexts[] = {
    "January Payroll", "February Payroll", "March Payroll",     "April Payroll",   "May Payroll",      "June Payroll",
    "July Payroll",    "August Payroll",   "September Payroll", "October Payroll", "November Payroll",
    "December Payroll"};

struct EpicorTables {
  XrefTable descriptions;
  XrefTable companies;
};
EpicorTables epicor;

std::string InputFolder(const std::string& inFile) {
  const std::size_t slash = inFile.rfind('\\');
  return slash == std::string::npos ? std::string() : inFile.substr(0, slash + 1);
}

// Every pair of the file, however many lines it holds.
XrefTable ReadXref(RunState& run, const std::string& path) {
  XrefTable table;
  try {
    for (std::vector<std::string>& pair : ReadCommaRows(run, kXrefFile, path, 2))
      table.emplace_back(std::move(pair[0]), std::move(pair[1]));
  } catch (const vb::Error& e) {
    throw FileError(path, e);
  }
  return table;
}

// Asks for one cross-reference file and reads it; nullopt once the operator
// has been told it is not there and the run is stopped.
std::optional<XrefTable> AskForXref(QvLedgerloom& w, const XrefFile& file) {
  const std::string path =
      dialogs::InputBox(file.prompt, "", InputFolder(w.run.INFile) + std::string(file.defaultName));
  if (path.empty() || !paths::FileExists(path)) {
    RefuseRun(w, std::string(file.notFound) + "\r\nFile: " + path + "\r\n" + std::string(file.pleaseMakeSure));
    return std::nullopt;
  }
  return ReadXref(w.run, path);
}

// The text of the first entry whose code is `code`; empty when none is.
std::string Lookup(const XrefTable& table, const std::string& code) {
  for (const auto& [entryCode, text] : table)
    if (entryCode == code) return text;
  return {};
}

std::string MonthText(const std::string& yyyymmdd) {
  const std::string mm = vb::Mid(yyyymmdd, 5, 2);
  if (mm.size() != 2 || mm.find_first_not_of("0123456789") != std::string::npos) return {};
  const int month = std::stoi(mm);
  return month >= 1 && month <= 12 ? kMonthTexts[month - 1] : std::string();
}

void WriteLine(QvLedgerloom& w, const workbook::Worksheet& sheet, int& row, const std::vector<std::string>& v) {
  const std::string& account = v[InputRecord::kAccount];
  const std::string& debits = v[InputRecord::kDebits];
  const std::string& credits = v[InputRecord::kCredits];
  const vb::Currency debit = vb::AmountOf(debits);
  const vb::Currency credit = vb::AmountOf(credits);
  if (debit.IsZero() && credit.IsZero()) {
    w.run.b.WriteLine(account + "\t0.00");
    return;
  }
  const std::string month = MonthText(v[InputRecord::kDate]);
  sheet.Cells(row, 1).NumberFormat("@");
  // The format keeps digits as text, but a leading apostrophe would still
  // be taken as typing's own.
  sheet.Cells(row, 1).Value(TypedFromData(account));
  sheet.Cells(row, 2).Value(debit);
  sheet.Cells(row, 3).Value(-credit);
  sheet.Cells(row, 5).Value(month);
  sheet.Cells(row, 6).Value(TypedFromData(Lookup(epicor.descriptions, vb::Left(account, 5))));
  sheet.Cells(row, 7).Value(TypedFromData(Lookup(epicor.companies, vb::Mid(account, 6, 4))));
  w.run.b.Write("GL Code: " + account + ", " + "Date: " + month + "\r\n" + "Debits: " + debits +
                ", Credits: " + credits + "\r\n\r\n");
  ++row;
}

void EpicorEntry(QvLedgerloom& w) {
  RunState& run = w.run;
  run.Ready = true;
  std::optional<XrefTable> descriptions = AskForXref(w, kDescriptionFile);
  if (!descriptions) return;
  std::optional<XrefTable> companies = AskForXref(w, kCompanyFile);
  if (!companies) return;
  epicor.descriptions = std::move(*descriptions);
  epicor.companies = std::move(*companies);
  InitFiles(w);
  Epicor(w);
}

}  // namespace

// An export without a line still gets its workbook, an empty sheet.
void Epicor(QvLedgerloom& w) {
  const JournalWorkbook journal;
  const workbook::Worksheet sheet = journal.FirstSheet();
  int row = 1;
  CommaRecordLoop(w, InputRecord::kValueFields,
                  [&](const std::vector<std::string>& v) { WriteLine(w, sheet, row, v); });
  sheet.Columns().AutoFit();
  journal.SaveAsJournal(w);
}

void RegisterEpicorWriter(FinPacCatalog& catalog) {
  FinPacHooks& hooks = catalog.HooksOf("Epicor");
  hooks.entry = EpicorEntry;
  AttachWorkbookJournal(hooks, Epicor);
}

}  // namespace qvl
