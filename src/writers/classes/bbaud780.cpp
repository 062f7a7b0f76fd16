#include "writers/classes/bbaud780.h"

#include <cmath>

#include "engine/catalog.h"
#include "platform/vb/convert.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"
#include "window/qvledgerloom.h"

namespace qvl {

namespace {

// "-" and the suffix number in at least three digits; "-000" for a suffix
// that is no number or is below 1 once rounded to a whole number (half to
// even). Any whole number is taken, however large.
std::string AccountSuffix(const std::string& suffix) {
  if (!vb::IsNumeric(suffix) || std::nearbyint(vb::CDbl(suffix)) < 1) return "-000";
  return vb::Format(suffix, "-000");
}

}  // namespace

bBaud780::bBaud780(QvLedgerloom& window)
    : ClassWriter(window, OwnValues(3, kAccount, {.zeroText = "0"})) {}

std::string bBaud780::GetPostDate() const {
  const std::string typed = window().pdEndDate.Text();
  return vb::IsDate(typed) ? typed : RecordDate(typed, "/");
}

void bBaud780::WriteLine(bool offsetting) {
  if (offsetting) HandAmounts();
  const vb::Currency net = Net();
  Output({
      Plain(Value(kPrefix) + "-" + Account() + AccountSuffix(Value(kSuffix))),
      Plain(net > vb::Currency() ? "Debit" : "Credit"),
      Plain(Unsigned(net)),
      Plain(GetPostDate()),
      Plain("Journal Entry"),
      Plain(window().txtJourRef.Text()),
      Plain("1"),
  });
}

layout::Layout bBaud780::WindowLayout() const {
  using namespace layout;
  return {
      Pattern("*.csv"),
      HideOptions(),
      Show({"lblMSG", "lblJourRef", "txtJourRef"}),
      Samples({
          "Account Number,Debit/Credit,Amount,Post Date,Journal,Journal Reference,Batch Number",
          "01-1001-000,Debit,500,7/1/2009,Journal Entry,Beginning Balance,1",
          "01-1026-000,Debit,9987.46,7/1/2009,Journal Entry,Beginning Balance,1",
          "01-1027-000,Debit,933187.98,7/1/2009,Journal Entry,Beginning Balance,1",
      }),
  };
}

void RegisterBBaud780(FinPacCatalog& catalog) {
  catalog.HooksOf("Blackbaud v7.80").makeWriter = MakeWriter<bBaud780>;
}

}  // namespace qvl
