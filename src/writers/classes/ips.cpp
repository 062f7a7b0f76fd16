#include "writers/classes/ips.h"

#include "engine/catalog.h"
#include "platform/vb/text.h"

namespace qvl {

IPS::IPS(QvLedgerloom& window)
    : ClassWriter(window, OwnValues(3, kFirstPart, {.zeroText = "0"})) {}

void IPS::StartRun() {
  lastDate_.clear();
  lastDescription_.clear();
}

void IPS::WriteLine(bool offsetting) {
  if (offsetting) HandAmounts();
  const vb::Currency net = Net();
  const std::string date = offsetting ? lastDate_ : DateText(Value(InputRecord::kDate), "mm-dd-yyyy", "-");
  const std::string description = offsetting ? lastDescription_ : vb::Trim(Value(kDescription));
  Output({
      Plain(date),
      Plain(vb::Trim(Account())),
      Plain(vb::Trim(Value(kSecondPart))),
      Plain(Unsigned(net)),
      // A line that nets to zero keeps its indicator column.
      Plain(net < vb::Currency() ? "C" : "D"),
      Plain("Payroll"),
      Plain(description),
  });
  if (!offsetting) {
    lastDate_ = date;
    lastDescription_ = description;
  }
}

void IPS::TakeOffset(const std::string& account, const OffsetAmounts& amounts) {
  ClassWriter::TakeOffset(account, amounts);
  SetValue(kSecondPart, "");
}

layout::Layout IPS::WindowLayout() const {
  using namespace layout;
  return {
      HideOptions(),
      Show({"lblMSG"}),
      Samples({
          "07-09-2009,123456,789011,149066.83,C,Payroll,Federal Reserve",
          "07-09-2009,234567,891011,1792.02,C,Payroll,Aflac",
          "07-09-2009,345678,901112,1961.54,C,Payroll,Non-Qual Def Comp",
          "07-09-2009,456789,101112,8002.06,D,Payroll,401 - K",
      }),
  };
}

void RegisterIPS(FinPacCatalog& catalog) { catalog.HooksOf("IPS").makeWriter = MakeWriter<IPS>; }

}  // namespace qvl
