#include "writers/classes/ack.h"

#include "engine/catalog.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"
#include "window/qvledgerloom.h"

namespace qvl {

namespace {

// The heading's text is the journal's own, spelling included.
std::vector<std::string> Header(QvLedgerloom& window) {
  return {"ACCKNOWLEDGE JOURNAL ENTRY",
          vb::Format(window.txtMiscDate.Text(), "mmmm-d-yyyy") + "\tPayroll Ending " + window.pdEndDate.Text()};
}

}  // namespace

Ack::Ack(QvLedgerloom& window)
    : ClassWriter(window, {.delimiter = "\t",
                           .zeroText = "0.00",
                           .trimOffsetAccount = true,
                           .offsetHands = OffsetHands::AmountsAndAccount}) {}

void Ack::WriteLine(bool) {
  const vb::Currency net = Net();
  if (net.IsZero()) return;
  Output({
      Plain(Account()),
      Plain("JE"),
      Plain(vb::Replace(net.ToText(), "-", "")),
      Plain(net < vb::Currency() ? "C" : "D"),
      Plain(""),
  });
}

layout::Layout Ack::WindowLayout() const {
  layout::Layout steps =
      MessageLineLayout("*txt", {"ACCKNOWLEDGE JOURNAL ENTRY", "JAN-31-2008 DESCRIPTION",
                                 "506 JE  2200.99 C   Detail Description", "19  JE  888.99  D   Detail Description"});
  // The first heading line's date is typed in the second-date box.
  steps.insert(steps.end() - 1, layout::Show({"txtMiscDate", "lblMiscDate"}));
  return steps;
}

void RegisterAck(FinPacCatalog& catalog) {
  FinPacHooks& hooks = catalog.HooksOf("Acknowledge");
  hooks.makeWriter = MakeWriter<Ack>;
  hooks.header = Header;
}

}  // namespace qvl
