#include "writers/builtin/mapics.h"

#include <string>
#include <vector>

#include "engine/amount_fields.h"
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
constexpr std::size_t kAmountWidth = 13;

void MAPICS(QvLedgerloom& w) {
  RunState& run = w.run;
  run.MaxAcctLen = static_cast<std::int64_t>(kAccountWidth);
  CheckMaxLength(w);
  ++run.RecCount;
  run.DoBalancing = true;

  // The account is written, and kept in the record, without its blanks.
  run.curRec.SetAccount(vb::Replace(run.curRec.account(), " ", ""));
  const std::string account = vb::Left(vb::Trim(run.curRec.account()), kAccountWidth);
  const std::string date = run.curRec.date();  // yyyymmdd
  // One side: the account and the amount in cents, or blanks for a zero amount.
  const auto side = [&](const std::string& amountText) -> std::vector<Column> {
    const vb::Currency amount = vb::AmountOf(amountText);
    if (amount.IsZero()) return {{"", kAccountWidth}, {"", kAmountWidth}};
    return {{account, kAccountWidth, Align::Right}, {PlainCents(w, amount, kAmountWidth), kAmountWidth, Align::Right}};
  };

  std::vector<Column> line = {{"LI01", 4}, {"PAYROLL", 10}, {vb::Format(w.PeriodEnd(), "mmddyy"), 15}};
  for (Column& c : side(run.curRec.debits())) line.push_back(std::move(c));
  for (Column& c : side(run.curRec.credits())) line.push_back(std::move(c));
  line.push_back({vb::Mid(date, 5, 2) + vb::Mid(date, 7, 2) + vb::Mid(date, 3, 2), 6});
  WriteColumns(w, line);
}

}  // namespace

void RegisterMapicsWriter(FinPacCatalog& catalog) { catalog.HooksOf("MAPICS XA6.0").writer = MAPICS; }

}  // namespace qvl
