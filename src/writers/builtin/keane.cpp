#include "writers/builtin/keane.h"

#include <string>

#include "engine/call_patterns.h"
#include "engine/catalog.h"
#include "engine/fields.h"
#include "engine/run_files.h"
#include "platform/vb/currency.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"
#include "window/qvledgerloom.h"

namespace qvl {

namespace {

void KeaneLine(QvLedgerloom& w) {
  const RunState& run = w.run;
  const std::string account = vb::Trim(run.curRec.account());
  const vb::Currency net = vb::AmountOf(run.curRec.debits()) - vb::AmountOf(run.curRec.credits());
  const std::string date = vb::Trim(run.curRec.date());  // yyyymmdd
  WriteFields(w, " ",
              {Quoted(account.size() > 13 ? vb::Right(account, 13) : account),
               Plain(vb::Replace(vb::Format(net, "#######.00"), "-", "")),
               Quoted(net > vb::Currency() ? "D" : "C"),
               Quoted("Payroll JE" + vb::Space(15)),
               Quoted("RAINT"),
               Plain(vb::Left(date, 4) + vb::Mid(date, 5, 2)),
               Plain(vb::Format(vb::Trim(w.pdEndDate.Text()), "MM/DD/YYYY")),
               Plain("0"),
               Quoted(vb::Format(vb::Trim(w.txtFacility.Text()), "000")),
               Quoted("D")});
}

// Every record gives a line, one that nets to zero included.
void KeaneAcc(QvLedgerloom& w) {
  w.run.Ready = true;
  InitFiles(w);
  RecordLoop(w, KeaneLine);
}

}  // namespace

void RegisterKeaneWriter(FinPacCatalog& catalog) {
  FinPacHooks& hooks = catalog.HooksOf("Keane Accounting");
  hooks.writer = KeaneAcc;
}

}  // namespace qvl
