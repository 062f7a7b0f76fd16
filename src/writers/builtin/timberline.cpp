#include "writers/builtin/timberline.h"

#include "engine/catalog.h"
#include "engine/fields.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"
#include "window/qvledgerloom.h"

namespace qvl {

// The company and the period end stand as typed: untrimmed, not reformatted.
void Timberline(QvLedgerloom& w) {
  RunState& run = w.run;
  run.DoBalancing = true;
  WriteFields(w, ",",
              {Plain(w.cmboCoNum.Text()), Plain(w.pdEndDate.Text()), Plain(""), Plain(""), Plain(""),
               Plain(vb::Trim(run.curRec.account())), Plain(""), Plain(""),
               Plain(vb::Format(NetAmount(run.curRec), ".00"))});
  ++run.RecCount;
}

void RegisterTimberlineWriter(FinPacCatalog& catalog) { catalog.HooksOf("Timberline").writer = Timberline; }

}  // namespace qvl
