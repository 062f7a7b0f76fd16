#include "writers/builtin/sc.h"

#include <string>

#include "engine/call_patterns.h"
#include "engine/catalog.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "platform/dialogs/dialogs.h"
#include "platform/vb/currency.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"
#include "platform/workbook/workbook.h"
#include "window/qvledgerloom.h"
#include "writers/builtin/workbook_journal.h"

namespace qvl {

namespace {

// The worksheet the run fills; Nothing before and after the run.
workbook::Worksheet xlSheet1;

// The sheet is forgotten however the run ends, so nothing is ever written
// into a workbook that is saved or that a failed run left behind.
struct SheetRelease {
  SheetRelease() = default;
  SheetRelease(const SheetRelease&) = delete;
  SheetRelease& operator=(const SheetRelease&) = delete;
  ~SheetRelease() { xlSheet1 = {}; }
};

// The amount in the mask ".00" as the cell is typed: the cell holds the
// number (an amount that is no number counts as 0).
std::string TwoDecimals(const std::string& amount) { return vb::Format(vb::AmountOf(vb::Trim(amount)), ".00"); }

// One record into the next row; RecCount counts from 1, so the first record
// lands below the titles.
void SCAndCount(QvLedgerloom& w) {
  SC(w);
  ++w.run.RecCount;
}

void SCEntry(QvLedgerloom& w) {
  RunState& run = w.run;
  const SheetRelease release;
  JournalWorkbook book;
  xlSheet1 = book.FirstSheet();
  PutRow(xlSheet1, 1,
         {"GL Acct", "Project", "Task", "Sub Acct", "Ref Nbr", "Tran Date", "Blank", "Debit", "Credit", "Tran Desc"});
  const workbook::Range titles = xlSheet1.Range("A1:J1");
  titles.Font().Bold(true);
  titles.Font().Underline(true);
  titles.HorizontalAlignment(workbook::xlCenter);
  xlSheet1.Name("Journal Entry");
  dialogs::Current().SetHourglass(true);

  run.Ready = true;
  InitFiles(w);
  run.RecCount = 1;
  RecordLoop(w, SCAndCount);
  xlSheet1.Activate();

  // The journal proper is the workbook: the result message names it.
  run.OUTFile = RunWorkbookName(w);
  book.SaveAs(run.OUTFile);
  dialogs::Current().SetHourglass(false);
}

}  // namespace

void SC(QvLedgerloom& w) {
  RunState& run = w.run;
  const std::string account = vb::Trim(run.curRec.account());
  run.curRec.SetAccount(account);
  const std::string solid = vb::Replace(account, " ", "");
  const bool projectCoded = solid.size() >= 6;
  const vb::Date periodEnd = w.PeriodEnd();
  // Project codes keep their leading zeros: the cell is text. The account
  // is the export's own value, typed as data so that an account "01000"
  // keeps its zero.
  PutRow(xlSheet1, static_cast<int>(run.RecCount + 1),
         {TypedFromData(vb::Left(account, 5)), projectCoded ? "'0001" + vb::Right(solid, 2) : "", projectCoded ? "'00" : "", "'010",
          "PR" + vb::Format(periodEnd, "mmyyyy"), w.pdEndDate.Text(), "", TwoDecimals(run.curRec.debits()),
          TwoDecimals(run.curRec.credits()), vb::Format(periodEnd, "Mmm yyyy") + " Payroll Entry"});
}

void RegisterSCWriter(FinPacCatalog& catalog) {
  FinPacHooks& hooks = catalog.HooksOf("SC");
  hooks.entry = SCEntry;
  hooks.writer = SC;
  // The package counts nothing toward the balance, so no offsetting entry is
  // ever asked for; one could only come once the workbook is saved, where
  // the writer refuses it (the run then ends with an error, not a lost entry).
  hooks.balanceWriter = SC;
}

}  // namespace qvl
