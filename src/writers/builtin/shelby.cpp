#include "writers/builtin/shelby.h"

#include <vector>

#include "engine/call_patterns.h"
#include "engine/catalog.h"
#include "engine/fields.h"
#include "engine/run_files.h"
#include "platform/vb/convert.h"
#include "platform/vb/currency.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"
#include "window/qvledgerloom.h"
#include "writers/builtin/fixed_amount.h"

namespace qvl {

namespace {

constexpr std::size_t kAccountWidth = 18;
constexpr std::size_t kMainAccountWidth = 9;
constexpr std::size_t kAmountWidth = 11;
constexpr std::string_view kDescription = "PAYROLL ENTRY FROM QUORVANTA";

// An amount the payroll export could not give as a number reaches the
// writer as zero.
void RepairAmounts(QvLedgerloom& w) {
  InputRecord& rec = w.run.curRec;
  if (!vb::IsNumeric(rec.debits())) rec.SetDebits("0.00");
  if (!vb::IsNumeric(rec.credits())) rec.SetCredits("0.00");
}

void ShelbyEntry(QvLedgerloom& w) {
  w.run.Ready = true;
  InitFiles(w);
  SummarizingRecordLoop(w, w.run.ChosenPackage == "Shelby v5" ? Shelbyv5 : Shelby, [&w] { RepairAmounts(w); });
}

// What every Shelby line shares, formed from the current record.
struct ShelbyValues {
  ShelbyAccount account;
  std::string cents;
  std::string recordDate;  // mmddyy
  std::string yearDigit;   // last digit of the period end's year
  std::string monthDay;    // period end as mmdd
};

ShelbyValues FormValues(QvLedgerloom& w) {
  RunState& run = w.run;
  InputRecord& rec = run.curRec;
  run.MaxAcctLen = kAccountWidth;
  ++run.RecCount;
  run.DoBalancing = true;
  ShelbyValues v;
  v.account = SplitShelbyAccount(rec.account());
  std::string amount;
  if (w.Summarized.Value()) {
    amount = vb::Trim(run.SumAmount);
  } else {
    const std::string debits = TrimInPlace(rec, InputRecord::kDebits);
    const std::string credits = TrimInPlace(rec, InputRecord::kCredits);
    amount = debits != ".00" ? (vb::AmountOf(debits) - vb::AmountOf(credits)).ToText()
                             : (-vb::AmountOf(credits)).ToText();
  }
  const std::int64_t record = w.Summarized.Value() || run.Balancing ? 0 : run.RecCount;
  v.cents = ShelbyCents(vb::Trim(AmountAtWidth(w, amount, kAmountWidth, Align::Left, record)));
  const std::string date = rec.date();
  v.recordDate = vb::Mid(date, 5, 2) + vb::Mid(date, 7, 2) + vb::Mid(date, 3, 2);
  const vb::Date end = w.PeriodEnd();
  v.yearDigit = vb::Right(vb::Format(end, "yy"), 1);
  v.monthDay = vb::Format(end, "mmdd");
  return v;
}

void WriteQuoted(QvLedgerloom& w, const std::vector<std::string>& values) {
  std::vector<Field> fields;
  for (const std::string& value : values) fields.push_back(Quoted(value));
  WriteFields(w, ",", fields);
}

}  // namespace

ShelbyAccount SplitShelbyAccount(std::string_view account) {
  ShelbyAccount parts;
  std::string rest = vb::Trim(vb::Left(account, kAccountWidth));
  for (std::string* part : {&parts.part1, &parts.part2, &parts.part3}) {
    const std::size_t blank = rest.find(' ');
    if (blank == std::string::npos) break;
    *part = rest.substr(0, blank);
    rest = vb::Trim(rest.substr(blank + 1));
  }
  parts.main = Filled(rest, kMainAccountWidth, '0', Align::Right);
  return parts;
}

std::string ShelbyCents(std::string_view amount) { return (vb::AmountOf(amount) * 100).ToText(); }

void Shelby(QvLedgerloom& w) {
  const ShelbyValues v = FormValues(w);
  const std::string& fiscalMonth = w.txtFiscMon.Text();
  if (w.run.ChosenPackage == "Shelby Systems 2") {
    WriteQuoted(w, {"00000", v.account.part1, v.account.part2, fiscalMonth, "PR", v.yearDigit + v.monthDay, "000",
                    v.recordDate, std::string(kDescription), "", v.account.part3,
                    vb::Replace(v.account.main, "-", "0"), v.cents, ""});
    return;
  }
  WriteQuoted(w, {"00000", v.account.part1 + v.account.part2 + fiscalMonth + "PR" + v.yearDigit + v.monthDay, "000",
                  v.recordDate, std::string(kDescription), "", v.account.part3 + v.account.main, v.cents, ""});
}

void Shelbyv5(QvLedgerloom& w) {
  const ShelbyValues v = FormValues(w);
  InputRecord& rec = w.run.curRec;
  const std::string branch = TrimInPlace(rec, InputRecord::kBranch);
  const std::string department = TrimInPlace(rec, InputRecord::kDepartment);
  const std::string description = w.chkLoc.Checked() ? department : branch + " " + department;
  const std::string batch =
      v.account.part1 + v.account.part2 + vb::Trim(w.txtFiscMon.Text()) + "PR" + v.yearDigit + v.monthDay;
  WriteQuoted(w, {w.chkNames.Checked() ? "00000" : "0", batch, "000", v.recordDate, description, "",
                  v.account.part3 + vb::Replace(v.account.main, "-", "0"), v.cents, ""});
}

void RegisterShelbyWriters(FinPacCatalog& catalog) {
  for (const char* text : {"Shelby Systems", "Shelby Systems 2"}) {
    FinPacHooks& h = catalog.HooksOf(text);
    h.entry = ShelbyEntry;
    h.writer = Shelby;
    h.balanceWriter = Shelby;
  }
  FinPacHooks& v5 = catalog.HooksOf("Shelby v5");
  v5.entry = ShelbyEntry;
  v5.writer = Shelbyv5;
  v5.balanceWriter = Shelbyv5;
}

}  // namespace qvl
