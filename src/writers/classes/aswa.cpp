#include "writers/classes/aswa.h"

#include <cmath>

#include "engine/catalog.h"
#include "platform/vb/convert.h"

namespace qvl {

namespace {

std::vector<std::string> Header(QvLedgerloom&) { return {"trans #,acct,dept,deb+/cred-"}; }

// The greatest whole number not above the value, or empty when the value is
// not a number.
std::string DepartmentNumber(const std::string& value) {
  if (!vb::IsNumeric(value)) return {};
  return vb::CStr(std::floor(vb::CDbl(value)));
}

}  // namespace

aswa::aswa(QvLedgerloom& window)
    : ClassWriter(window, {.values = 10,
                           .debit = kDebit,
                           .credit = kCredit,
                           .zeroText = "0",
                           .offsetHands = OffsetHands::Amounts}) {}

void aswa::WriteLine(bool offsetting) {
  const vb::Currency net = Net();
  if (net.IsZero()) return;
  const std::int64_t number = offsetting ? 1 : ++transactions_;
  Output({
      Plain(vb::CStr(number)),                  // trans #
      Plain(Account()),                         // acct, as read
      Plain(DepartmentNumber(Value(kSeventh))),  // dept
      Plain(net.ToText()),                      // deb+/cred-
  });
}

layout::Layout aswa::WindowLayout() const {
  using namespace layout;
  return {
      HideOptions(),
      Show({"lblMSG"}),
      Samples({"trans #,acct,dept,deb+/cred-", "1,103000,1,-9000", "2,73801,1,69261"}),
  };
}

void RegisterAswa(FinPacCatalog& catalog) {
  FinPacHooks& hooks = catalog.HooksOf("aswa");
  hooks.makeWriter = MakeWriter<aswa>;
  hooks.header = Header;
}

}  // namespace qvl
