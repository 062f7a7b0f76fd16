#include "engine/write_output.h"

#include "engine/audit_line.h"
#include "engine/catalog.h"
#include "engine/run_state.h"
#include "platform/vb/currency.h"
#include "window/qvledgerloom.h"

namespace qvl {

namespace {

void CountTotals(RunState& run) {
  if (run.curSumLoaded) {
    // One summarized entry may be written as more than one line; its net
    // counts once.
    if (!run.curSumCounted) run.Audit_Total += run.curSumAmount;
    run.curSumCounted = true;
    return;
  }
  run.Debit_Amount = vb::AmountOf(run.curRec.View(InputRecord::kDebits));
  run.Credit_Amount = vb::AmountOf(run.curRec.View(InputRecord::kCredits));
  if (run.DoBalancing) run.Audit_Total += run.Debit_Amount - run.Credit_Amount;
}

}  // namespace

void WriteOutputRec(QvLedgerloom& window) {
  RunState& run = window.run;
  const WriteMode mode = run.entry != nullptr ? run.entry->write : WriteMode::Line;

  switch (mode) {
    case WriteMode::Line:
      run.a.WriteLine(run.Build_OutRec);
      break;
    case WriteMode::NoLineEnd:
      run.a.Write(run.Build_OutRec);
      break;
    case WriteMode::NoJournal:
    case WriteMode::NoJournalNoTotals:
      break;
    case WriteMode::LineUncountedPeriod:
      run.a.WriteLine(run.Build_OutRec);
      if (run.Build_OutRec.starts_with("PERIOD")) return;
      break;
  }

  if (mode != WriteMode::NoJournalNoTotals) CountTotals(run);

  AuditLineInto(run.curRec, run.Build_OutRec);
  run.b.WriteLine(run.Build_OutRec);
  run.prevRec = run.curRec;
}

void WriteDebitThenCredit(RunState& run, bool debitLine, bool creditLine,
                          const std::function<void(Side)>& writeLine) {
  run.DoBalancing = true;
  if (debitLine) {
    writeLine(Side::Debit);
    run.DoBalancing = false;
  }
  if (creditLine) writeLine(Side::Credit);
}

}  // namespace qvl
