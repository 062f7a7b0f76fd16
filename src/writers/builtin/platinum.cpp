#include "writers/builtin/platinum.h"

#include <string>
#include <vector>

#include "engine/catalog.h"
#include "engine/fields.h"
#include "engine/run_driver.h"
#include "platform/vb/currency.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"
#include "window/qvledgerloom.h"

namespace qvl {

namespace {

constexpr std::size_t kAccountWidth = 15;
constexpr std::size_t kDescriptionWidth = 35;

std::vector<std::string> PlatinumHeader(QvLedgerloom& w) {
  const vb::Date end = w.PeriodEnd();
  return {"ACCT,/T:P" + vb::Format(end, "mm") + "/D:" + vb::Format(end, "mm/dd/yy") + ",JRNL,DESC"};
}

// One amount column: a debit as the record holds it, a credit negated, and a
// record with both sides its net, so the line posts what the totals count.
std::string DetailAmount(const InputRecord& rec) {
  const vb::Currency debit = vb::AmountOf(rec.debits());
  const vb::Currency credit = vb::AmountOf(rec.credits());
  if (debit.IsZero()) return (-credit).ToText();
  if (credit.IsZero()) return vb::Trim(rec.debits());
  const vb::Currency net = debit - credit;
  return net < vb::Currency() ? net.ToText() : vb::Format(net, "0.00");
}

}  // namespace

void Platinum(QvLedgerloom& w) {
  RunState& run = w.run;
  run.MaxAcctLen = kAccountWidth;
  CheckMaxLength(w);
  ++run.RecCount;
  run.DoBalancing = true;
  const InputRecord& rec = run.curRec;
  const std::string amount = w.Summarized.Value() ? run.SumAmount : DetailAmount(rec);
  const std::string levels = "Dv:" + vb::Trim(rec.division()) + " Br:" + vb::Trim(rec.branch()) +
                             " Dp:" + vb::Trim(rec.department());
  WriteFields(w, ",",
              {Plain(vb::Trim(vb::Left(vb::Trim(rec.account()), kAccountWidth))), Plain(vb::Trim(amount)),
               Plain(vb::Trim(vb::Left(levels, kDescriptionWidth))), Plain("Quorvanta Payroll")});
}

void RegisterPlatinumWriter(FinPacCatalog& catalog) {
  FinPacHooks& h = catalog.HooksOf("Platinum");
  h.writer = Platinum;
  h.balanceWriter = Platinum;
  h.header = PlatinumHeader;
}

}  // namespace qvl
