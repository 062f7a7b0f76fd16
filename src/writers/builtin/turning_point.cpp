#include "writers/builtin/turning_point.h"

#include <string>
#include <vector>

#include "engine/catalog.h"
#include "engine/fields.h"
#include "platform/vb/clock.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"
#include "window/qvledgerloom.h"

namespace qvl {

namespace {

std::vector<std::string> TurningPointHeader(QvLedgerloom&) {
  return {"batchid,year,period,batchdescription,journaltype,batchnumber,batchdate,batchtype,posted,postdate,"
          "cashflow,line,account,description,transactiondate,referencenumber,amount,pqty,aqty,project"};
}

// Characters 1-4, 5-7 and the last two of the account, joined by "-"; a
// short account repeats characters in the last part.
std::string DashedAccount(const std::string& account) {
  return vb::Left(account, 4) + "-" + vb::Mid(account, 5, 3) + "-" + vb::Right(account, 2);
}

}  // namespace

// The year, period and batch date are the record's own, not the period end.
void TurningPoint(QvLedgerloom& w) {
  RunState& run = w.run;
  ++run.RecCount;
  run.DoBalancing = true;
  const std::string date = run.curRec.date();
  WriteFields(w, ",",
              {Quoted("1"), Quoted(vb::Left(date, 4)), Quoted(vb::Mid(date, 5, 2)), Quoted("Payroll"), Quoted("PR"),
               Quoted("1"), Quoted(SlashedDate(date)), Quoted("1"), Quoted(""), Quoted(""), Quoted(""),
               Quoted(std::to_string(run.RecCount)), Quoted(DashedAccount(vb::Trim(run.curRec.account()))),
               Quoted(""), Quoted(vb::Format(vb::Today(), "mm/dd/yyyy")), Quoted(""),
               Quoted(NetAmount(run.curRec).ToText()), Quoted(""), Quoted(vb::Trim(run.curRec.hours())),
               Quoted("")});
}

void RegisterTurningPointWriter(FinPacCatalog& catalog) {
  FinPacHooks& h = catalog.HooksOf("Turning Point");
  h.writer = TurningPoint;
  h.header = TurningPointHeader;
}

}  // namespace qvl
