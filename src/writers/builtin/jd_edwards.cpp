#include "writers/builtin/jd_edwards.h"

#include <string>
#include <vector>

#include "engine/catalog.h"
#include "engine/fields.h"
#include "window/qvledgerloom.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"

namespace qvl {

namespace {

std::vector<std::string> JDEdwardsHeader(QvLedgerloom&) {
  return {"Account Number,Amount,Account Description,Subledger,Subledger Type,"
          "Subledger Description,Remark,Purchase Order,Purchase Order Suffix,"
          "Unit of Measure,Units,Reference,Phase,Pay Item,Asset Number,"
          "Posted Code,Check Date,Service/Tax Date,Company,JE Line Number,"
          "Line Extension,G/L Date,R V,B C,DOI Sub"};
}

}  // namespace

void JDEdwards(QvLedgerloom& w) {
  RunState& run = w.run;
  run.DoBalancing = true;
  // A blank amount is written into the record as "0", so the audit trail
  // shows what the line counted.
  if (vb::Trim(run.curRec.debits()).empty()) run.curRec.SetDebits("0");
  if (vb::Trim(run.curRec.credits()).empty()) run.curRec.SetCredits("0");
  const std::string amount = vb::Format(NetAmount(run.curRec), ".00");
  ++run.RecCount;
  const std::string date = SlashedRecordDate(run.curRec);
  WriteFields(w, ",",
              {Plain(run.curRec.account()), Plain(amount), Plain(""), Plain(""), Plain(""), Plain(""), Plain(""),
               Plain(""), Plain(""), Plain(""), Plain("0"), Plain(""), Plain(""), Plain(""), Plain(""), Plain("P"),
               Plain(date), Plain(date), Plain(w.cmboCoNum.Text()), Plain(std::to_string(run.RecCount)), Plain(""),
               Plain(date), Plain(""), Plain(""), Plain("0")});
}

void RegisterJDEdwardsWriter(FinPacCatalog& catalog) {
  FinPacHooks& h = catalog.HooksOf("JD Edwards");
  h.writer = JDEdwards;
  h.header = JDEdwardsHeader;
}

}  // namespace qvl
