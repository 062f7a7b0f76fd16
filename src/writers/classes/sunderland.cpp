#include "writers/classes/sunderland.h"

#include "engine/catalog.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"

namespace qvl {

Sunderland::Sunderland(QvLedgerloom& window)
    : ClassWriter(window, {.delimiter = "\t",
                           .zeroText = ".00",
                           .split = OffsetSplit::NegatedCreditAboveZero,
                           .emptyAmountsAreZero = true,
                           .trimOffsetAccount = true,
                           .offsetHands = OffsetHands::AmountsAndAccount}) {}

void Sunderland::WriteLine(bool offsetting) {
  const vb::Currency net = Net();
  if (!offsetting && net.IsZero()) return;
  const std::string& date = Value(InputRecord::kDate);
  const std::string month = vb::Mid(date, 5, 2);
  Output({
      Plain(vb::Format(month, "00") + vb::Format(vb::Mid(date, 7, 2), "00") + vb::Mid(date, 3, 2)),
      Plain(net.ToText()),
      Plain("1"),
      Plain(Account()),
      Plain(RecordDate(date, "/")),
      Plain(vb::Format(month, "#")),
      Plain(vb::Left(date, 4)),
      Plain("GJ"),
      Plain("PAYROLL"),
      Plain("ZOV PAYROLL ENTRIES"),
      Plain(""),
      Plain(""),
      Plain("Y"),
      Plain(""),
      Plain(""),
      Plain(""),
      Plain(""),
  });
}

layout::Layout Sunderland::WindowLayout() const {
  const std::string tail = "  9   2011    GJ  PAYROLL ADP PAYROLL ENTRIES         Y               ";
  return MessageLineLayout("*.txt;*.csv", {"093011  -117686.72  1   01101000    09/30/2011" + tail,
                                           "093011  12451.00    1   04310001    09/30/2011" + tail,
                                           "093011  5949.52 1   04310002    09/30/2011" + tail});
}

void RegisterSunderland(FinPacCatalog& catalog) { catalog.HooksOf("Sunderland").makeWriter = MakeWriter<Sunderland>; }

}  // namespace qvl
