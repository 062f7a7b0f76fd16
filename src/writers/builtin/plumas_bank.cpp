// "Plumas Bank": a bank transfer file of 100-character records, written
// straight to the journal: a file header, one detail record per non-zero
// debit and per non-zero credit, and a trailer with the counts and totals.
// No line counts toward the balance, so the file is always reported in
// balance; each input record gets the package's own audit line.
#include <cstdint>
#include <string>

#include "engine/amount_fields.h"
#include "engine/call_patterns.h"
#include "engine/catalog.h"
#include "engine/fields.h"
#include "engine/input_record.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "platform/dialogs/dialogs.h"
#include "platform/vb/clock.h"
#include "platform/vb/currency.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"
#include "window/qvledgerloom.h"
#include "writers/builtin/fixed_bank_files.h"

namespace qvl {

namespace {

struct PlumasState {
  std::string PB_RoutingNumber;
  std::string PB_OriginatorID;
  std::int64_t PB_DebitCount = 0;
  vb::Currency PB_DebitTot;
  std::int64_t PB_CreditCount = 0;
  vb::Currency PB_CreditTot;
};
PlumasState plumas;

constexpr std::size_t kAccountWidth = 17;

// The account as the bank takes it: cut to 17, without the words "Office"
// and "Employ" and without blanks.
std::string BankAccount(const std::string& account) {
  std::string bank = vb::Left(account, kAccountWidth);
  for (const char* word : {"Office", "Employ", " "}) bank = vb::Replace(bank, word, "");
  return bank;
}

void WriteDetail(QvLedgerloom& w, const std::string& account, char side, vb::Currency amount) {
  RunState& run = w.run;
  ++run.RecCount;
  WriteJournalLine(w, JoinColumns({
                          {"HT", 2},
                          {"", 3},
                          {vb::Left(account, 15), 15},
                          {plumas.PB_RoutingNumber, 9},
                          {vb::Left(account, 4) == "1135" ? "DDA" : "GLA", 3},
                          {account, kAccountWidth},
                          {run.curRec.date(), 8},
                          {std::string(1, side), 1},
                          {AmountTextInField(w, vb::Format(amount, "0.00"), 11, '0'), 11},
                          {"PLUMAS BANK", 30},
                          {".", 1},
                      }));
}

// A positive amount is a record of its own side, a negative one a record of
// the other side with the amount's size.
void WriteAmount(QvLedgerloom& w, const std::string& account, vb::Currency amount, bool debitSide) {
  if (amount.IsZero()) return;
  const bool debit = (amount > vb::Currency()) == debitSide;
  const vb::Currency size = amount > vb::Currency() ? amount : -amount;
  WriteDetail(w, account, debit ? 'D' : 'C', size);
  if (debit) {
    ++plumas.PB_DebitCount;
    plumas.PB_DebitTot += size;
  } else {
    ++plumas.PB_CreditCount;
    plumas.PB_CreditTot += size;
  }
}

std::vector<std::string> Header(QvLedgerloom& w) {
  return {JoinColumns({
      {"FH", 5},
      {vb::Format(w.PeriodEnd(), "yyyymmdd"), 8},
      {vb::Format(vb::Now(), "hhmm"), 4},
      {"Z", 1},
      {vb::PadLeft(vb::Left(plumas.PB_OriginatorID, 10), 10), 10},
      {"PAYROLL GL", 20},
      {"PAYROLL GL", 51},
      {".", 1},
  })};
}

std::vector<std::string> Trailer(QvLedgerloom& w) {
  const auto count = [&w](std::int64_t n, const char* what) { return ZeroFilled(w, std::to_string(n), 6, what); };
  const auto total = [&w](vb::Currency t, const char* what) { return ZeroFilled(w, vb::Format(t, "0.00"), 13, what); };
  return {JoinColumns({
      {"TS", 5},
      {count(plumas.PB_DebitCount + plumas.PB_CreditCount, "record count"), 6},
      {total(plumas.PB_DebitTot + plumas.PB_CreditTot, "total amount"), 13},
      {count(plumas.PB_DebitCount, "debit count"), 6},
      {total(plumas.PB_DebitTot, "debit total"), 13},
      {count(plumas.PB_CreditCount, "credit count"), 6},
      {total(plumas.PB_CreditTot, "credit total"), 13},
      {"", 37},
      {".", 1},
  })};
}

void PlumasBankEntry(QvLedgerloom& w) {
  w.run.Ready = true;
  plumas = PlumasState();
  // No defaults: the routing number and the originator ID are the client's
  // own; an empty answer is written as blanks.
  plumas.PB_RoutingNumber = dialogs::InputBox("Please provide a Routing Number:", "Plumas Bank module");
  plumas.PB_OriginatorID =
      dialogs::InputBox("Please provide an Originator ID:", "Plumas Bank module - assigned by the ODFI");
  InitFiles(w);
  RecordLoop(w, PlumasBank);
}

// The package's own audit line: the record's account, debits and credits
// fields at their stored widths (18, 14, 14), separated by tabs.
std::string PlumasAuditLine(const InputRecord& record) {
  return std::string(record.View(InputRecord::kAccount)) + "\t" + std::string(record.View(InputRecord::kDebits)) +
         "\t" + std::string(record.View(InputRecord::kCredits));
}

}  // namespace

void PlumasBank(QvLedgerloom& w) {
  RunState& run = w.run;
  const std::string account = BankAccount(run.curRec.account());
  WriteAmount(w, account, vb::AmountOf(run.curRec.debits()), true);
  WriteAmount(w, account, vb::AmountOf(run.curRec.credits()), false);
  // One per input record, also when it gives no detail record.
  run.b.WriteLine(PlumasAuditLine(run.curRec));
}

void RegisterPlumasBankWriter(FinPacCatalog& catalog) {
  FinPacHooks& hooks = catalog.HooksOf("Plumas Bank");
  hooks.entry = PlumasBankEntry;
  hooks.writer = PlumasBank;
  hooks.header = Header;
  hooks.trailer = Trailer;
}

}  // namespace qvl
