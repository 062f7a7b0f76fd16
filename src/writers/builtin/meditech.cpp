#include "writers/builtin/meditech.h"

#include <algorithm>
#include <string>

#include "engine/amount_fields.h"
#include "engine/call_patterns.h"
#include "engine/catalog.h"
#include "engine/fields.h"
#include "engine/run_files.h"
#include "engine/run_messages.h"
#include "engine/write_output.h"
#include "platform/dialogs/dialogs.h"
#include "platform/vb/clock.h"
#include "platform/vb/currency.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"
#include "window/qvledgerloom.h"

namespace qvl {

namespace {

constexpr std::size_t kAmountDigits = 12;
constexpr std::string_view kLineEnd = "\r\n";

struct MeditechState {
  std::string mnemonic;  // as typed
};
MeditechState meditech;

// The batch header ("05") and the batch status ("06") carry the batch, a
// record's date, the period end and the mnemonic.
std::string BatchLine(QvLedgerloom& w, std::string_view type, const std::string& recordDate) {
  return JoinColumns({{std::string(type), 2},
                      {"BATCH" + w.txtJourRef.Text(), 30},
                      {recordDate, 8},
                      {vb::Format(w.PeriodEnd(), "yyyymmdd"), 8},
                      // At least 10 characters; a longer mnemonic is written whole.
                      {meditech.mnemonic, std::max<std::size_t>(meditech.mnemonic.size(), 10)}});
}

// The record's amounts go into the record without their decimal point, as
// the journal writes them in cents.
void Detail(QvLedgerloom& w) {
  RunState& run = w.run;
  if (w.chkNames.Checked()) WriteJournalLine(w, BatchLine(w, "06", run.curRec.date()));
  const std::string debits = ZeroFilledCents(w, vb::AmountOf(run.curRec.debits()), kAmountDigits);
  const std::string credits = ZeroFilledCents(w, vb::AmountOf(run.curRec.credits()), kAmountDigits);
  run.curRec.SetDebits(vb::Replace(run.curRec.debits(), ".", ""));
  run.curRec.SetCredits(vb::Replace(run.curRec.credits(), ".", ""));
  run.Build_OutRec =
      JoinColumns({{"10", 2}, {vb::Trim(run.curRec.account()), 25}, {debits, kAmountDigits}, {credits, kAmountDigits}});
  run.Build_OutRec += kLineEnd;
  WriteOutputRec(w);
}

// The file and batch headers and the end record carry no amount: they go to
// the journal alone. The records count nothing toward the balance.
void Meditech(QvLedgerloom& w) {
  RunState& run = w.run;
  run.DoBalancing = false;
  // Asked before the files are made, so a run given no mnemonic leaves the
  // output folder as it was.
  meditech.mnemonic = dialogs::InputBox("Please enter your Journal Mnemonic");
  if (vb::Trim(meditech.mnemonic).empty())
    return RefuseRun(w, "No Journal Mnemonic was entered: the Journal Entry was not created.",
                     PackageTitle(run.ChosenPackage));
  run.Ready = true;
  InitFiles(w);

  WriteJournalLine(w, JoinColumns({{"01", 2}, {vb::Format(vb::Today(), "yyyymmdd"), 8}, {"GL TRANSACTIONS", 35}}));
  const bool any = ReadNextRecord(w);
  // A batch without records has no first date.
  WriteJournalLine(w, BatchLine(w, "05", any ? run.curRec.date() : std::string()));
  if (any) {
    Detail(w);
    RecordLoop(w, Detail);
  }
  WriteJournalLine(w, "99");
}

}  // namespace

void RegisterMeditechWriter(FinPacCatalog& catalog) { catalog.HooksOf("Meditech").writer = Meditech; }

}  // namespace qvl
