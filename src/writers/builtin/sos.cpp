// "SOS": three fixed-width files in the output folder in place of one
// journal: the batch control file "glbatch.fil", the post control file
// "glpost1.fil" and the detail file "glpost2.fil" with one post record per
// non-zero debit and per non-zero credit. No line goes through the record
// output: the audit trail stays empty and the run reports the detail file
// in balance.
#include <string>

#include "engine/amount_fields.h"
#include "engine/call_patterns.h"
#include "engine/catalog.h"
#include "engine/fields.h"
#include "engine/run_files.h"
#include "engine/run_messages.h"
#include "engine/run_state.h"
#include "platform/vb/convert.h"
#include "platform/vb/currency.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"
#include "window/qvledgerloom.h"
#include "writers/builtin/fixed_bank_files.h"

namespace qvl {

namespace {

constexpr std::size_t kFacilityDigits = 4;
constexpr std::size_t kAmountWidth = 13;

// The facility code of this run, in exactly four digits.
std::string SOSFacility;

std::string ZeroPadded(std::string_view text, std::size_t width) {
  return Filled(vb::Trim(text), width, '0', Align::Right);
}

// The facility code as every post record carries it, or empty when the code
// is no whole number of at most four digits.
std::string FacilityCode(std::string_view typed) {
  const std::string code = vb::Trim(typed);
  if (code.empty() || code.size() > kFacilityDigits || code.find_first_not_of("0123456789") != std::string::npos)
    return {};
  return ZeroPadded(code, kFacilityDigits);
}

void WritePost(QvLedgerloom& w, const std::string& first, const std::string& second, const std::string& account,
               char side, const std::string& amount) {
  w.run.a2.WriteLine(JoinColumns({
      {"000001", 6},
      {SOSFacility, 4},
      {vb::Format(w.PeriodEnd(), "mm"), 2},
      {vb::Format(w.PeriodEnd(), "yyyy"), 4},
      {second, 4},
      {first, 4},
      {account, 8},
      {std::string(1, side), 1},
      {AmountTextInField(w, vb::Trim(amount), kAmountWidth, '0'), kAmountWidth},
      {"", 23},
  }));
}

std::string InOutputFolder(const RunState& run, std::string_view name) {
  return run.Output_Path + "\\" + std::string(name);
}

// A total as the control records carry it: "#.00", zero-filled to 13.
std::string Total(const QvLedgerloom& w, vb::Currency total, const char* what) {
  return ZeroFilled(w, vb::Format(total, "#.00"), kAmountWidth, what);
}

void SOSEntry(QvLedgerloom& w) {
  RunState& run = w.run;
  run.Ready = true;
  // Checked before any file is created: a code the post records cannot hold
  // would give the package a file it files under another facility.
  SOSFacility = FacilityCode(w.txtFacility.Text());
  if (SOSFacility.empty()) return RefuseRun(w, kFacilityCodeMsg);
  // The result message names the file the detail records are in.
  run.OUTFile = InOutputFolder(run, "glpost2.fil");
  OpenRunFiles(w,
               {{&run.a, InOutputFolder(run, "glbatch.fil")},
                {&run.a1, InOutputFolder(run, "glpost1.fil")},
                {&run.a2, run.OUTFile},
                {&run.b, run.AuditFile}},
               "Journal Entry files");
  run.RecCount = 0;
  run.curDebit = {};
  run.curCredit = {};
  RecordLoop(w, SOS);
  run.a2.Close();
  const std::string debits = Total(w, run.curDebit, "debit total");
  const std::string credits = Total(w, run.curCredit, "credit total");
  WriteJournalLine(w, vb::Format(w.PeriodEnd(), "mm/dd/yyyy") + vb::Format(w.PeriodEnd(), "mm") +
                          vb::Format(w.PeriodEnd(), "yyyy") + debits + credits);
  run.a1.WriteLine("000001" + debits + credits);
  run.a1.Close();
}

}  // namespace

void SOS(QvLedgerloom& w) {
  RunState& run = w.run;
  const InputRecord& rec = run.curRec;
  ++run.RecCount;
  std::string account = vb::Trim(rec.account());
  std::string first;
  std::string second;
  if (const std::size_t dash = vb::InStr(account, "-"); dash > 0) {
    first = vb::Left(vb::Left(account, dash - 1), 4);
    second = vb::Left(vb::Mid(account, dash + 1), 4);
    account.clear();
  }
  account = ZeroPadded(vb::Left(account, 8), 8);
  second = ZeroPadded(second, 4);
  first = ZeroPadded(first, 4);
  // An amount that is no number is no amount: no record, no total.
  const auto post = [&](const std::string& text, char side, vb::Currency& total) {
    if (!vb::IsNumeric(text)) return;
    const vb::Currency amount = vb::AmountOf(text);
    if (amount.IsZero()) return;
    total += amount;
    WritePost(w, first, second, account, side, text);
  };
  post(rec.debits(), 'D', run.curDebit);
  post(rec.credits(), 'C', run.curCredit);
}

void RegisterSOSWriter(FinPacCatalog& catalog) {
  FinPacHooks& hooks = catalog.HooksOf("SOS");
  hooks.entry = SOSEntry;
  hooks.writer = SOS;
}

}  // namespace qvl
