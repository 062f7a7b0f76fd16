// "LASR": account and signed amount, one workbook row per comma line with an
// amount, under a heading of "ACCT" and the period end; one audit line per
// input line.
#include <string>
#include <vector>

#include "engine/call_patterns.h"
#include "engine/catalog.h"
#include "engine/fields.h"
#include "engine/input_record.h"
#include "engine/run_state.h"
#include "platform/vb/currency.h"
#include "window/qvledgerloom.h"
#include "writers/builtin/workbook_journals.h"

namespace qvl {

namespace {

constexpr std::size_t kAccountWidth = 14;

void WriteLine(QvLedgerloom& w, const workbook::Worksheet& sheet, int& row, const std::vector<std::string>& v) {
  const std::string account = AtWidth(v[InputRecord::kAccount], kAccountWidth);
  const vb::Currency debit = vb::AmountOf(v[InputRecord::kDebits]);
  const vb::Currency credit = vb::AmountOf(v[InputRecord::kCredits]);
  if (debit.IsZero() && credit.IsZero()) {
    w.run.b.WriteLine(account + "\t0.00");
    return;
  }
  const vb::Currency amount = debit - credit;
  sheet.Cells(row, 1).Value(TypedFromData(account));
  sheet.Cells(row, 2).Value(amount);
  w.run.b.WriteLine(account + "\t" + vb::CStr(amount));
  ++row;
}

}  // namespace

void LASR(QvLedgerloom& w) {
  const JournalWorkbook journal;
  const workbook::Worksheet sheet = journal.FirstSheet();
  sheet.Cells(1, 1).Value("ACCT");
  sheet.Cells(1, 2).Value(w.pdEndDate.Text());

  // An export without a line leaves the heading row alone.
  int row = 2;
  CommaRecordLoop(w, InputRecord::kValueFields,
                  [&](const std::vector<std::string>& v) { WriteLine(w, sheet, row, v); });

  // Amounts only: with every line zero the heading keeps its own format.
  if (row > 2) sheet.Range("B2:B" + std::to_string(row - 1)).NumberFormat("0.00_);(0.00)");
  journal.SaveAsJournal(w);
}

void RegisterLASRWriter(FinPacCatalog& catalog) {
  AttachWorkbookJournal(catalog.HooksOf("LASR"), LASR);
}

}  // namespace qvl
