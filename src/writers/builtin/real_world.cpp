// "Real World (Passport)": 209-character detail records with a four-segment
// account and the amount in cents, held until the whole input is read so
// that the control record, which carries their number, can stand first.
// The option pair chooses the input: "CSV" (comma lines, read here) or
// "ASCII" (the fixed records). No line goes through the record output: the
// audit trail stays empty and the run is reported in balance.
#include <string>
#include <vector>

#include "engine/amount_fields.h"
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
#include "writers/builtin/fixed_bank_files.h"

namespace qvl {

namespace {

struct RealWorldState {
  std::vector<std::string> RealWorldRecs;
  std::string RealWorldCsvAcct;  // 16 characters: the comma line's account
};
RealWorldState realWorld;

constexpr std::size_t kCsvAccountWidth = 16;

bool CsvChosen(const QvLedgerloom& w) { return w.Summarized.Value(); }

// The record number in three characters: a longer number keeps its first
// three digits (the six-digit sequence field carries it whole).
std::string RecordNumber(std::int64_t count) {
  const std::string digits = std::to_string(count);
  return digits.size() > 3 ? vb::Left(digits, 3) : vb::PadLeft(digits, 3);
}

// The amount in 14 digits of cents and its sign.
std::string SignedCents(const QvLedgerloom& w, vb::Currency net) {
  const bool negative = net < vb::Currency();
  return ZeroFilledCents(w, negative ? -net : net, 14) + (negative ? "-" : "+");
}

std::string DetailRecord(QvLedgerloom& w) {
  const RunState& run = w.run;
  const InputRecord& rec = run.curRec;
  const std::string account = rec.account();
  const std::string fourth = CsvChosen(w) ? vb::Right(realWorld.RealWorldCsvAcct, 3) + "00000"
                                          : vb::Right(account, 2) + "000000";
  return JoinColumns({
      {RecordNumber(run.RecCount), 3},
      {vb::Mid(account, 1, 3) + "00000", 8},
      {vb::Mid(account, 5, 3) + "00000", 8},
      {vb::Mid(account, 9, 4) + "0000", 8},
      {fourth, 8},
      {rec.date(), 8},
      {"", 7},
      {"000", 3},
      {"000", 3},
      {"0000000", 7},
      {"0000", 4},
      {"", 3},
      {vb::Format(vb::Today(), "yyyymmdd"), 8},
      {ZeroFilled(w, std::to_string(run.RecCount), 6, "record number"), 6},
      {SignedCents(w, NetAmount(rec)), 15},
      {"PAYROLL", 10},
      {"Payroll " + vb::Format(w.PeriodEnd(), "mm/dd"), 25},
      {"", 15},
      {"", 6},
      {"N", 1},
      {"0", 1},
      {"", 1},
      {"N", 1},
      {"", 50},
  });
}

std::string ControlRecord(const QvLedgerloom& w) {
  return JoinColumns({
      {"", 63},
      {"", 17},
      {"00000000000000000+", 18},
      {ZeroFilled(w, std::to_string(w.run.RecCount), 6, "record count"), 6},
      {"", 52},
      {"0", 1},
      {"", 50},
  });
}

// One comma line: kept when its net amount is not zero. A line without the
// nine values stops the run naming it.
void CsvLine(QvLedgerloom& w, const std::string& line) {
  RunState& run = w.run;
  const std::vector<std::string> v = ExportLineValues(line);
  run.curRec = RecordOfExportLine(v);
  run.curRec.SetCompany(v[InputRecord::kCompany]);
  if (NetAmount(run.curRec).IsZero()) return;
  realWorld.RealWorldCsvAcct = vb::PadRight(v[InputRecord::kAccount], kCsvAccountWidth);
  RealWorld(w);
}

// The comma file, every line of it; an input without a line is told to the
// operator, and the journal still gets its control record of none.
void CSV(QvLedgerloom& w) {
  WholeLineLoop(w, "QvLedgerloom", [&w](const std::string& line) { CsvLine(w, line); });
}

void RealWorldEntry(QvLedgerloom& w) {
  RunState& run = w.run;
  run.Ready = true;
  InitFiles(w);
  realWorld = RealWorldState();
  if (CsvChosen(w))
    CSV(w);
  else
    RecordLoop(w, RealWorld);
  if (w.rdoClrY.Value() && !w.rdoClrN.Value()) WriteJournalLine(w, ControlRecord(w));
  for (const std::string& record : realWorld.RealWorldRecs) WriteJournalLine(w, record);
}

// The records are written by the time an offsetting entry is asked for: its
// record goes straight after them.
void RealWorldOffset(QvLedgerloom& w) {
  ++w.run.RecCount;
  WriteJournalLine(w, DetailRecord(w));
}

}  // namespace

void RealWorld(QvLedgerloom& w) {
  ++w.run.RecCount;
  realWorld.RealWorldRecs.push_back(DetailRecord(w));
}

void RegisterRealWorldWriter(FinPacCatalog& catalog) {
  FinPacHooks& hooks = catalog.HooksOf("Real World (Passport)");
  hooks.entry = RealWorldEntry;
  hooks.writer = RealWorld;
  hooks.balanceWriter = RealWorldOffset;
}

}  // namespace qvl
