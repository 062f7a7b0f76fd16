#include "writers/builtin/blackbaud.h"

#include <string>
#include <string_view>

#include "engine/call_patterns.h"
#include "engine/catalog.h"
#include "engine/fields.h"
#include "engine/run_files.h"
#include "engine/write_output.h"
#include "platform/vb/convert.h"
#include "platform/vb/currency.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"
#include "window/qvledgerloom.h"

namespace qvl {

namespace {

constexpr std::string_view kComma = ",";

// The record's "yyyymmdd" as mm/dd/yyyy, taken character by character.
std::string PostDate(const InputRecord& rec) {
  const std::string date = rec.date();
  return vb::Mid(date, 5, 2) + "/" + vb::Right(date, 2) + "/" + vb::Left(date, 4);
}

// Both packages: the column titles above the lines, then one writer call
// per record. The titles are no ledger line: they are not counted and have
// no audit line.
void TitledRecordLoop(QvLedgerloom& w, std::string_view titles, WindowProc writer) {
  w.run.Ready = true;
  InitFiles(w);
  w.run.Build_OutRec = std::string(titles);
  WriteJournalLine(w, w.run.Build_OutRec);
  RecordLoop(w, writer);
}

// ---- "Blackbaud" ----

void BlackbaudEntry(QvLedgerloom& w) {
  TitledRecordLoop(w, "Batch #,Account #,Date,Amount,Journal,Journal Ref,Type", Blackbaud);
}

// ---- "Financial Edge" ----

void FinancialEdgeEntry(QvLedgerloom& w) {
  TitledRecordLoop(w, "Account number,Post date,Type,Amount,Journal Reference,Journal,Encumbrance status",
                   FinancialEdge);
}

// The package writes an amount that is a number other than ".00" ("0.00"
// included).
bool Posts(const std::string& amount) { return vb::IsNumeric(amount) && amount != ".00"; }

}  // namespace

void Blackbaud(QvLedgerloom& w) {
  RunState& run = w.run;
  InputRecord& rec = run.curRec;
  // The package checks its own batch: none of its lines is counted.
  run.DoBalancing = false;
  if (vb::Trim(rec.debits()).empty()) rec.SetDebits(".00");
  if (vb::Trim(rec.credits()).empty()) rec.SetCredits(".00");
  vb::Currency net = vb::AmountOf(rec.debits()) - vb::AmountOf(rec.credits());
  if (net.IsZero()) return;
  std::string type = "Debit";
  if (net < vb::Currency()) {
    type = "Credit";
    net = -net;
  }
  WriteFields(w, kComma,
              {Plain(w.cmboCoNum.Text()), Plain(vb::Trim(rec.account())), Plain(PostDate(rec)),
               Plain(vb::Format(net, "0.00")), Plain("Payroll"), Plain(vb::Trim(w.txtJourRef.Text())),
               Plain(std::move(type))});
}

void FinancialEdge(QvLedgerloom& w) {
  InputRecord& rec = w.run.curRec;
  rec.SetAccount(vb::Trim(rec.account()));
  rec.SetDebits(vb::Trim(rec.debits()));
  rec.SetCredits(vb::Trim(rec.credits()));
  const std::string debits = vb::Trim(rec.debits());
  const std::string credits = vb::Trim(rec.credits());
  WriteDebitThenCredit(w.run, Posts(debits), Posts(credits), [&](Side side) {
    const bool debit = side == Side::Debit;
    WriteFields(w, kComma,
                {Plain(vb::Trim(rec.account())), Plain(PostDate(rec)), Plain(debit ? "Debit" : "Credit"),
                 Plain(debit ? debits : credits), Plain("Payroll"), Plain("Payroll"), Plain("Regular")});
  });
}

void RegisterBlackbaudWriters(FinPacCatalog& catalog) {
  FinPacHooks& blackbaud = catalog.HooksOf("Blackbaud");
  blackbaud.entry = BlackbaudEntry;
  blackbaud.writer = Blackbaud;
  blackbaud.balanceWriter = Blackbaud;

  FinPacHooks& edge = catalog.HooksOf("Financial Edge");
  edge.entry = FinancialEdgeEntry;
  edge.writer = FinancialEdge;
  edge.balanceWriter = FinancialEdge;
}

}  // namespace qvl
