// "ClubSelect": twelve quoted fields per comma line, the account split into
// four segments at its blanks, with a fiscal period counted from November.
#include <string>
#include <vector>

#include "engine/call_patterns.h"
#include "engine/catalog.h"
#include "engine/fields.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "platform/vb/clock.h"
#include "platform/vb/error.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"
#include "window/qvledgerloom.h"
#include "writers/builtin/whole_file.h"

namespace qvl {

namespace {

// The line of the record in curRec.
void WriteClubSelectLine(QvLedgerloom& w) {
  RunState& run = w.run;
  const InputRecord& rec = run.curRec;
  const ClubSegments seg = ClubSelectSegments(rec.account());
  WriteFields(w, ",",
              {Quoted(seg.s1), Quoted(seg.s2), Quoted(seg.s3), Quoted(seg.s4), Quoted(vb::Format(vb::Now(), "yy")),
               Quoted(std::to_string(ClubSelectFiscalPeriod(w.PeriodEnd().Month()))), Quoted("5"), Quoted("100"),
               Quoted(SlashedDate(rec.date())), Quoted("Payroll Entry"), Quoted("M/J/WeeklyPrEntry"),
               Quoted(NetAmount(rec).ToText())});
}

}  // namespace

ClubSegments ClubSelectSegments(std::string_view account) {
  std::vector<std::string> parts;
  const std::string trimmed = vb::Trim(account);
  for (std::size_t at = 0;;) {
    const std::size_t blank = trimmed.find(' ', at);
    parts.push_back(trimmed.substr(at, blank == std::string::npos ? std::string::npos : blank - at));
    if (blank == std::string::npos) break;
    at = blank + 1;
  }
  if (parts.size() > 4)
    throw vb::Error(vb::kInvalidProcedureCall,
                    "The account \"" + trimmed + "\" has more than four segments, which ClubSelect cannot take.");
  ClubSegments seg;
  std::string* slots[] = {&seg.s1, &seg.s2, &seg.s3, &seg.s4};
  const std::size_t first = 4 - parts.size();
  for (std::size_t i = 0; i < parts.size(); ++i) *slots[first + i] = parts[i];
  return seg;
}

int ClubSelectFiscalPeriod(int month) { return (month + 1) % 12 + 1; }

void ClubSelect(QvLedgerloom& w) {
  RunState& run = w.run;
  run.DoBalancing = true;
  if (run.Balancing) return WriteClubSelectLine(w);
  InitFiles(w);
  // An export without a line leaves the journal empty.
  CommaRecordLoop(w, InputRecord::kValueFields, [&](const std::vector<std::string>& v) {
    // Company and levels are read and not used.
    InputRecord rec;
    rec.SetDate(v[InputRecord::kDate]);
    rec.SetAccount(v[InputRecord::kAccount]);
    rec.SetHours(v[InputRecord::kHours]);
    rec.SetDebits(v[InputRecord::kDebits]);
    rec.SetCredits(v[InputRecord::kCredits]);
    run.curRec = rec;
    WriteClubSelectLine(w);
  });
}

void RegisterClubSelectWriter(FinPacCatalog& catalog) { catalog.HooksOf("ClubSelect").writer = ClubSelect; }

}  // namespace qvl
