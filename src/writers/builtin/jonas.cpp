#include "writers/builtin/jonas.h"

#include "engine/catalog.h"
#include "engine/fields.h"
#include "window/qvledgerloom.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"

namespace qvl {

void Jonas(QvLedgerloom& w) {
  RunState& run = w.run;
  run.DoBalancing = true;
  WriteFields(w, "\t",
              {Plain("01"), Plain("0"), Plain(vb::Trim(run.curRec.account())), Plain(w.pdEndDate.Text()),
               Plain(vb::Format(NetAmount(run.curRec), ".00")), Plain("P/R"),
               Plain(vb::Format(w.PeriodEnd(), "mmmm") + " payroll")});
  ++run.RecCount;
}

void RegisterJonasWriter(FinPacCatalog& catalog) { catalog.HooksOf("Jonas").writer = Jonas; }

}  // namespace qvl
