#include "writers/classes/adp.h"

#include "engine/catalog.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"

namespace qvl {

namespace {

// Up to two characters after the account's first "-"; "01" for an account
// without one.
std::string SubAccount(const std::string& account) {
  const std::size_t hyphen = vb::InStr(account, "-");
  return hyphen == 0 ? "01" : vb::Mid(account, hyphen + 1, 2);
}

}  // namespace

ADP::ADP(QvLedgerloom& window)
    : ClassWriter(window,
                  {.zeroText = "0.00", .trimOffsetAccount = true, .offsetHands = OffsetHands::AmountsAndAccount}) {}

void ADP::WriteLine(bool) {
  const vb::Currency net = Net();
  if (net.IsZero()) return;
  Output({
      Quoted("1"),
      Quoted(""),
      Quoted("2"),
      Quoted(RecordDate(Value(InputRecord::kDate), "/")),
      Quoted("Quorvanta Payroll"),
      Quoted(vb::Left(Account(), 4)),
      Quoted(SubAccount(Account())),
      Quoted(vb::Format(net, "0.00")),
      Quoted(""),
      Quoted(""),
      Quoted(""),
      Quoted(""),
      Quoted(""),
      Quoted(Value(InputRecord::kDivision)),
      Quoted(""),
      Quoted(""),
      Quoted(""),
  });
}

layout::Layout ADP::WindowLayout() const {
  // The samples show the whole account and no division.
  const auto sample = [](std::string_view account, std::string_view amount) {
    return layout::Line({R"("1","","2","01/06/2011","Quorvanta Payroll",")", account, R"(","",")", amount,
                         R"(","","","","","","","","","")"});
  };
  return MessageLineLayout("*txt",
                           {sample("1103", "-136636.57"), sample("5102-03", "316.25"), sample("5903-70", "29.87")});
}

void RegisterADP(FinPacCatalog& catalog) { catalog.HooksOf("ADP").makeWriter = MakeWriter<ADP>; }

}  // namespace qvl
