#include "writers/builtin/juris.h"

#include <string>

#include "engine/catalog.h"
#include "engine/fields.h"
#include "window/qvledgerloom.h"
#include "platform/vb/currency.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"

namespace qvl {

namespace {

// The one amount column: a debit as the record carries it, a credit negated
// with two decimals. A record with both sides writes its net, in the form of
// the side the net falls on, so the journal agrees with the reported balance.
std::string JurisAmount(const RunState& run) {
  if (run.curSumLoaded) return vb::Trim(run.SumAmount);
  const vb::Currency debit = vb::AmountOf(run.curRec.debits());
  const vb::Currency credit = vb::AmountOf(run.curRec.credits());
  if (!debit.IsZero() && !credit.IsZero()) {
    const vb::Currency net = debit - credit;
    return vb::Format(net, net > vb::Currency() ? "#.00" : "0.00");
  }
  if (!debit.IsZero()) return vb::Trim(run.curRec.debits());
  return vb::Format(-credit, "0.00");
}

}  // namespace

void Juris(QvLedgerloom& w) {
  RunState& run = w.run;
  ++run.RecCount;
  run.DoBalancing = true;
  WriteFields(w, ",",
              {Quoted(vb::Trim(run.curRec.account())), Quoted(SlashedRecordDate(run.curRec)), Quoted("LEGALPOINT"),
               Quoted("PR048"), Plain(std::to_string(run.RecCount)), Quoted("0480402"), Plain(JurisAmount(run)),
               Quoted("N"), Quoted("N"), Quoted("Summary Posting")});
}

void RegisterJurisWriter(FinPacCatalog& catalog) { catalog.HooksOf("JURIS").writer = Juris; }

}  // namespace qvl
