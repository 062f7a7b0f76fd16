// "Sparak": one 186-character record per input record whose net amount is
// not zero, numbered with the record's place in the input. The lines go
// through the record output, so the balance and the offsetting entry work as
// for any per-record writer; an offsetting line repeats the last number.
#include <string>

#include "engine/amount_fields.h"
#include "engine/call_patterns.h"
#include "engine/catalog.h"
#include "engine/fields.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "platform/vb/clock.h"
#include "platform/vb/currency.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"
#include "window/qvledgerloom.h"
#include "writers/builtin/fixed_bank_files.h"

namespace qvl {

namespace {

// The amount trimmed in place; an empty one becomes "0.00".
std::string TrimAmount(InputRecord& rec, InputRecord::Field field) {
  std::string amount = vb::Trim(rec.Get(field));
  if (amount.empty()) amount = "0.00";
  rec.Set(field, amount);
  return amount;
}

// Every input record takes the next number, written or not.
void NumberedSparak(QvLedgerloom& w) {
  ++w.run.RecCount;
  Sparak(w);
}

void SparakEntry(QvLedgerloom& w) {
  w.run.Ready = true;
  InitFiles(w);
  RecordLoop(w, NumberedSparak);
}

}  // namespace

void Sparak(QvLedgerloom& w) {
  RunState& run = w.run;
  InputRecord& rec = run.curRec;
  run.DoBalancing = true;
  const vb::Currency net =
      vb::AmountOf(TrimAmount(rec, InputRecord::kDebits)) - vb::AmountOf(TrimAmount(rec, InputRecord::kCredits));
  if (net.IsZero()) return;
  const bool debit = net > vb::Currency();
  const std::string today = vb::Format(vb::Today(), "yyyymmdd");
  const std::string number = std::to_string(run.RecCount);
  WriteColumns(w, {
                      {Filled(vb::Trim(vb::Left(rec.account(), 10)), 10, '0', Align::Right), 10},
                      {debit ? "0044" : "0007", 4},
                      {debit ? "19" : "18", 2},
                      {ZeroFilledCents(w, debit ? net : -net, 12), 12},
                      {today, 8},
                      {today, 8},
                      {ZeroFilled(w, number, 8, "record number"), 8},
                      // Blanks, as the package's own sample records show.
                      {"", 80},
                      {"00000000", 8},
                      {"0000000000", 10},
                      {"0000", 4},
                      {ZeroFilled(w, number, 18, "record number"), 18},
                      {"00000000000000", 14},
                  });
}

void RegisterSparakWriter(FinPacCatalog& catalog) {
  FinPacHooks& hooks = catalog.HooksOf("Sparak");
  hooks.entry = SparakEntry;
  hooks.writer = Sparak;
}

}  // namespace qvl
