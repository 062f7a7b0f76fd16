#include "writers/classes/seven_hills.h"

#include "engine/catalog.h"
#include "platform/vb/text.h"

namespace qvl {

namespace {

constexpr std::string_view kColumnHeadings = "GL,PR,d1,d2,Amt";

std::vector<std::string> Header(QvLedgerloom&) { return {std::string(kColumnHeadings)}; }

}  // namespace

SevenHills::SevenHills(QvLedgerloom& window)
    : ClassWriter(window, {.values = TenValueLine::kValues,
                           .debit = TenValueLine::kDebit,
                           .credit = TenValueLine::kCredit,
                           .zeroText = ".00",
                           .split = OffsetSplit::NegatedCreditAboveZero,
                           .emptyAmountsAreZero = true,
                           .trimOffsetAccount = true,
                           .offsetHands = OffsetHands::AmountsAndAccount}) {}

void SevenHills::WriteLine(bool offsetting) {
  const vb::Currency net = Net();
  if (!offsetting && net.IsZero()) return;
  const std::string date = RecordDate(Value(InputRecord::kDate), "/");
  Output({
      Plain(vb::Trim(Account())),               // GL
      Plain(vb::Trim(Value(kPayrollAccount))),  // PR
      Plain(date),                              // d1
      Plain(date),                              // d2
      Plain(net.ToText()),                      // Amt,
  });
}

layout::Layout SevenHills::WindowLayout() const {
  return MessageLineLayout("*.txt;*.csv",
                           {std::string(kColumnHeadings), "25060,151200,5/10/2012,5/10/2012,-22.72",
                            "25060,301450,5/10/2012,5/10/2012,-48.17", "51010,801150,5/10/2012,5/10/2012,359.70"});
}

void RegisterSevenHills(FinPacCatalog& catalog) {
  FinPacHooks& hooks = catalog.HooksOf("Seven Hills");
  hooks.makeWriter = MakeWriter<SevenHills>;
  hooks.header = Header;
}

}  // namespace qvl
