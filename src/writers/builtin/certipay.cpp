#include "writers/builtin/certipay.h"

#include <string>

#include "engine/call_patterns.h"
#include "engine/catalog.h"
#include "engine/fields.h"
#include "engine/run_files.h"
#include "engine/write_output.h"
#include "platform/vb/currency.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"
#include "window/qvledgerloom.h"

namespace qvl {

namespace {

void CertiPayEntry(QvLedgerloom& w) {
  w.run.Ready = true;
  InitFiles(w);
  RecordLoop(w, CertiPay);
}

}  // namespace

void CertiPay(QvLedgerloom& w) {
  RunState& run = w.run;
  InputRecord& rec = run.curRec;
  const std::string debits = TrimInPlace(rec, InputRecord::kDebits);
  const std::string credits = TrimInPlace(rec, InputRecord::kCredits);
  WriteDebitThenCredit(run, HasAmountText(debits), HasAmountText(credits), [&](Side side) {
    // A debit as the record holds it; a credit negated, as a plain number (a
    // credit that is no number is 0).
    std::string amount = side == Side::Debit ? debits : (-vb::AmountOf(credits)).ToText();
    ++run.RecCount;
    const std::string number = std::to_string(run.RecCount);
    const std::string date = rec.date();
    WriteFields(w, ",",
                {Plain(w.cmboCoNum.Text() + vb::Format(w.PeriodEnd(), "yymm")), Plain(number),
                 Plain(vb::Mid(date, 5, 2) + "-" + vb::Right(date, 2) + "-" + vb::Mid(date, 3, 2)),
                 Plain(TrimInPlace(rec, InputRecord::kAccount)), Plain(std::move(amount)),
                 Plain("Quorvanta " + number), Plain(TrimInPlace(rec, InputRecord::kCompany)),
                 Plain(TrimInPlace(rec, InputRecord::kDivision)), Plain(TrimInPlace(rec, InputRecord::kDepartment))});
  });
}

void RegisterCertiPayWriter(FinPacCatalog& catalog) {
  FinPacHooks& certiPay = catalog.HooksOf("CertiPay Advantage");
  certiPay.entry = CertiPayEntry;
  certiPay.writer = CertiPay;
  certiPay.balanceWriter = CertiPay;
}

}  // namespace qvl
