#include "writers/builtin/ai5.h"

#include <optional>
#include <string>
#include <vector>

#include "engine/amount_fields.h"
#include "engine/call_patterns.h"
#include "engine/catalog.h"
#include "engine/fields.h"
#include "engine/run_driver.h"
#include "engine/run_errors.h"
#include "engine/run_files.h"
#include "engine/run_messages.h"
#include "platform/vb/currency.h"
#include "platform/vb/date.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"
#include "window/qvledgerloom.h"

namespace qvl {

namespace {

constexpr int kPeekFile = 2;

struct AI5State {
  // The batch date: the first input record's date, for every record of the run.
  vb::Date lclDate;
};
AI5State ai5;

std::vector<std::string> AI5Header(QvLedgerloom&) {
  return {JoinColumns({{"DP1", 52}, {"080", 9}, {"000", 19}})};
}

std::string Upper(const vb::Date& date, std::string_view mask) { return vb::UCase(vb::Format(date, mask)); }

std::string BatchRecord(const vb::Date& d) {
  return JoinColumns({{"AI501", 12},
                      {Upper(d, "mmmddyy"), 14},
                      {vb::Format(d, "mmddyy"), 6},
                      {"212", 3},
                      {Upper(d, "mmmddyyyy"), 9},
                      {vb::Format(d, "mmddyyyy"), 34},
                      {"X1", 2}});
}

// The first record's date, read before any file is created: a first record
// without a valid date is refused, as every record of the run would carry
// it. An input without a record has no batch (`found` false) and is no
// failure: the run writes the header record alone.
struct FirstRecord {
  bool found = false;
  std::optional<vb::Date> date;
};

FirstRecord FirstRecordDate(QvLedgerloom& w) {
  RunState& run = w.run;
  InputRecord first;
  FirstRecord result;
  try {
    run.Files.OpenRecords(kPeekFile, run.INFile);
    result.found = GetRecord(run.Files, kPeekFile, first);
    run.Files.Close(kPeekFile);
  } catch (const vb::Error& e) {
    throw FileError(run.INFile, e);
  }
  if (!result.found) return result;
  result.date = vb::DateFromYyyymmdd(first.date());
  if (!result.date)
    RefuseRun(w,
              "The first record of the input file holds no valid date (yyyymmdd): \"" + first.date() +
                  "\".\r\rThe batch date is taken from the first record.",
              PackageTitle(run.ChosenPackage));
  return result;
}

// The line's amount: the summarized net, or the record's debits minus
// credits (nothing is written for a detail line that nets to zero).
std::optional<vb::Currency> LineAmount(const RunState& run) {
  if (run.curSumLoaded) return run.curSumAmount;
  const vb::Currency net = vb::AmountOf(run.curRec.debits()) - vb::AmountOf(run.curRec.credits());
  if (net.IsZero()) return std::nullopt;
  return net;
}

void AI5(QvLedgerloom& w) {
  RunState& run = w.run;
  run.MaxAcctLen = 12;
  CheckMaxLength(w);
  run.DoBalancing = true;
  ++run.RecCount;
  const std::optional<vb::Currency> amount = LineAmount(run);
  if (!amount) return;
  const vb::Date& d = ai5.lclDate;
  WriteColumns(w, {{"AI501", 5},
                   {vb::Left(run.curRec.account(), 12), 12},
                   {"PR" + vb::Format(d, "mmddy"), 7},
                   {OverpunchedCents(w, *amount, 11), 11},
                   {vb::Format(d, "mmddyy"), 43},
                   {"02", 2}});
}

void AI5Entry(QvLedgerloom& w) {
  RunState& run = w.run;
  const FirstRecord first = FirstRecordDate(w);
  if (first.found && !first.date) return;
  run.Ready = true;
  InitFiles(w);
  // The batch record is built from the first record's date: none without one.
  if (!ReadNextRecord(w)) return;
  ai5.lclDate = *first.date;
  WriteJournalLine(w, BatchRecord(ai5.lclDate));
  TakeRecord(w, AI5);
  SummarizingRecordLoop(w, AI5);
}

}  // namespace

void RegisterAI5Writer(FinPacCatalog& catalog) {
  FinPacHooks& hooks = catalog.HooksOf("AI5");
  hooks.entry = AI5Entry;
  hooks.writer = AI5;
  hooks.header = AI5Header;
}

}  // namespace qvl
