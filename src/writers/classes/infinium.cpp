#include "writers/classes/infinium.h"

#include "engine/catalog.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"

namespace qvl {

namespace {

constexpr std::size_t kAccountWidth = 36;

}  // namespace

Infinium::Infinium(QvLedgerloom& window) : ClassWriter(window, {.zeroText = "0"}) {}

void Infinium::WriteLine(bool) {
  Output({
      Plain(vb::PadRight(Account(), kAccountWidth)),
      Plain(Net().ToText()),
      Plain("Payroll Period Ending " + vb::Format(PeriodEnd(), "mm/dd/yyyy")),
  });
}

layout::Layout Infinium::WindowLayout() const {
  using namespace layout;
  const auto sample = [](std::string_view account, std::string_view amount) {
    return Line({vb::PadRight(account, kAccountWidth), ",", amount, ",Payroll Period Ending 09/15/2009"});
  };
  return {
      HideOptions(),
      Show({"lblMSG"}),
      Pattern("*.csv"),
      Samples({sample("1000", "-5984.92"), sample("6110", "191.5"), sample("6571", "2590")}),
  };
}

void RegisterInfinium(FinPacCatalog& catalog) { catalog.HooksOf("Infinium").makeWriter = MakeWriter<Infinium>; }

}  // namespace qvl
