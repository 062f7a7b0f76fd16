// "CMS": a header line, then a ";"-separated detail line for each positive
// debit and each positive credit. Every detail line but the file's last ends
// in a further ";", so a line is written without its line end and finished
// once the next detail line or the close shows whether another follows.
#include <string>

#include "engine/call_patterns.h"
#include "engine/catalog.h"
#include "engine/fields.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "engine/write_output.h"
#include "platform/vb/currency.h"
#include "platform/vb/text.h"
#include "window/qvledgerloom.h"
#include "writers/builtin/whole_file.h"

namespace qvl {

namespace {

struct CMSState {
  bool linePending = false;  // the journal's last detail line still lacks its end
};
CMSState cms;

std::vector<std::string> CMSHeader(QvLedgerloom& w) {
  return {"H;" + w.pdEndDate.Text() + ";PR;Quorvanta Payroll;"};
}

// Ends the pending detail line: the close finds it the file's last line.
std::vector<std::string> CMSTrailer(QvLedgerloom&) {
  if (!cms.linePending) return {};
  cms.linePending = false;
  return {""};
}

// The detail lines of the record in curRec; its net counts once.
void WriteCMSRecord(QvLedgerloom& w) {
  RunState& run = w.run;
  InputRecord& rec = run.curRec;
  const std::string account = TrimInPlace(rec, InputRecord::kAccount);
  const std::string debits = TrimInPlace(rec, InputRecord::kDebits);
  const bool debitLine = vb::AmountOf(debits) > vb::Currency();
  const bool creditLine = vb::AmountOf(vb::Trim(rec.credits())) > vb::Currency();
  WriteDebitThenCredit(run, debitLine, creditLine, [&](Side side) {
    const std::string amount = side == Side::Debit ? debits : TrimInPlace(rec, InputRecord::kCredits);
    if (cms.linePending) run.a.WriteLine(";");
    WriteFields(w, ";", {Plain("D"), Plain(account), Plain(""), Plain(side == Side::Debit ? "D" : "C"), Plain(amount)});
    cms.linePending = true;
  });
}

}  // namespace

void CMS(QvLedgerloom& w) {
  RunState& run = w.run;
  if (run.Balancing) return WriteCMSRecord(w);
  run.Ready = true;
  cms.linePending = false;
  InitFiles(w);
  RecordLoop(w, WriteCMSRecord);
}

void RegisterCMSWriter(FinPacCatalog& catalog) {
  FinPacHooks& h = catalog.HooksOf("CMS");
  h.writer = CMS;
  h.header = CMSHeader;
  h.trailer = CMSTrailer;
}

}  // namespace qvl
