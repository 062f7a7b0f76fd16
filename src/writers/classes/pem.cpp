#include "writers/classes/pem.h"

#include "engine/catalog.h"
#include "platform/vb/format.h"

namespace qvl {

PEM::PEM(QvLedgerloom& window)
    : ClassWriter(window,
                  {.zeroText = "0.00", .trimOffsetAccount = true, .offsetHands = OffsetHands::AmountsAndAccount}) {}

void PEM::WriteLine(bool offsetting) {
  if (!NonZeroOrOffset(offsetting)) return;
  const vb::Currency net = Net();
  Output({
      Quoted(Account()),
      Quoted(vb::Format(PeriodEnd(), "mmddyy")),
      Quoted(vb::Format(net, "0.00")),
  });
}

layout::Layout PEM::WindowLayout() const {
  using namespace layout;
  return {
      HideOptions(),
      Pattern("*.txt"),
      Samples({
          "*.csv",
          R"("1000-00-0000-000","040910","-217862.74")",
          R"("2320-00-0000-000","040910","-410.96")",
          R"("2325-00-0000-000","040910","-13479.28")",
          R"("2340-00-0000-000","040910","-16290.40")",
          R"("2350-00-0000-000","040910","-2592.90")",
          R"("5005-11-1000-000","040910","15516.48")",
      }),
  };
}

void RegisterPEM(FinPacCatalog& catalog) { catalog.HooksOf("PEM").makeWriter = MakeWriter<PEM>; }

}  // namespace qvl
