#include "writers/classes/trident.h"

#include "engine/catalog.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"

namespace qvl {

Trident::Trident(QvLedgerloom& window)
    : ClassWriter(window, {.zeroText = "0.00", .offsetHands = OffsetHands::AmountsAndAccount}) {}

// An empty amount is a written zero, on the line and in the audit trail.
void Trident::TakeLine() {
  if (Debit().empty()) SetValue(InputRecord::kDebits, "0");
  if (Credit().empty()) SetValue(InputRecord::kCredits, "0");
}

void Trident::WriteLine(bool offsetting) {
  if (!NonZeroOrOffset(offsetting)) return;
  const vb::Currency net = Net();
  Output({
      Plain(vb::Format(Value(InputRecord::kBranch), "00") + "-" + Account() + "-" +
            vb::Format(Value(InputRecord::kDepartment), "000")),
      Plain(net < vb::Currency() ? "Credit" : "Debit"),
      Plain(Unsigned(net)),
      Plain(RecordDate(Value(InputRecord::kDate), "/")),
      Plain("Journal Entry"),
      Plain("1"),
  });
}

void Trident::TakeOffset(const std::string& account, const OffsetAmounts& amounts) {
  ClassWriter::TakeOffset(vb::Trim(account), amounts);
}

layout::Layout Trident::WindowLayout() const {
  using namespace layout;
  return {
      HideOptions(),
      Show({"lblMSG"}),
      Pattern("*.csv"),
      Samples({
          "01-1027-000,Debit,82.91,5/14/10,Journal Entry,,1",
          "01-2401-000,Credit,7987.34,5/14/10,Journal Entry,,1",
          "01-2402-000,Credit,5698.3,5/14/10,Journal Entry,,1",
          "01-2403-000,Credit,3098.34,5/14/10,Journal Entry,,1",
      }),
  };
}

void RegisterTrident(FinPacCatalog& catalog) { catalog.HooksOf("Trident").makeWriter = MakeWriter<Trident>; }

}  // namespace qvl
