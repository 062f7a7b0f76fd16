// "FTI": one fixed record of 94 characters for each positive debit and each
// positive credit. The writer switches the balance total off for its lines:
// the journal is always reported in balance.
#include <string>
#include <vector>

#include "engine/call_patterns.h"
#include "engine/catalog.h"
#include "engine/fields.h"
#include "engine/run_state.h"
#include "platform/vb/currency.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"
#include "window/qvledgerloom.h"
#include "writers/builtin/comma_input.h"

namespace qvl {

namespace {

constexpr std::string_view kDebitCode = "01";
constexpr std::string_view kCreditCode = "03";

struct FTIAccount {
  std::string account;     // 8 digits
  std::string subAccount;  // 4 digits
};

// A six-character account is its own sub-account 1; a longer one carries its
// sub-account in its last three characters ("400000 -001").
FTIAccount SplitAccount(const std::string& trimmed) {
  if (trimmed.size() == 6) return {vb::Format(trimmed, "00000000"), "0001"};
  return {vb::Format(vb::Left(trimmed, 6), "00000000"), vb::Format(vb::Right(trimmed, 3), "0000")};
}

void WriteRecord(QvLedgerloom& w, const FTIAccount& account, std::string_view code, vb::Currency amount,
                 const std::string& date) {
  const std::string digits = vb::Replace(vb::Format(amount, "00000000000.00"), ".", "");
  WriteColumns(w, {
                      {"001", 3},
                      {account.account, 8},
                      {account.subAccount, 4},
                      {std::string(code), 2},
                      {AmountInField(digits, 13, '0'), 13},
                      {"999999", 6},
                      {"999999", 6},
                      {"999", 3},
                      {"99999999", 8},
                      {date, 6},
                      {"099", 3},
                      {"payroll journal entry", 32},
                  });
}

void WriteFTIRecords(QvLedgerloom& w, const std::vector<std::string>& v) {
  RunState& run = w.run;
  run.curRec = RecordOfExportLine(v);
  const FTIAccount account = SplitAccount(vb::Trim(run.curRec.account()));
  const std::string date = vb::Trim(run.curRec.date());
  const std::string mmddyy = vb::Mid(date, 5, 4) + vb::Mid(date, 3, 2);
  const vb::Currency debit = vb::AmountOf(run.curRec.debits());
  const vb::Currency credit = vb::AmountOf(run.curRec.credits());
  if (debit > vb::Currency()) WriteRecord(w, account, kDebitCode, debit, mmddyy);
  if (credit > vb::Currency()) WriteRecord(w, account, kCreditCode, credit, mmddyy);
}

}  // namespace

void FTI(QvLedgerloom& w) {
  w.run.DoBalancing = false;
  CommaRecordLoop(w, InputRecord::kValueFields, [&w](const std::vector<std::string>& v) { WriteFTIRecords(w, v); });
}

void RegisterFTIWriter(FinPacCatalog& catalog) { catalog.HooksOf("FTI").writer = FTI; }

}  // namespace qvl
