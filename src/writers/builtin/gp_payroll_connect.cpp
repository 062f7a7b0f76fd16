// "GP Payroll Connect": one line of ten quoted values for each input line
// with a non-zero amount, written straight to the journal with an audit line
// of its own (account and amount). The run reports the number of lines
// written; the balance is not tested.
#include <string>
#include <vector>

#include "engine/call_patterns.h"
#include "engine/catalog.h"
#include "engine/fields.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "platform/files/comma_list.h"
#include "platform/vb/currency.h"
#include "platform/vb/error.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"
#include "window/qvledgerloom.h"
#include "writers/builtin/comma_input.h"

namespace qvl {

namespace {

// An input line as it stands; with "description field?" checked a
// description stands between the account and the hours.
struct GPLine {
  std::string company;
  std::string date;  // yyyymmdd
  std::string account;
  std::string description;
  std::string debits;
  std::string credits;
};

GPLine SplitLine(QvLedgerloom& w, const std::string& line) {
  const bool described = w.chkNames.Checked();
  const std::size_t count = InputRecord::kValueFields + (described ? 1 : 0);
  const std::optional<std::vector<std::string>> values = files::SplitAsItStands(line, count);
  if (!values)
    throw vb::Error(vb::kInvalidProcedureCall,
                    "The line does not hold the " + std::to_string(count) + " values of the export.");
  const std::vector<std::string>& v = *values;
  const std::size_t shift = described ? 1 : 0;
  return {described ? w.cmboCoNum.Text() : v[InputRecord::kCompany],
          v[InputRecord::kDate],
          v[InputRecord::kAccount],
          described ? v[InputRecord::kAccount + 1] : std::string(),
          v[InputRecord::kDebits + shift],
          v[InputRecord::kCredits + shift]};
}

// One amount column: a credit alone is written negated in its shortest form,
// a debit alone as it stands, a line with both sides as its net.
std::string AmountOf(const GPLine& line) {
  const vb::Currency debit = vb::AmountOf(line.debits);
  const vb::Currency credit = vb::AmountOf(line.credits);
  if (debit.IsZero()) return (-credit).ToText();
  if (credit.IsZero()) return line.debits;
  const vb::Currency net = debit - credit;
  return net > vb::Currency() ? vb::Format(net, "0.00") : net.ToText();
}

void WriteGPLine(QvLedgerloom& w, const std::string& text) {
  RunState& run = w.run;
  const GPLine line = SplitLine(w, text);
  const std::string amount = AmountOf(line);
  if (vb::AmountOf(amount).IsZero()) return;
  const bool extended = w.chkLoc.Checked();
  const std::string& d = line.date;
  const std::string date = extended ? vb::Mid(d, 5, 4) + vb::Left(d, 4) : vb::Mid(d, 5, 4) + vb::Mid(d, 4, 1);
  WriteJournalLine(w, JoinFields({Quoted(vb::Trim(line.company)), Quoted(vb::Trim(line.account)), Quoted("PR"),
                                  Quoted(date), Quoted(vb::Trim(amount)), Quoted(""),
                                  Quoted(extended ? line.description : ""), Quoted(""), Quoted(""), Quoted("")},
                                 ","));
  ++run.RecCount;
  run.b.WriteLine(line.account + "  " + amount);
}

}  // namespace

void GPpayrollConnect(QvLedgerloom& w) {
  WholeLineLoop(w, "QvLedgerloom", [&w](const std::string& line) { WriteGPLine(w, line); });
}

void RegisterGPPayrollConnectWriter(FinPacCatalog& catalog) {
  catalog.HooksOf("GP Payroll Connect").writer = GPpayrollConnect;
}

}  // namespace qvl
