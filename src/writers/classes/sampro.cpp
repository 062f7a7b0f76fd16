#include "writers/classes/sampro.h"

#include "engine/catalog.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"

namespace qvl {

namespace {

// An amount as "0.00"; a text that is no number is written as it stands.
std::string Amount(const std::string& text) { return vb::Trim(vb::Format(text, "0.00")); }

// The sub-code: everything after the account's first "-".
std::string SubCode(const std::string& account) {
  const std::size_t dash = account.find('-');
  return dash == std::string::npos ? std::string() : vb::Trim(account.substr(dash + 1));
}

}  // namespace

SamPro::SamPro(QvLedgerloom& window)
    : ClassWriter(window, {.input = ClassInput::Records, .delimiter = "|", .zeroText = ".00"}) {}

void SamPro::WriteLine(bool offsetting) {
  const std::string payDate = RecordDate(Value(InputRecord::kDate), "/");
  if (!offsetting && firstRecord_) {
    firstRecord_ = false;
    Output({
        Plain("PERIOD ENDING DATE"),
        Plain(vb::Format(PeriodEnd(), "mm/dd/yyyy")),
        Plain("PAY DATE"),
        Plain(payDate),
    });
  }
  // An offsetting line's amounts are the ones the offsetting entry put into
  // the current record.
  Output({
      Plain(vb::Trim(vb::Left(Account(), 6))),
      Plain(SubCode(Account())),
      Plain(Amount(Debit())),
      Plain(Amount(Credit())),
      Plain("PAY DATE " + payDate),
  });
}

void SamPro::TakeOffset(const std::string& account, const OffsetAmounts& amounts) {
  ClassWriter::TakeOffset(AtRecordWidth(account), AtRecordWidths(amounts));
}

layout::Layout SamPro::WindowLayout() const {
  using namespace layout;
  return {
      HideOptions(),
      Show({"lblMSG"}),
      Pattern("*.txt"),
      Samples({
          "PERIOD ENDING DATE|12/27/2008|PAY DATE|01/02/2009",
          "5000||0.00|913.22|Net Pay - Direct Deposits",
          "5000-104-10|104-10|13.22|0.00|01/02/2009",
          "5100-100-10|100-10|900.00|0.00|01/02/2009",
      }),
  };
}

void RegisterSamPro(FinPacCatalog& catalog) { catalog.HooksOf("SamPro").makeWriter = MakeWriter<SamPro>; }

}  // namespace qvl
