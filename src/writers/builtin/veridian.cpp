#include "writers/builtin/veridian.h"

#include "engine/call_patterns.h"
#include "engine/catalog.h"
#include "engine/fields.h"
#include "engine/run_files.h"
#include "platform/vb/text.h"
#include "window/qvledgerloom.h"

namespace qvl {

namespace {

constexpr std::string_view kTitleLine = "GL Acct,Debit,Credit,Ref Code,Document,Description,Company";

// The title line names the columns and carries no amount: it goes to the
// journal alone, with no audit line, also for an input without records.
void VeridianEntry(QvLedgerloom& w) {
  RunState& run = w.run;
  run.Ready = true;
  run.DoBalancing = false;
  InitFiles(w);
  WriteJournalLine(w, kTitleLine);
  RecordLoop(w, Veridian);
}

}  // namespace

// Every line ends with a "," after the company, one field more than the
// title line names, as the layout has always had it.
void Veridian(QvLedgerloom& w) {
  const InputRecord& rec = w.run.curRec;
  WriteFields(w, ",",
              {Plain(vb::Trim(rec.account())), Plain(vb::Trim(rec.debits())), Plain(vb::Trim(rec.credits())),
               Plain(""), Plain(""), Plain(""), Plain(vb::Trim(rec.company())), Plain("")});
}

void RegisterVeridianWriter(FinPacCatalog& catalog) {
  FinPacHooks& h = catalog.HooksOf("Veridian");
  h.entry = VeridianEntry;
  h.writer = Veridian;
}

}  // namespace qvl
