#include "writers/builtin/sage_bw_gold.h"

#include <string>

#include "engine/catalog.h"
#include "engine/fields.h"
#include "engine/run_driver.h"
#include "platform/vb/currency.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"
#include "window/qvledgerloom.h"
#include "writers/builtin/fixed_amount.h"

namespace qvl {

namespace {

constexpr std::size_t kAccountWidth = 12;
constexpr std::size_t kSourceWidth = 8;
constexpr std::size_t kAmountWidth = 11;

}  // namespace

void SageBWGold(QvLedgerloom& w) {
  RunState& run = w.run;
  InputRecord& rec = run.curRec;
  run.MaxAcctLen = kAccountWidth;
  CheckMaxLength(w);
  ++run.RecCount;
  run.DoBalancing = true;
  const std::string account = vb::Trim(vb::Left(vb::Trim(rec.account()), kAccountWidth));
  const std::string date = vb::Format(w.PeriodEnd(), "mm/dd/yy");

  std::string code;
  Field source, description;
  if (!w.chkNames.Checked()) {
    code = "13";
    source = Plain(vb::Left("Quorvanta", kSourceWidth));
    const std::string company = TrimInPlace(rec, InputRecord::kCompany);
    const std::string division = TrimInPlace(rec, InputRecord::kDivision);
    const std::string branch = TrimInPlace(rec, InputRecord::kBranch);
    description = Plain("Co:" + company + " Div:" + division + " Br:" + branch +
                        " Dept:" + TrimInPlace(rec, InputRecord::kDepartment));
  } else {
    code = "GEN";
    source = Quoted("PR");
    description = Quoted("WE" + rec.date());
  }

  std::string amount;
  if (w.Summarized.Value()) {
    amount = AmountAtWidth(w, run.SumAmount, kAmountWidth, Align::Left, 0);
  } else {
    const vb::Currency net = vb::AmountOf(TrimInPlace(rec, InputRecord::kDebits)) -
                             vb::AmountOf(TrimInPlace(rec, InputRecord::kCredits));
    const std::int64_t record = run.Balancing ? 0 : run.RecCount;
    amount = net.IsZero() ? std::string("0.00")
                          : AmountAtWidth(w, vb::Format(net, "0.00"), kAmountWidth, Align::Right, record);
  }
  if (vb::AmountOf(amount).IsZero()) return;
  WriteFields(w, ",", {Plain("1"), Plain(date), Plain(code), source, description, Plain(account), Plain(amount)});
}

void RegisterSageBWGoldWriter(FinPacCatalog& catalog) {
  FinPacHooks& h = catalog.HooksOf("Sage BusinessWorks Gold");
  h.writer = SageBWGold;
  h.balanceWriter = SageBWGold;
}

}  // namespace qvl
