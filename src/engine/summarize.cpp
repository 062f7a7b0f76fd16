#include "engine/summarize.h"

#include "engine/run_state.h"
#include "platform/vb/error.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"

namespace qvl {

namespace {

constexpr std::size_t kKeyLength =
    InputRecord::Offset(InputRecord::kAccount) + InputRecord::Width(InputRecord::kAccount);

// A merged sum as the entry's amount field holds it.
std::string SumText(vb::Currency sum) {
  return vb::PadLeft(sum.ToText(), InputRecord::Width(InputRecord::kDebits));
}

}  // namespace

std::string SumKey(const InputRecord& record) { return record.Text().substr(0, kKeyLength); }

void SumTable::Clear() {
  rows_.clear();
  index_.clear();
}

const InputRecord& SumTable::Entry(std::int64_t n) const {
  if (n < 1 || n > Count()) throw vb::SubscriptOutOfRange();
  return rows_[static_cast<std::size_t>(n - 1)].record;
}

bool SumTable::Add(const InputRecord& record, vb::Currency& debit, vb::Currency& credit,
                   std::string_view keyText) {
  std::string key = SumKey(record);
  if (!keyText.empty()) key.append(1, '\x1f').append(keyText);
  const auto [it, added] = index_.try_emplace(std::move(key), rows_.size());
  if (added) {
    rows_.push_back({record, vb::AmountOf(record.debits()), vb::AmountOf(record.credits())});
    return false;
  }
  debit = vb::AmountOf(record.debits());
  credit = vb::AmountOf(record.credits());
  Row& row = rows_[it->second];
  row.debits += debit;
  row.credits += credit;
  row.record.SetDebits(SumText(row.debits));
  row.record.SetCredits(SumText(row.credits));
  return true;
}

void Summarize(RunState& run, std::string_view keyExtra) {
  run.SumArray.Add(run.curRec, run.curDebit, run.curCredit, keyExtra);
}

void SumDebitsCredits(RunState& run) {
  run.curRec = run.SumArray.Entry(run.LoopSum);
  run.curDebit = vb::AmountOf(run.curRec.debits());
  run.curCredit = vb::AmountOf(run.curRec.credits());
  run.SumAmount = vb::Format(run.curDebit - run.curCredit, "######.00");
  run.curSumAmount = vb::CCur(run.SumAmount);
  run.curSumLoaded = true;
  run.curSumCounted = false;
}

}  // namespace qvl
