#include "writers/builtin/sap.h"

#include <string>
#include <vector>

#include "engine/call_patterns.h"
#include "engine/catalog.h"
#include "engine/fields.h"
#include "platform/vb/convert.h"
#include "platform/vb/currency.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"
#include "window/qvledgerloom.h"

namespace qvl {

namespace {

// An amount field that holds no number is written into the record as
// "0.00", so the audit trail shows what the line counted.
void ZeroWhenNotNumeric(InputRecord& record, InputRecord::Field field) {
  if (!vb::IsNumeric(record.Get(field))) record.Set(field, "0.00");
}

// The period end stands as typed.
std::vector<std::string> RevHeader(QvLedgerloom& w) {
  const std::string periodEnd = w.pdEndDate.Text();
  return {JoinFields({Plain("H"), Plain("0100"), Plain("Payroll Expense"), Plain(""), Plain(periodEnd),
                      Plain(periodEnd), Plain("USD")},
                     "\t")};
}

// Both entries count the records they read.
void CountedEntry(QvLedgerloom& w) {
  RunPattern(w, *w.run.entry);
  // Records are read in order, so the last one read is their number.
  if (w.run.Files.IsOpen(1)) w.run.RecCount = w.run.Files.LineNumber(1);
}

struct RevAccount {
  std::string left;
  std::string right;  // "/" when the account holds nothing after its "-"
};

// Split at the first "-"; the right part keeps the field's trailing blanks.
// An account without "-" is its own left part, with nothing to its right.
RevAccount SplitRevAccount(const std::string& account) {
  const std::size_t at = vb::InStr(account, "-");
  std::string left = at == 0 ? vb::RTrim(account) : vb::Left(account, at - 1);
  std::string right = at == 0 ? std::string() : vb::Mid(account, at + 1);
  if (vb::Trim(right).empty()) right = "/";
  return {std::move(left), std::move(right)};
}

}  // namespace

void SAP(QvLedgerloom& w) {
  RunState& run = w.run;
  InputRecord& rec = run.curRec;
  run.DoBalancing = true;
  ZeroWhenNotNumeric(rec, InputRecord::kDebits);
  ZeroWhenNotNumeric(rec, InputRecord::kCredits);
  const vb::Currency net = NetAmount(rec);
  const bool debit = net >= vb::Currency();
  rec.SetHours(vb::Trim(rec.hours()));
  if (net.IsZero()) return;
  const std::string date = rec.date();
  WriteFields(w, ",",
              {Plain(vb::Trim(w.cmboCoNum.Text())), Plain(vb::Right(date, 4) + vb::Left(date, 4)), Plain(""),
               Plain(""), Plain(""), Plain(debit ? "Debit" : "Credit"), Plain(vb::Trim(rec.hours())),
               Plain((debit ? net : -net).ToText()), Plain("")});
}

void SAPrev10(QvLedgerloom& w) {
  RunState& run = w.run;
  InputRecord& rec = run.curRec;
  run.DoBalancing = true;
  rec.SetDebits(vb::Trim(rec.debits()));
  rec.SetCredits(vb::Trim(rec.credits()));
  ZeroWhenNotNumeric(rec, InputRecord::kDebits);
  ZeroWhenNotNumeric(rec, InputRecord::kCredits);
  const vb::Currency net = NetAmount(rec);
  const bool debit = net >= vb::Currency();
  const RevAccount account = SplitRevAccount(rec.account());
  WriteFields(w, "\t",
              {Plain("I"), Plain(debit ? "40" : "50"), Plain(account.left),
               Plain(vb::Format(debit ? net : -net, "#.00")), Plain(account.right), Plain("Quorvanta Payroll")});
}

void RegisterSapWriters(FinPacCatalog& catalog) {
  FinPacHooks& sap = catalog.HooksOf("SAP");
  sap.entry = CountedEntry;
  sap.writer = SAP;
  FinPacHooks& rev = catalog.HooksOf("SAP Rev. 1.0");
  rev.entry = CountedEntry;
  rev.writer = SAPrev10;
  rev.header = RevHeader;
}

}  // namespace qvl
