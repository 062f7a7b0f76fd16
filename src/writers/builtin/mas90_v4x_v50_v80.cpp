#include "writers/builtin/mas90_v4x_v50_v80.h"

#include <string>
#include <vector>

#include "engine/catalog.h"
#include "engine/fields.h"
#include "window/qvledgerloom.h"
#include "platform/vb/convert.h"
#include "platform/vb/currency.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"

namespace qvl {

namespace {

std::vector<std::string> SageBWHeader(QvLedgerloom& w) {
  if (!w.chk13pd.Checked()) return {};
  return {"Seq #,Posting Date,Journal ID,Reference,Description,Account ID,Debit or Credit Amount"};
}

}  // namespace

// An amount that is no number is put into the
// record as "0" (the audit trail shows it so), then the line is counted.
vb::Currency Mas90CountedNet(RunState& run) {
  if (!vb::IsNumeric(run.curRec.debits())) run.curRec.SetDebits("0");
  if (!vb::IsNumeric(run.curRec.credits())) run.curRec.SetCredits("0");
  ++run.RecCount;
  run.DoBalancing = true;
  return NetAmount(run.curRec);
}

void MAS90v4x(QvLedgerloom& w) {
  RunState& run = w.run;
  const vb::Currency amount = Mas90CountedNet(run);
  const std::string date = run.curRec.date();
  WriteFields(w, ",",
              {Plain(vb::Trim(run.curRec.account())), Plain(""),
               Plain(vb::Left(date, 4) + "-" + vb::Mid(date, 5, 2) + "-" + vb::Mid(date, 7, 2)), Plain("PR"),
               Plain(vb::Mid(date, 5, 4)), Plain(vb::Format(run.RecCount, "0000000000000#")), Plain("PR"),
               Plain(amount.ToText()), Plain("Quorvanta Payroll")});
}

void MAS90v50(QvLedgerloom& w) {
  RunState& run = w.run;
  const vb::Currency amount = Mas90CountedNet(run);
  WriteFields(w, "\t",
              {Plain(vb::Trim(run.curRec.account())), Plain("PE " + vb::Format(w.PeriodEnd(), "mm-dd-yy")),
               Plain(amount.ToText())});
}

void MAS90SageBWv80(QvLedgerloom& w) {
  RunState& run = w.run;
  run.DoBalancing = true;
  const std::string periodEnd = w.pdEndDate.Text();
  // The numeric mask applies to numeric accounts only; any other account
  // (one holding a "-", or one that merely reads as a date) stands as the
  // record holds it.
  const std::string account = run.curRec.account();
  WriteFields(w, ",",
              {Plain("/U"), Plain(periodEnd), Plain("2"), Quoted("PR-" + vb::Format(w.PeriodEnd(), "MMDD")),
               Quoted("PAYROLL PPE " + periodEnd),
               Plain(vb::IsNumeric(account) ? vb::Format(vb::Trim(account), "00000000.000") : account),
               Plain(vb::Format(NetAmount(run.curRec), "0000000.00"))});
}

void RegisterMas90V4xV50V80Writers(FinPacCatalog& catalog) {
  catalog.HooksOf("MAS90 v4.x").writer = MAS90v4x;
  catalog.HooksOf("MAS90 v5.0").writer = MAS90v50;
  FinPacHooks& sage = catalog.HooksOf("MAS90 SageBW v8.0");
  sage.writer = MAS90SageBWv80;
  sage.header = SageBWHeader;
}

}  // namespace qvl
