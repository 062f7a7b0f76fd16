// "VADARR": a tab-separated line per ledger line with the quoted account at
// its full eighteen characters and the net amount. The lines are audited but
// count nothing toward the balance.
#include <string>
#include <vector>

#include "engine/call_patterns.h"
#include "engine/catalog.h"
#include "engine/fields.h"
#include "engine/input_record.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "platform/vb/format.h"
#include "window/qvledgerloom.h"
#include "writers/builtin/self_reading.h"

namespace qvl {

void VADARR(QvLedgerloom& w) {
  RunState& run = w.run;
  run.Ready = true;
  run.DoBalancing = false;
  InitFiles(w);
  run.RecCount = 0;
  CommaRecordLoop(w, InputRecord::kValueFields, [&](const std::vector<std::string>& v) {
    run.curRec = RecordOfLine(
        {.account = v[InputRecord::kAccount], .debits = v[InputRecord::kDebits], .credits = v[InputRecord::kCredits]});
    ++run.RecCount;
    WriteFields(w, "\t", {Quoted(run.curRec.account()), Plain(vb::Format(NetAmount(run.curRec), "#.00"))});
  });
}

void RegisterVADARRWriter(FinPacCatalog& catalog) { catalog.HooksOf("VADARR").writer = VADARR; }

}  // namespace qvl
