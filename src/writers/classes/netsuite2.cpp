#include "writers/classes/netsuite2.h"

#include "engine/catalog.h"
#include "platform/vb/text.h"

namespace qvl {

namespace {

std::vector<std::string> Header(QvLedgerloom&) { return {"Account,Debit,Credit,Memo,Entity,Class,Department,Location"}; }

// An amount field that reads ".00" is written "0".
std::string ZeroAsNought(const std::string& amount) { return vb::Trim(amount) == ".00" ? "0" : amount; }

}  // namespace

NetSuite2::NetSuite2(QvLedgerloom& window)
    : ClassWriter(window, {.input = ClassInput::Records, .zeroText = "0.00", .offsetHands = OffsetHands::AmountsAndAccount}) {}

// The account field splits at its first comma; one without a comma is all
// account, with no department.
void NetSuite2::TakeLine() {
  const std::string field = Account();
  const std::size_t comma = field.find(',');
  SetValue(InputRecord::kAccount, field.substr(0, comma));
  department_ = comma == std::string::npos ? std::string() : vb::Replace(field.substr(comma), ",", "");
  SetValue(InputRecord::kDebits, ZeroAsNought(Debit()));
  SetValue(InputRecord::kCredits, ZeroAsNought(Credit()));
}

void NetSuite2::WriteLine(bool offsetting) {
  if (!NonZeroOrOffset(offsetting)) return;
  const std::string& date = Value(InputRecord::kDate);
  Output({
      Plain(vb::Trim(Account())),
      Plain(vb::Trim(Debit())),
      Plain(vb::Trim(Credit())),
      Plain(RecordDate(date, "-") + " Payroll"),
      Plain(""),
      Plain(""),
      Plain(vb::Trim(department_)),
      Plain(""),
  });
}

void NetSuite2::TakeOffset(const std::string& account, const OffsetAmounts& amounts) {
  ClassWriter::TakeOffset(vb::Trim(account), AtRecordWidths(amounts));
  department_.clear();
}

layout::Layout NetSuite2::WindowLayout() const {
  using namespace layout;
  return {
      HideOptions(),
      Pattern("*.txt"),
      Samples({
          "Account  Debit   Credit  Memo        Entity  Class   Department  Location",
          "4495     31.58       0   02-18-2010 Payroll",
          "5000     31941.69    0   02-18-2010 Payroll          ADMIN",
          "5100     55.93       0   02-18-2010 Payroll          SALES",
      }),
  };
}

void RegisterNetSuite2(FinPacCatalog& catalog) {
  FinPacHooks& hooks = catalog.HooksOf("NetSuite Release 2");
  hooks.makeWriter = MakeWriter<NetSuite2>;
  hooks.header = Header;
}

}  // namespace qvl
