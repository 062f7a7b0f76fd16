// "Northstar": a comma line for each positive debit and each positive credit
// (credits with a leading minus), each ending in an empty fourth field.
#include <string>
#include <vector>

#include "engine/call_patterns.h"
#include "engine/catalog.h"
#include "engine/fields.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "platform/vb/currency.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"
#include "window/qvledgerloom.h"
#include "writers/builtin/comma_input.h"

namespace qvl {

namespace {

void WriteNorthstarLine(QvLedgerloom& w, const std::string& amount) {
  WriteFields(w, ",",
              {Plain(vb::Format(w.PeriodEnd(), "MMDDYY")), Plain(vb::Trim(w.run.curRec.account())), Plain(amount),
               Plain("")});
}

// The lines of the record in curRec. Its net counts once, with its first line.
void WriteNorthstarRecord(QvLedgerloom& w) {
  RunState& run = w.run;
  run.DoBalancing = true;
  const std::string debits = vb::Trim(run.curRec.debits());
  const std::string credits = vb::Trim(run.curRec.credits());
  if (vb::AmountOf(debits) > vb::Currency()) {
    WriteNorthstarLine(w, debits);
    run.DoBalancing = false;
  }
  if (vb::AmountOf(credits) > vb::Currency()) WriteNorthstarLine(w, "-" + credits);
}

}  // namespace

void Northstar(QvLedgerloom& w) {
  RunState& run = w.run;
  if (run.Balancing) return WriteNorthstarRecord(w);
  run.Ready = true;
  run.DoBalancing = true;
  InitFiles(w);
  CommaRecordLoop(w, InputRecord::kValueFields, [&](const std::vector<std::string>& v) {
    run.curRec = RecordOfLine(
        {.account = v[InputRecord::kAccount], .debits = v[InputRecord::kDebits], .credits = v[InputRecord::kCredits]});
    WriteNorthstarRecord(w);
  });
}

void RegisterNorthstarWriter(FinPacCatalog& catalog) { catalog.HooksOf("Northstar").writer = Northstar; }

}  // namespace qvl
