// "MIP": a heading line, then a comma line for each debit ("DR") and each
// credit ("CR", negative) of a record; an account of fund "03" (characters
// 6-7) moves the same amount through the inter-fund accounts "2140 03" and
// "1240 01" in two lines that follow, which do not count toward the balance.
// The input is the fixed export, or comma lines when "CSV" is chosen.
#include <optional>
#include <string>
#include <vector>

#include "engine/call_patterns.h"
#include "engine/catalog.h"
#include "engine/fields.h"
#include "engine/run_files.h"
#include "engine/run_messages.h"
#include "engine/run_state.h"
#include "engine/write_output.h"
#include "platform/files/comma_list.h"
#include "platform/vb/currency.h"
#include "platform/vb/error.h"
#include "platform/vb/text.h"
#include "window/qvledgerloom.h"
#include "writers/builtin/whole_file.h"

namespace qvl {

namespace {

struct MIPState {
  std::string csvAccount;  // the comma line's account, whole
};
MIPState mip;

std::vector<std::string> MIPHeader(QvLedgerloom&) { return {"Account,Description,Transaction Date,Type,Amount"}; }

void WriteMIPLine(QvLedgerloom& w, const std::string& account, std::string_view type, vb::Currency amount) {
  WriteFields(w, ",",
              {Plain(vb::Trim(account)), Plain("Payroll"), Plain(SlashedDate(w.run.curRec.date())), Plain(std::string(type)),
               Plain(amount.ToText())});
}

// The comma form: each line with a nonzero net goes to MIP; a first line
// beginning "CO" is the heading.
void MIPcsv(QvLedgerloom& w) {
  RunState& run = w.run;
  bool first = true;
  bool anyData = false;
  WholeLineLoop(w, {}, [&](const std::string& line) {
    const bool heading = first && vb::StartsWithNoCase(line, "CO");
    first = false;
    if (heading) return;
    anyData = true;
    const std::optional<std::vector<std::string>> v = files::SplitAsItStands(line, InputRecord::kValueFields);
    if (!v) throw vb::Error(vb::kInvalidProcedureCall, "The line does not hold the export's nine values.");
    const std::string& debits = (*v)[InputRecord::kDebits];
    const std::string& credits = (*v)[InputRecord::kCredits];
    if ((vb::AmountOf(debits) - vb::AmountOf(credits)).IsZero()) return;
    InputRecord rec;
    rec.SetCompany((*v)[InputRecord::kCompany]);
    rec.SetDate((*v)[InputRecord::kDate]);
    rec.SetAccount((*v)[InputRecord::kAccount]);
    rec.SetDebits(debits);
    rec.SetCredits(credits);
    run.curRec = rec;
    mip.csvAccount = (*v)[InputRecord::kAccount];
    MIP(w);
  });
  if (!anyData) TellNoRecords(w);
}

void MIPEntry(QvLedgerloom& w) {
  RunState& run = w.run;
  run.Ready = true;
  InitFiles(w);
  if (w.Summarized.Value())
    MIPcsv(w);
  else
    RecordLoop(w, MIP);
}

}  // namespace

void MIP(QvLedgerloom& w) {
  RunState& run = w.run;
  const std::string account = w.Summarized.Value() ? mip.csvAccount : run.curRec.account();
  const bool fund03 = vb::Mid(account, 6, 2) == "03";
  const vb::Currency debits = vb::AmountOf(vb::Trim(run.curRec.debits()));
  const vb::Currency credits = vb::AmountOf(vb::Trim(run.curRec.credits()));
  ++run.RecCount;
  WriteDebitThenCredit(run, !debits.IsZero(), !credits.IsZero(), [&](Side side) {
    if (side == Side::Debit) {
      WriteMIPLine(w, account, "DR", debits);
      run.DoBalancing = false;
      if (!fund03) return;
      WriteMIPLine(w, "2140 03", "CR", -debits);
      WriteMIPLine(w, "1240 01", "DR", debits);
    } else {
      WriteMIPLine(w, account, "CR", -credits);
      run.DoBalancing = false;
      if (!fund03) return;
      WriteMIPLine(w, "2140 03", "DR", credits);
      WriteMIPLine(w, "1240 01", "CR", -credits);
    }
  });
}

void RegisterMIPWriter(FinPacCatalog& catalog) {
  FinPacHooks& h = catalog.HooksOf("MIP");
  h.entry = MIPEntry;
  h.writer = MIP;
  h.header = MIPHeader;
}

}  // namespace qvl
