#include "writers/builtin/peachtree.h"

#include <cstdint>
#include <unordered_set>
#include <vector>

#include "engine/call_patterns.h"
#include "engine/catalog.h"
#include "engine/fields.h"
#include "engine/run_driver.h"
#include "engine/run_files.h"
#include "engine/summarize.h"
#include "platform/dialogs/dialogs.h"
#include "platform/vb/convert.h"
#include "platform/vb/currency.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"
#include "window/qvledgerloom.h"
#include "writers/builtin/fixed_amount.h"

namespace qvl {

namespace {

constexpr std::size_t kAccountWidth = 17;
constexpr std::size_t kJobCodeWidth = 20;
constexpr std::size_t kNameWidth = 160;
constexpr std::size_t kAmountWidth = 14;
constexpr std::string_view kReference = "Quorvanta Payroll";

struct PeachState {
  std::string PeachBurdenDebit = "50420";
  std::string PeachBurdenCredit = "89950";
  std::string PeachLaborIndicator = "L";
  std::string PeachBurdenIndicator = "B";
  // Distributions of the entry: every input record, and two more for each
  // labour record that gets burden lines.
  std::int64_t PeachCount = 0;
  // Comma input: the whole account of the line in hand, and of each merged
  // line in the order the merged lines are written.
  std::string PeachAcct;
  std::vector<std::string> mergedAccounts;
  std::unordered_set<std::string> mergedKeys;
  // The input record in hand (from 1); 0 for a merged line or an offset.
  std::int64_t recordNumber = 0;
};
PeachState peach;

bool CommaForm(const QvLedgerloom& w) { return InputIsText(w); }
bool Overhead(const QvLedgerloom& w) { return w.chkJobCode.Checked() && w.chkOverhead.Checked(); }

// The account the writer writes: the comma line's whole account, or the
// record's first 17 characters.
std::string AccountWritten(const QvLedgerloom& w, const InputRecord& rec, const std::string& wholeAccount) {
  if (CommaForm(w)) return wholeAccount;
  return vb::Left(vb::Trim(rec.account()), kAccountWidth);
}

void AskBurdenAccounts() {
  peach.PeachBurdenDebit = dialogs::InputBox("Please enter the Overhead Account to Debit: ", "Overhead/Burden Account",
                                             peach.PeachBurdenDebit);
  peach.PeachBurdenCredit = dialogs::InputBox("Please enter the Overhead Account to Credit: ",
                                              "Overhead/Burden Account", peach.PeachBurdenCredit);
  peach.PeachLaborIndicator =
      dialogs::InputBox("Labor Indicator: ", "Please enter the Labor Indicator", peach.PeachLaborIndicator);
  peach.PeachBurdenIndicator =
      dialogs::InputBox("Burden Indicator: ", "Please enter the Burden Indicator", peach.PeachBurdenIndicator);
}

void PeachTreeEntry(QvLedgerloom& w) {
  RunState& run = w.run;
  run.Ready = true;
  InitFiles(w);
  peach = PeachState{};
  run.RecCount = 0;
  std::vector<std::string> accounts;
  const std::vector<InputRecord> records = StoreInput(w, CommaForm(w) ? &accounts : nullptr);
  accounts.resize(records.size());

  // The count every line carries: each record, and each labour record's
  // burden lines, the first record's included.
  const bool overhead = Overhead(w);
  if (overhead && !records.empty()) AskBurdenAccounts();
  for (std::size_t n = 0; n < records.size(); ++n) {
    ++peach.PeachCount;
    if (overhead && vb::IsNumeric(w.txtOverhead.Text()) &&
        EndsInIndicator(vb::Trim(AccountWritten(w, records[n], accounts[n])), peach.PeachLaborIndicator))
      peach.PeachCount += 2;
  }
  run.RecCount = static_cast<std::int64_t>(records.size());

  // Comma lines merge on their whole account, which the record's field may
  // not hold; each merged line is written with the account of its first line.
  WriteStored(
      w, records, PeachTree,
      [&](std::size_t n) {
        peach.PeachAcct = accounts[n];
        peach.recordNumber = static_cast<std::int64_t>(n) + 1;
        if (w.Summarized.Value() && peach.mergedKeys.insert(SumKey(run.curRec) + accounts[n]).second)
          peach.mergedAccounts.push_back(accounts[n]);
      },
      &accounts);
  peach.recordNumber = 0;
  if (w.Summarized.Value()) run.RecCount = run.SumRecs();
}

std::string LineDate(const QvLedgerloom& w, const InputRecord& rec) {
  return w.rdoYY.Value() ? SlashedDate(rec.date()) : SlashedRecordDate(rec);
}

// A debits or credits text that is no number is written back as ".00".
vb::Currency NumberOrZero(InputRecord& rec, InputRecord::Field field) {
  if (!vb::IsNumeric(rec.Get(field))) rec.Set(field, ".00");
  return vb::AmountOf(rec.Get(field));
}

void WriteBurdenLines(QvLedgerloom& w, const std::string& date, const std::string& count, const std::string& name,
                      const std::string& jobCode, const std::string& amount) {
  if (!EndsInIndicator(jobCode, peach.PeachLaborIndicator)) return;
  const std::string& rate = w.txtOverhead.Text();
  if (!vb::IsNumeric(rate)) return;
  const vb::Currency overhead = vb::CCur(vb::Format(vb::CCur(amount) * vb::CCur(rate) / 100, ".00"));
  if (overhead.IsZero()) return;
  const std::string burdenJobCode = vb::Replace(jobCode, peach.PeachLaborIndicator, peach.PeachBurdenIndicator);
  WriteJournalLine(w, JoinFields({Plain(date), Plain(std::string(kReference)), Plain(count),
                                  Plain(vb::Trim(peach.PeachBurdenDebit)), Plain(name), Plain(overhead.ToText()),
                                  Quoted(burdenJobCode)},
                                 ","));
  WriteJournalLine(w, JoinFields({Plain(date), Plain(std::string(kReference)), Plain(count),
                                  Plain(vb::Trim(peach.PeachBurdenCredit)), Plain(name),
                                  Plain((-overhead).ToText()), Plain("")},
                                 ","));
}

}  // namespace

std::string SplitOff(std::string& account, std::string_view delimiter) {
  if (delimiter.empty()) return {};
  const std::size_t p = vb::InStr(account, delimiter);
  if (p == 0) return {};
  std::string after = vb::Mid(account, p + delimiter.size());
  account = vb::Left(account, p - 1);
  return after;
}

bool EndsInIndicator(std::string_view text, std::string_view indicator) {
  return vb::Right(text, indicator.size()) == indicator;
}

void PeachTree(QvLedgerloom& w) {
  RunState& run = w.run;
  InputRecord& rec = run.curRec;
  run.quote.assign(1, '"');
  run.DoBalancing = true;

  // Comma lines are written with their whole account, unchecked; the
  // offsetting line with the account the operator typed.
  std::string account;
  if (!CommaForm(w)) {
    run.MaxAcctLen = kAccountWidth;
    CheckMaxLength(w);
    account = vb::Left(vb::Trim(rec.account()), kAccountWidth);
  } else if (run.Balancing) {
    account = vb::Trim(rec.account());
  } else if (run.curSumLoaded) {
    account = peach.mergedAccounts.at(static_cast<std::size_t>(run.LoopSum - 1));
  } else {
    account = peach.PeachAcct;
  }

  std::string amount;
  if (run.curSumLoaded) {
    amount = vb::Trim(run.SumAmount);
  } else {
    amount = (NumberOrZero(rec, InputRecord::kDebits) - NumberOrZero(rec, InputRecord::kCredits)).ToText();
  }
  const std::int64_t record = run.curSumLoaded || run.Balancing ? 0 : peach.recordNumber;
  amount = vb::Trim(AmountAtWidth(w, amount, kAmountWidth, Align::Left, record));

  std::string jobCode, name;
  if (w.chkJobCode.Checked()) jobCode = vb::Trim(vb::Left(SplitOff(account, w.txtDelim.Text()), kJobCodeWidth));
  if (w.chkNames.Checked()) name = vb::Trim(vb::Left(SplitOff(account, w.txtDelim.Text()), kNameWidth));

  const std::string date = LineDate(w, rec);
  const std::string count = std::to_string(peach.PeachCount);
  std::vector<Field> fields{Plain(date),   Plain(std::string(kReference)), Plain(count), Plain(vb::Trim(account)),
                            Plain(name), Plain(amount)};
  if (w.chkJobCode.Checked()) fields.push_back(Quoted(jobCode));
  WriteFields(w, ",", fields);

  if (Overhead(w)) WriteBurdenLines(w, date, count, name, jobCode, amount);
}

void RegisterPeachTreeWriter(FinPacCatalog& catalog) {
  FinPacHooks& h = catalog.HooksOf("PeachTree");
  h.entry = PeachTreeEntry;
  h.writer = PeachTree;
  h.balanceWriter = PeachTree;
}

}  // namespace qvl
