#include "writers/builtin/fiserv_if3.h"

#include <cstdint>
#include <string>

#include "engine/amount_fields.h"
#include "engine/call_patterns.h"
#include "engine/catalog.h"
#include "engine/fields.h"
#include "engine/run_files.h"
#include "engine/run_messages.h"
#include "platform/dialogs/dialogs.h"
#include "platform/vb/currency.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"
#include "window/qvledgerloom.h"

namespace qvl {

namespace {

constexpr std::size_t kRoutingDigits = 9;
constexpr std::size_t kRecordLength = 150;

struct FiservState {
  std::string FiservBankAcct;
  vb::Currency fiservDebit;
  vb::Currency fiservCredit;
  std::int64_t fiservDebCount = 0;
  std::int64_t fiservCredCount = 0;
};
FiservState fiserv;

bool IsRoutingNumber(std::string_view text) {
  return text.size() == kRoutingDigits && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// The text with "0" put in front until it fills the width.
std::string ZeroPadded(std::string_view text, std::size_t width) {
  const std::string trimmed = vb::Trim(vb::Left(text, width));
  return std::string(width - trimmed.size(), '0') + trimmed;
}

// One transaction record, straight to the journal: the package keeps its
// own counts and totals in the trailer.
void WriteTransaction(QvLedgerloom& w, std::string_view code, vb::Currency amount) {
  WriteJournalLine(w, JoinColumns({{ZeroPadded(vb::Trim(w.run.curRec.account()), 16), 26},
                                   {std::string(code), 3},
                                   {ZeroFilledCents(w, amount, 10), 10},
                                   {vb::Format(w.PeriodEnd(), "MMDDYY"), 6},
                                   {"0", 13},
                                   {"0", 1},
                                   {"0", 1},
                                   {"   0", 10},
                                   {"Payroll from Quorvanta", 80}}));
}

void FiservIF3(QvLedgerloom& w) {
  const RunState& run = w.run;
  // An empty bank account is no account: it matches no record.
  const std::string bank = vb::Trim(fiserv.FiservBankAcct);
  const bool bankAccount = !bank.empty() && bank == vb::Trim(run.curRec.account());
  const vb::Currency debit = vb::AmountOf(run.curRec.debits());
  if (!debit.IsZero()) {
    WriteTransaction(w, bankAccount ? "037" : "500", debit);
    fiserv.fiservDebit += debit;
    ++fiserv.fiservDebCount;
  }
  const vb::Currency credit = vb::AmountOf(run.curRec.credits());
  if (!credit.IsZero()) {
    WriteTransaction(w, bankAccount ? "009" : "400", credit);
    fiserv.fiservCredit += credit;
    ++fiserv.fiservCredCount;
  }
}

std::string Trailer(QvLedgerloom& w) {
  const auto cents = [](vb::Currency total) { return std::to_string(CentsOf(total)); };
  return JoinColumns({{"TRAILER ", 8},
                      {ZeroFilled(w, std::to_string(fiserv.fiservDebCount), 6, "debit count"), 6},
                      {ZeroFilled(w, cents(fiserv.fiservDebit), 12, "debit total in cents"), 12},
                      {ZeroFilled(w, std::to_string(fiserv.fiservCredCount), 6, "credit count"), 6},
                      {ZeroFilled(w, cents(fiserv.fiservCredit), 12, "credit total in cents"), 12 + 106}});
}

void FiservIF3Entry(QvLedgerloom& w) {
  RunState& run = w.run;
  run.Ready = true;
  const std::string routing = w.cmboCoNum.Text();
  if (!IsRoutingNumber(routing)) return RefuseRun(w, "The institution ABA number must be 9 digits long");
  InitFiles(w);
  // No default: the account is the client's own.
  fiserv = FiservState();
  fiserv.FiservBankAcct = dialogs::InputBox("Please enter the Bank Account", PackageTitle(run.ChosenPackage));
  WriteJournalLine(w, JoinColumns({{"HEADER  ", 8},
                                   {vb::Format(w.PeriodEnd(), "MM/DD/YY"), 8},
                                   {" ", 1},
                                   {routing, kRecordLength - 17}}));
  RecordLoop(w, FiservIF3);
  // The trailer ends the file, without a line end.
  run.a.Write(Trailer(w));
}

}  // namespace

void RegisterFiservIF3Writer(FinPacCatalog& catalog) {
  FinPacHooks& hooks = catalog.HooksOf("Fiserv IF3");
  hooks.entry = FiservIF3Entry;
  hooks.writer = FiservIF3;
}

}  // namespace qvl
