#include "writers/classes/corrand.h"

#include "engine/catalog.h"
#include "platform/vb/text.h"

namespace qvl {

namespace {

bool LiveCheck(const std::string& description) { return vb::Left(description, 10) == "Live Check"; }

}  // namespace

Corrand::Corrand(QvLedgerloom& window)
    : ClassWriter(window, OwnValues(2, kAccount, {.zeroText = "0", .split = OffsetSplit::NegatedCreditUnlessZero})) {}

void Corrand::WriteLine(bool offsetting) {
  if (offsetting) {
    curRecAcc(Account());
    HandAmounts();
  }
  const vb::Currency debit = vb::AmountOf(Debit());
  const vb::Currency credit = vb::AmountOf(Credit());
  const bool liveCheck = LiveCheck(Value(kDescription));
  Output({
      Plain("GLT"),
      Plain(Account()),
      Plain(RecordDate(Value(InputRecord::kDate), "/")),
      Plain(""),
      Plain(""),
      Plain("CAR"),
      Plain(Value(kDescription)),
      Plain(liveCheck ? "0" : debit.ToText()),
      Plain(liveCheck ? (credit - debit).ToText() : credit.ToText()),
  });
}

void Corrand::TakeOffset(const std::string& account, const OffsetAmounts& amounts) {
  SetValue(kDescription, "");
  ClassWriter::TakeOffset(account, amounts);
}

layout::Layout Corrand::WindowLayout() const {
  using namespace layout;
  return {
      Pattern("*.csv"),
      HideOptions(),
      Hide({"lblMSG", "lblJourRef", "txtJourRef"}),
      Samples({
          "GLT,380-00-00-1099.00,1/6/2012,,,CAR,Cash - 401K,0.00,633.12",
          "GLT,380-00-00-1099.00,1/6/2012,,,CAR,Cash-ER Tax,0.00,22017.44",
          "GLT,380-00-00-1599.00,1/6/2012,,,CAR,COmmission,324.00,0.00",
          "GLT,380-70-72-6111.00,1/6/2012,,,CAR,Hourly Pay  ,1752.27,0.00",
      }),
  };
}

void RegisterCorrand(FinPacCatalog& catalog) { catalog.HooksOf("Corrand").makeWriter = MakeWriter<Corrand>; }

}  // namespace qvl
