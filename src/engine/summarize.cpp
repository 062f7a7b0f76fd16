#include "engine/summarize.h"

#include "engine/fields.h"
#include "engine/run_errors.h"
#include "engine/run_state.h"
#include "platform/vb/error.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"

namespace qvl {

namespace {

constexpr std::size_t kKeyLength =
    InputRecord::Offset(InputRecord::kAccount) + InputRecord::Width(InputRecord::kAccount);

constexpr std::size_t kAmountWidth = InputRecord::Width(InputRecord::kDebits);

}  // namespace

std::string SummarizedLinePlace(const InputRecord& entry) {
  return "the summarized line of account " + vb::Trim(entry.account());
}

std::string SumKey(const InputRecord& record) { return record.Text().substr(0, kKeyLength); }

void SumTable::Clear() {
  rows_.clear();
  index_.clear();
}

const InputRecord& SumTable::Entry(std::int64_t n) const {
  if (n < 1 || n > Count()) throw vb::SubscriptOutOfRange();
  const Row& row = rows_[static_cast<std::size_t>(n - 1)];
  if (row.tooWide) {
    // The field would cut the sum's last digits: the line is refused rather
    // than handed on with a wrong amount.
    try {
      (void)AmountInField(row.debits.ToText(), kAmountWidth);
      (void)AmountInField(row.credits.ToText(), kAmountWidth);
    } catch (const vb::Error& e) {
      throw FileError(SummarizedLinePlace(row.record), e);
    }
  }
  return row.record;
}

bool SumTable::Merged(std::int64_t n) const {
  if (n < 1 || n > Count()) throw vb::SubscriptOutOfRange();
  return rows_[static_cast<std::size_t>(n - 1)].merged;
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
  row.merged = true;
  row.debits += debit;
  row.credits += credit;
  // Only the group's final sums are written, so a sum that is too wide for
  // a while and comes back within the field is still written exactly.
  const std::string debits = row.debits.ToText();
  const std::string credits = row.credits.ToText();
  row.tooWide = debits.size() > kAmountWidth || credits.size() > kAmountWidth;
  if (!row.tooWide) {
    row.record.SetDebits(vb::PadLeft(debits, kAmountWidth));
    row.record.SetCredits(vb::PadLeft(credits, kAmountWidth));
  }
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
