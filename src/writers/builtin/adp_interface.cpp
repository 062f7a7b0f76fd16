#include "writers/builtin/adp_interface.h"

#include <string>
#include <string_view>

#include "engine/amount_fields.h"
#include "engine/call_patterns.h"
#include "engine/catalog.h"
#include "engine/fields.h"
#include "engine/run_files.h"
#include "engine/write_output.h"
#include "platform/vb/currency.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"
#include "window/qvledgerloom.h"

namespace qvl {

namespace {

constexpr std::size_t kAmountDigits = 11;
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kBalancingAccount = "T200";

struct AdpState {
  // The debits of the last line whose account holds "T200": the amount the
  // closing record credits. Zero until such a line is read in this run.
  vb::Currency TTHAmt;
};
AdpState adp;

// The period end as "mmddyy" twice and a blank.
std::string PeriodEndDates(QvLedgerloom& w) {
  const std::string date = vb::Format(w.PeriodEnd(), "mmddyy");
  return date + date + " ";
}

// Record type, debit/credit code, amount, account, description and dates:
// 76 characters. Detail records carry their own line end.
std::string AdpRecord(std::string_view type, std::string_view code, const std::string& cents,
                      std::string_view account, std::string_view description, const std::string& dates) {
  return JoinColumns({{std::string(type), 1},
                      {std::string(code), 1},
                      {cents, kAmountDigits},
                      {std::string(account), 32},
                      {std::string(description), 18},
                      {dates, 13}});
}

void WriteAdpRecord(QvLedgerloom& w, std::string line) {
  w.run.Build_OutRec = std::move(line);
  WriteOutputRec(w);
}

// One ledger line: one record, or two when its account names a second
// account after a blank.
void AdpLine(QvLedgerloom& w) {
  const RunState& run = w.run;
  const std::string whole = vb::Trim(run.curRec.account());
  std::string account = whole;
  std::string second;
  if (const std::size_t blank = vb::InStr(whole, " "); blank != 0) {
    account = vb::Left(whole, blank - 1);
    if (vb::InStr(2, whole, "A") != 0) second = vb::Trim(vb::Replace(whole, account, ""));
  }

  // The sign of the line's net decides its code; the field holds the size.
  const vb::Currency net = vb::AmountOf(run.curRec.debits()) - vb::AmountOf(run.curRec.credits());
  std::string code = net < vb::Currency() ? "C" : "D";
  vb::Currency amount = net < vb::Currency() ? -net : net;
  if (vb::InStr(account, kBalancingAccount) != 0) {
    code = "D";
    amount = vb::AmountOf(run.curRec.debits());
    adp.TTHAmt = amount;
  }
  // A "T88" line posts nothing, whatever it carries.
  const bool t88 = account == "T88";
  if (t88) code = "D";
  const std::string cents = t88 ? std::string(kAmountDigits, '0') : ZeroFilledCents(w, amount, kAmountDigits);

  const std::string dates = PeriodEndDates(w);
  const auto write = [&](const std::string& acct, bool split) {
    const bool decimal = vb::InStr(acct, ".") != 0;
    const std::string_view type = decimal && (split || vb::InStr(acct, ".02") == 0) ? "B" : "G";
    WriteAdpRecord(w, AdpRecord(type, code, cents, acct, "PAY INTERFACE OF: ", dates) + std::string(kLineEnd));
  };
  write(account, !second.empty());
  if (!second.empty()) write(second, true);
}

// The closing record credits "T200" with the remembered amount; it is the
// last thing in the file and has no line end.
void AdpClosing(QvLedgerloom& w, const std::string& dates) {
  RunState& run = w.run;
  const std::string cents = ZeroFilledCents(w, adp.TTHAmt, kAmountDigits);
  // Its audit line names what it posts: the account and the credit, stored
  // left-aligned as the current record stores every value.
  run.curRec = InputRecord();
  run.curRec.SetAccount(kBalancingAccount);
  run.curRec.SetDebits(".00");
  run.curRec.SetCredits(vb::Format(adp.TTHAmt, "#.00"));
  WriteAdpRecord(w, AdpRecord("G", "C", cents, kBalancingAccount, "TO BALANCE", dates));
}

void AdpGlClosing(QvLedgerloom& w) { AdpClosing(w, "000000000000 "); }
void AdpKvsClosing(QvLedgerloom& w) { AdpClosing(w, PeriodEndDates(w)); }

// The lines count nothing toward the balance: the closing record balances
// the file for the importing package.
void AdpEntry(QvLedgerloom& w, WindowProc closing) {
  RunState& run = w.run;
  run.Ready = true;
  run.DoBalancing = false;
  adp = AdpState();
  InitFiles(w);
  RecordLoop(w, AdpLine);
  closing(w);
}

void AdpGlEntry(QvLedgerloom& w) { AdpEntry(w, AdpGlClosing); }
void AdpKvsEntry(QvLedgerloom& w) { AdpEntry(w, AdpKvsClosing); }

}  // namespace

void RegisterAdpInterfaceWriters(FinPacCatalog& catalog) {
  FinPacHooks& gl = catalog.HooksOf("ADP/GL");
  gl.entry = AdpGlEntry;
  gl.writer = AdpLine;
  gl.balanceWriter = AdpGlClosing;

  FinPacHooks& kvs = catalog.HooksOf("ADP/KVS");
  kvs.entry = AdpKvsEntry;
  kvs.writer = AdpLine;
  kvs.balanceWriter = AdpKvsClosing;
}

}  // namespace qvl
