#include "writers/builtin/mnp.h"

#include <optional>
#include <string>

#include "engine/call_patterns.h"
#include "engine/catalog.h"
#include "engine/fields.h"
#include "engine/run_errors.h"
#include "engine/run_files.h"
#include "window/qvledgerloom.h"
#include "platform/vb/currency.h"
#include "platform/vb/date.h"
#include "platform/vb/error.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"

namespace qvl {

namespace {

constexpr std::string_view kClosingLine = "Imported,,,,,,";

// The record's date as a date. One that is none stops the run, naming the
// record: the loop counts the records handed on before this one. (An
// offsetting entry starts from a line already written, whose date held.)
vb::Date RecordDate(const RunState& run) {
  const std::string text = run.curRec.date();
  if (const std::optional<vb::Date> date = vb::DateFromYyyymmdd(text)) return *date;
  throw FileError(run.INFile + ", record " + std::to_string(run.RecCount + 1),
                  vb::Error(vb::kTypeMismatch, "The record's date \"" + text + "\" is not a date."));
}

void MNPEntry(QvLedgerloom& w) {
  RunState& run = w.run;
  run.Ready = true;
  InitFiles(w);
  run.RecCount = 0;
  while (ReadNextRecord(w)) {
    MNP(w);
    ++run.RecCount;
  }
  WriteJournalLine(w, kClosingLine);
}

}  // namespace

void MNP(QvLedgerloom& w) {
  RunState& run = w.run;
  const vb::Date date = RecordDate(run);
  run.DoBalancing = true;
  const vb::Currency amount = NetAmount(run.curRec);
  if (amount.IsZero()) return;
  WriteFields(w, ",",
              {Quoted("1"), Quoted(vb::CStr(date)), Quoted("P/R"), Quoted(vb::Format(date, "mmddyy") + "PR"), Plain(""),
               Quoted(vb::Replace(vb::Trim(run.curRec.account()), " ", ".")), Plain(amount.ToText())});
}

void RegisterMNPWriter(FinPacCatalog& catalog) {
  FinPacHooks& h = catalog.HooksOf("MNP");
  h.entry = MNPEntry;
  h.writer = MNP;
}

}  // namespace qvl
