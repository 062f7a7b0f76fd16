// Three generations of MAS90: "MAS90 v3.2" (fixed-width lines with an
// account length the operator chooses), "MAS90 v4.2" (quoted comma lines
// with fixed codes) and "MAS90 v4.3" (comma lines with a running entry
// number, read and summarized by the writer itself).
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "engine/call_patterns.h"
#include "engine/catalog.h"
#include "engine/fields.h"
#include "engine/run_driver.h"
#include "engine/run_files.h"
#include "engine/run_messages.h"
#include "engine/run_state.h"
#include "engine/summarize.h"
#include "platform/dialogs/dialogs.h"
#include "platform/vb/convert.h"
#include "platform/vb/currency.h"
#include "platform/vb/date.h"
#include "platform/vb/error.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"
#include "window/qvledgerloom.h"
#include "writers/builtin/mas90_v4x_v50_v80.h"
#include "writers/builtin/whole_file.h"

namespace qvl {

namespace {

constexpr std::size_t kV32Width = 39;  // account and its filler

struct Mas90State {
  int MAS90AcctLen = 0;  // asked at every "MAS90 v3.2" run
};
Mas90State mas90;

// --- MAS90 v3.2 ---

// A record with a debit writes the debit, one with a credit the credit after
// a "-" as the record holds it; one with both writes its net in the form of
// its sign, so the line agrees with what the balance counts.
std::string V32Amount(const QvLedgerloom& w) {
  const RunState& run = w.run;
  if (w.Summarized.Value()) return run.SumAmount;
  const vb::Currency debit = vb::AmountOf(vb::Trim(run.curRec.debits()));
  const vb::Currency credit = vb::AmountOf(vb::Trim(run.curRec.credits()));
  if (!debit.IsZero() && !credit.IsZero()) {
    const vb::Currency net = debit - credit;
    return net < vb::Currency() ? "-" + vb::Format(-net, "#.00") : net.ToText();
  }
  if (!debit.IsZero()) return debit.ToText();
  return "-" + vb::Trim(run.curRec.credits());
}

// The month of the record's "yyyymmdd" date.
int RecordMonth(const std::string& date) {
  const std::string mm = vb::Mid(date, 5, 2);
  const int month = vb::IsNumeric(mm) ? static_cast<int>(vb::Val(mm)) : 0;
  if (month < 1 || month > 12)
    throw vb::Error(vb::kTypeMismatch, "The record's date \"" + date + "\" has no month.");
  return month;
}

void Mas90V32Entry(QvLedgerloom& w) {
  RunState& run = w.run;
  run.Ready = true;
  // Asked before any file is created: Cancel ends the run, and an earlier
  // journal and audit trail of the same name stay as they were.
  mas90.MAS90AcctLen = 0;
  while (mas90.MAS90AcctLen == 0) {
    const dialogs::InputReply reply = dialogs::InputBoxReply("Enter the Maximum Account Length (9 to 15)",
                                                             PackageTitle("MAS90 v3.2"), "9");
    if (reply.cancelled) {
      run.Ready = false;
      return;
    }
    mas90.MAS90AcctLen = Mas90V32Length(reply.text);
  }
  InitFiles(w);
  SummarizingRecordLoop(w, MAS90v32);
}

// --- MAS90 v4.2 ---

void Mas90V42Entry(QvLedgerloom& w) {
  RunState& run = w.run;
  run.Ready = true;
  InitFiles(w);
  CommaRecordLoop(w, InputRecord::kValueFields, [&](const std::vector<std::string>& values) {
    ValuesToRecord(values, run.curRec);
    if (w.Summarized.Value())
      Summarize(run);
    else
      MAS90v42(w);
  });
  if (w.Summarized.Value()) SummaryPass(w, MAS90v42);
}

// --- MAS90 v4.3 ---

// The month of the line's date: a date's own, else characters 5-6 of the
// "yyyymmdd" text.
std::string V43Month(const std::string& date) {
  const std::optional<vb::Date> parsed = vb::ParseDate(vb::Trim(date));
  return parsed ? vb::Format(*parsed, "mm") : vb::Mid(date, 5, 2);
}

// The line of the record or merged entry in curRec.
void WriteMas90V43Line(QvLedgerloom& w) {
  RunState& run = w.run;
  const vb::Currency amount = Mas90CountedNet(run);
  WriteFields(w, ",",
              {Plain(Mas90V43Account(run.curRec.account())), Plain(""), Plain(vb::Format(w.PeriodEnd(), "MM/DD/YY")),
               Plain("PR"), Plain("1"), Plain(std::to_string(run.RecCount)), Plain("PR"),
               Plain("PR" + V43Month(run.curRec.date())), Plain(vb::Format(amount, "#.00"))});
}

}  // namespace

std::string Mas90V32Account(std::string_view account, std::size_t length) {
  return Filled(vb::Replace(vb::Left(vb::Trim(account), length), "-", ""), length, '0');
}

int Mas90V32Length(std::string_view answer) {
  if (!vb::IsNumeric(answer)) return 0;
  double value = 0;
  try {
    value = vb::CDbl(answer);
  } catch (const vb::Error&) {
    return 0;
  }
  // Half to even, as the prompt's conversion rounds; a number too large for
  // any length is simply out of range.
  const double rounded = std::nearbyint(value);
  return rounded >= 9 && rounded <= 15 ? static_cast<int>(rounded) : 0;
}

std::string Mas90V43Account(std::string_view account) {
  std::string cleaned = vb::Replace(vb::Replace(vb::Trim(account), ".", ""), "-", "");
  if (cleaned.size() > 9) cleaned = vb::Replace(cleaned, " ", "");
  if (cleaned.size() > 9) cleaned = vb::Right(cleaned, 9);
  return cleaned;
}

void MAS90v32(QvLedgerloom& w) {
  RunState& run = w.run;
  const auto length = static_cast<std::size_t>(mas90.MAS90AcctLen);
  run.MaxAcctLen = mas90.MAS90AcctLen;
  CheckMaxLength(w);
  ++run.RecCount;
  run.DoBalancing = true;
  const std::string date = run.curRec.date();
  const int month = RecordMonth(date);
  WriteColumns(w, {{Mas90V32Account(run.curRec.account(), length), length},
                   {"", kV32Width - length},
                   {SlashedDate(date), 8},
                   {"PR", 2},
                   {"10" + vb::Mid(date, 5, 2), 4},
                   {"000", 3},
                   {"PR", 2},
                   {"MONTHLY PAYROLL " + vb::UCase(vb::MonthName(month)), 40},
                   {AmountInField(V32Amount(w), 13), 13}});
}

void MAS90v42(QvLedgerloom& w) {
  RunState& run = w.run;
  const vb::Currency amount = Mas90CountedNet(run);
  WriteFields(w, ",",
              {Quoted(vb::Trim(run.curRec.account())), Quoted(vb::Trim(run.curRec.date())), Quoted("ZY"),
               Quoted("75301"), Quoted("Y"), Quoted(amount.ToText()), Quoted(""), Quoted("11111-01"),
               Quoted("PAYROLL")});
}

void MAS90v43(QvLedgerloom& w) {
  RunState& run = w.run;
  if (run.Balancing) return WriteMas90V43Line(w);
  run.Ready = true;
  InitFiles(w);
  while (std::optional<std::string> line = ReadInputLine(w)) {
    OnInputLine(w, [&] {
      InputRecord rec;
      LineToDelim(*line, rec);
      run.curRec = rec;
      if (!w.Summarized.Value()) return WriteMas90V43Line(w);
      // Merged by account alone: the period end stands in for every date.
      run.curRec.SetDate(w.pdEndDate.Text());
      Summarize(run);
    });
  }
  if (w.Summarized.Value()) SummaryPass(w, WriteMas90V43Line);
}

void RegisterMas90V32V42V43Writers(FinPacCatalog& catalog) {
  FinPacHooks& v32 = catalog.HooksOf("MAS90 v3.2");
  v32.entry = Mas90V32Entry;
  v32.writer = MAS90v32;
  FinPacHooks& v42 = catalog.HooksOf("MAS90 v4.2");
  v42.entry = Mas90V42Entry;
  v42.writer = MAS90v42;
  catalog.HooksOf("MAS90 v4.3").writer = MAS90v43;
}

}  // namespace qvl
