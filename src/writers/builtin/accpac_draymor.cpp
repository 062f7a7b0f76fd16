#include "writers/builtin/accpac_draymor.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "engine/call_patterns.h"
#include "engine/catalog.h"
#include "engine/output_names.h"
#include "engine/run_errors.h"
#include "engine/run_files.h"
#include "platform/dialogs/dialogs.h"
#include "platform/vb/currency.h"
#include "platform/vb/date.h"
#include "platform/vb/error.h"
#include "platform/vb/format.h"
#include "platform/workbook/workbook.h"
#include "window/qvledgerloom.h"

namespace qvl {

namespace {

constexpr std::string_view kTab = "\t";
constexpr std::string_view kJournalId = "'00001";

struct DraymorState {
  std::string AP_BatchID;
  std::int64_t AP_TransNBR = 0;  // raised by 20 before each detail row
  std::int64_t AP_RowCount = 1;  // the last row written on the detail sheet
  vb::Currency AP_DBtot;
  vb::Currency AP_CRtot;  // credits as positive amounts
  // Set while the run builds the workbook; Nothing before and after.
  workbook::Application xlApp;
  workbook::Workbook xlBook;
  workbook::Worksheet xlSheet1;  // "Journal_Headers"
  workbook::Worksheet xlSheet2;  // "Journal_Details"
};
DraymorState draymor;

// Ends the spreadsheet application and forgets the workbook, so that nothing
// can be written into a workbook that is saved, or that a failed run left.
void ReleaseWorkbook() noexcept {
  try {
    if (draymor.xlBook != workbook::Workbook()) draymor.xlApp.Quit();
  } catch (const vb::Error&) {
    // The application has nothing left to keep: forgetting it is enough.
  }
  draymor.xlSheet2 = {};
  draymor.xlSheet1 = {};
  draymor.xlBook = {};
  draymor.xlApp = {};
}

// However the run ends, the application it started does not outlive it.
struct WorkbookRelease {
  WorkbookRelease() = default;
  WorkbookRelease(const WorkbookRelease&) = delete;
  WorkbookRelease& operator=(const WorkbookRelease&) = delete;
  ~WorkbookRelease() { ReleaseWorkbook(); }
};

// Cells go to the application's active sheet, as the layout is written;
// Nothing (error 91) when no workbook of the package is open.
workbook::Worksheet ActiveSheet() { return draymor.xlApp.ActiveSheet(); }

// One row, columns from 1: each value taken as typed.
void PutRow(const workbook::Worksheet& sheet, std::int64_t row, std::initializer_list<std::string_view> values) {
  int column = 0;
  for (std::string_view value : values) sheet.Cells(static_cast<int>(row), ++column).Value(value);
}

// A cell value that the spreadsheet keeps as text, leading zeros and all.
std::string AsText(std::string_view value) {
  std::string text = "'";
  text.append(value);
  return text;
}

void DetailRow(const workbook::Worksheet& sheet, const std::string& account, vb::Currency amount) {
  draymor.AP_TransNBR += 20;
  ++draymor.AP_RowCount;
  PutRow(sheet, draymor.AP_RowCount,
         {AsText(draymor.AP_BatchID), kJournalId, AsText(vb::Format(draymor.AP_TransNBR, "0000000000")),
          AsText(account), ""});
  sheet.Cells(static_cast<int>(draymor.AP_RowCount), 6).Value(amount);
}

// A save that fails ends the run with an error naming the workbook.
void SaveWorkbook(const std::string& path) {
  try {
    draymor.xlBook.SaveAs(path);
  } catch (const vb::Error& e) {
    throw FileError(path, e);
  }
}

void AccPacDraymorEntry(QvLedgerloom& w) {
  RunState& run = w.run;
  const WorkbookRelease release;
  const vb::Date periodEnd = w.PeriodEnd();

  draymor.xlApp = workbook::Application::Create();
  draymor.xlBook = draymor.xlApp.Workbooks().Add();
  draymor.xlSheet1 = draymor.xlBook.Worksheets(1);
  draymor.xlSheet2 = draymor.xlBook.Worksheets(2);
  draymor.xlApp.Visible(false);

  PutRow(ActiveSheet(), 1,
         {"BATCHID", "BTCHENTRY", "SRCELEDGER", "SRCETYPE", "JRNLDESC", "JRNLDR", "JRNLCR", "DATAENTRY", "SRCDESC"});
  draymor.xlSheet1.Name("Journal_Headers");

  draymor.AP_BatchID = dialogs::InputBox("Please provide a BatchID:", "AccPac Draymor module", "001303");
  dialogs::Current().SetHourglass(true);

  const workbook::Worksheet headers = ActiveSheet();
  PutRow(headers, 2,
         {AsText(draymor.AP_BatchID), kJournalId, "GL", "JE", "Payroll " + vb::Format(periodEnd, "mmm dd, yy")});
  // Columns 6 and 7 take the totals after the records.
  headers.Cells(2, 8).Value(vb::Format(periodEnd, "mm/dd/yy"));
  headers.Cells(2, 9).Value("G/L Journal Entry");

  draymor.xlSheet2.Name("Journal_Details");
  draymor.xlSheet2.Activate();
  PutRow(ActiveSheet(), 1, {"BATCHNBR", "JOURNALID", "TRANSNBR", "ACCTID", "COMPANYID", "TRANSAMT"});

  run.Ready = true;
  InitFiles(w);

  draymor.AP_TransNBR = 0;
  draymor.AP_RowCount = 1;
  draymor.AP_DBtot = {};
  draymor.AP_CRtot = {};
  RecordLoop(w, AccPacDraymor);

  draymor.xlSheet1.Activate();
  ActiveSheet().Cells(2, 6).Value(draymor.AP_DBtot);
  ActiveSheet().Cells(2, 7).Value(draymor.AP_CRtot);

  // The journal proper is the workbook: the result message names it.
  NameInputs names;
  names.outputPath = run.Output_Path;
  const std::string company = w.cmboCoNum.Text();
  names.company = company;
  names.periodEnd = periodEnd;
  run.OUTFile = WorkbookFileName(*run.entry, names);

  SaveWorkbook(run.OUTFile);
  ReleaseWorkbook();
  dialogs::Current().SetHourglass(false);
}

}  // namespace

void AccPacDraymor(QvLedgerloom& w) {
  RunState& run = w.run;
  const workbook::Worksheet sheet = ActiveSheet();
  ++run.RecCount;
  const std::string account = run.curRec.account();
  const vb::Currency debit = vb::AmountOf(run.curRec.debits());
  if (!debit.IsZero()) {
    DetailRow(sheet, account, debit);
    draymor.AP_DBtot += debit;
  }
  const vb::Currency credit = vb::AmountOf(run.curRec.credits());
  if (!credit.IsZero()) {
    DetailRow(sheet, account, -credit);
    draymor.AP_CRtot += credit;
  }
  // This package's audit line, in place of the engine's: the record is not
  // counted toward the run totals.
  run.Build_OutRec = account;
  run.Build_OutRec.append(kTab).append(run.curRec.debits()).append(kTab).append(run.curRec.credits());
  run.b.WriteLine(run.Build_OutRec);
}

void RegisterAccPacDraymorWriter(FinPacCatalog& catalog) {
  FinPacHooks& hooks = catalog.HooksOf("AccPac Draymor");
  hooks.entry = AccPacDraymorEntry;
  hooks.writer = AccPacDraymor;
  // The package counts nothing toward the balance, so no offsetting entry is
  // ever asked for; one could only come after the workbook is saved, where
  // the writer refuses it (the run then ends with an error, not a lost entry).
  hooks.balanceWriter = AccPacDraymor;
}

}  // namespace qvl
