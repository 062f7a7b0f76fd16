// "Fiserv Freedom FFS": one fixed line of 130 characters for each non-zero
// debit and each non-zero credit, written straight to the journal with an
// audit line of its own (account and cents). No line counts toward the
// balance: the journal is always reported in balance.
#include <string>
#include <vector>

#include "engine/call_patterns.h"
#include "engine/catalog.h"
#include "engine/fields.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "platform/vb/clock.h"
#include "platform/vb/currency.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"
#include "window/qvledgerloom.h"
#include "writers/builtin/comma_input.h"

namespace qvl {

namespace {

constexpr std::size_t kAccountWidth = 24;
constexpr std::size_t kCentsWidth = 12;

void WriteFiservLine(QvLedgerloom& w, const std::string& account, const std::string& date, vb::Currency amount) {
  RunState& run = w.run;
  const std::string cents = AmountInField(vb::Format(amount * 100, "0"), kCentsWidth);
  const std::string month = vb::Mid(date, 5, 2);
  const std::string day = vb::Mid(date, 7, 2);
  const std::string year = vb::Left(date, 4);
  WriteJournalLine(w, JoinColumns({
                          {account, kAccountWidth},
                          {vb::Format(vb::Today(), "mmddyyyy"), 8},
                          {month + day + year, 8},
                          {cents, kCentsWidth},
                          {" ", 1},
                          {"PAYROLL", 10},
                          {"To record " + month + "/" + day + "/" + year + " Payroll", 30},
                          {"GEN", 6},
                          {"ACCTG", 30},
                          {" ", 1},
                      }));
  ++run.RecCount;
  run.b.WriteLine(account + "  " + cents);
}

void WriteFiservLines(QvLedgerloom& w, const std::string& line) {
  const std::vector<std::string> v = ExportLineValues(line);
  const std::string account = vb::PadRight(v[InputRecord::kAccount], kAccountWidth);
  const std::string& date = v[InputRecord::kDate];
  const vb::Currency debit = vb::AmountOf(v[InputRecord::kDebits]);
  const vb::Currency credit = vb::AmountOf(v[InputRecord::kCredits]);
  if (!debit.IsZero()) WriteFiservLine(w, account, date, debit);
  if (!credit.IsZero()) WriteFiservLine(w, account, date, -credit);
}

}  // namespace

void Fiserv(QvLedgerloom& w) {
  WholeLineLoop(w, "QvLedgerloom", [&w](const std::string& line) { WriteFiservLines(w, line); });
}

void RegisterFiservFFSWriter(FinPacCatalog& catalog) { catalog.HooksOf("Fiserv Freedom FFS").writer = Fiserv; }

}  // namespace qvl
