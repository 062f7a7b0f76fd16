// "Reynolds & Reynolds": an 82-character print line for every debit and
// every credit of the comma export, closed by three lines with the number
// of journal lines and the debit and credit totals. The closing lines are
// written when the files are closed, so an offsetting line stands before
// them and is counted in them.
#include <string>
#include <vector>

#include "engine/amount_fields.h"
#include "engine/call_patterns.h"
#include "engine/catalog.h"
#include "engine/fields.h"
#include "engine/run_files.h"
#include "engine/run_messages.h"
#include "engine/run_state.h"
#include "engine/write_output.h"
#include "platform/vb/currency.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"
#include "window/qvledgerloom.h"
#include "writers/builtin/comma_input.h"
#include "writers/builtin/fixed_bank_files.h"

namespace qvl {

namespace {

struct ReynoldsState {
  vb::Currency RR_DebitTot;
  vb::Currency RR_CreditTot;  // zero or negative
};
ReynoldsState reynolds;

constexpr std::size_t kAmountWidth = 13;

// The account's three parts: second (12), first (10) and third (12).
struct RandRAccount {
  std::string second;
  std::string first;
  std::string third;
};

RandRAccount SplitAccount(const std::string& account) {
  const std::size_t dash = vb::InStr(account, "-");
  if (dash == 0) return {"", vb::Trim(account), ""};
  const std::string rest = vb::Mid(account, dash + 1);
  const std::string first = vb::Left(account, dash - 1);
  const std::size_t next = vb::InStr(rest, "-");
  // With one "-" only, the part after it is not written.
  if (next == 0) return {"", first, ""};
  return {vb::Trim(vb::Left(rest, next - 1)), first, vb::Trim(vb::Mid(rest, next + 1))};
}

std::string Amount(const QvLedgerloom& w, vb::Currency amount) {
  return AmountTextInField(w, vb::Format(amount, "##########.00"), kAmountWidth, ' ');
}

std::string PrintLine(const RandRAccount& account, const std::string& date, const std::string& text,
                      const std::string& amount) {
  return JoinColumns({{account.second, 12, Align::Right},
                      {account.first, 10, Align::Right},
                      {date, 10},
                      {text, 25},
                      {amount, kAmountWidth, Align::Right},
                      {account.third, 12, Align::Right}});
}

bool HasAmount(const std::string& text) {
  const std::string trimmed = vb::Trim(text);
  return !trimmed.empty() && trimmed != ".00";
}

// The journal lines of one ledger line, from curRec: its debit line, then
// its credit line, each with an audit line of the account and the amount;
// the ledger line's net counts once.
void WriteRandRLines(QvLedgerloom& w, const std::string& account, const std::string& date,
                     const std::string& debits, const std::string& credits) {
  RunState& run = w.run;
  const RandRAccount parts = SplitAccount(account);
  const std::string mmddyyyy = vb::Mid(date, 5, 2) + "/" + vb::Right(date, 2) + "/" + vb::Left(date, 4);
  WriteDebitThenCredit(run, HasAmount(debits), HasAmount(credits), [&](Side side) {
    vb::Currency amount = vb::AmountOf(debits);
    if (side == Side::Credit) amount = -vb::AmountOf(credits);
    const std::string field = Amount(w, amount);
    (side == Side::Debit ? reynolds.RR_DebitTot : reynolds.RR_CreditTot) += amount;
    run.Build_OutRec = PrintLine(parts, mmddyyyy, "", field);
    WriteOutputRec(w);
    ++run.RecCount;
    run.b.WriteLine(account + "  " + field);
  });
}

void RandRLine(QvLedgerloom& w, const std::string& line) {
  const std::vector<std::string> v = ExportLineValues(line);
  w.run.curRec = RecordOfExportLine(v);
  WriteRandRLines(w, v[InputRecord::kAccount], v[InputRecord::kDate], v[InputRecord::kDebits],
                  v[InputRecord::kCredits]);
}

// The offsetting record BalanceJE prepared, in the same layout.
void RandROffset(QvLedgerloom& w) {
  const InputRecord& rec = w.run.curRec;
  WriteRandRLines(w, rec.account(), rec.date(), rec.debits(), rec.credits());
}

std::vector<std::string> ClosingLines(QvLedgerloom& w) {
  const RandRAccount none;
  return {PrintLine(none, "", "End of File", Amount(w, vb::Currency::FromUnits(w.run.RecCount))),
          PrintLine(none, "", "Total debit amount", Amount(w, reynolds.RR_DebitTot)),
          PrintLine(none, "", "Total credit amount", Amount(w, reynolds.RR_CreditTot))};
}

void ReynoldsEntry(QvLedgerloom& w) {
  w.run.Ready = true;
  InitFiles(w);
  reynolds = ReynoldsState();
  RandR(w);
}

}  // namespace

void RandR(QvLedgerloom& w) {
  WholeLineLoop(w, PackageTitle("Reynolds & Reynolds"), [&w](const std::string& line) { RandRLine(w, line); });
}

void RegisterReynoldsWriter(FinPacCatalog& catalog) {
  FinPacHooks& hooks = catalog.HooksOf("Reynolds & Reynolds");
  hooks.entry = ReynoldsEntry;
  hooks.writer = RandR;
  hooks.balanceWriter = RandROffset;
  hooks.trailer = ClosingLines;
}

}  // namespace qvl
