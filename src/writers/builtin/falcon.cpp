// "Falcon": one tab-separated line per input line whose debit and credit do
// not cancel: branch, account, the month and year, a description, the net.
#include <string>
#include <vector>

#include "engine/call_patterns.h"
#include "engine/catalog.h"
#include "engine/fields.h"
#include "engine/run_files.h"
#include "platform/vb/currency.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"
#include "window/qvledgerloom.h"
#include "writers/builtin/comma_input.h"

namespace qvl {

namespace {

// The ten values of a Falcon input line.
enum FalconValue : std::size_t {
  kCompany = 0,
  kDate = 1,
  kBranch = 5,
  kAccount = 6,
  kDebit = 8,
  kCredit = 9,
  kValues = 10,
};

// The values a line is written from: an input line's, or the offsetting
// record's.
struct FalconLine {
  std::string branch;
  std::string account;
  std::string date;  // yyyymmdd
  vb::Currency net;  // debits minus credits
};

void WriteFalconLine(QvLedgerloom& w, const FalconLine& line) {
  const std::string amount = vb::Format(line.net, ".00");
  if (amount == ".00") return;
  w.run.DoBalancing = true;
  WriteFields(w, "\t",
              {Plain(line.branch), Plain(line.account), Plain(vb::Mid(line.date, 5, 2) + vb::Mid(line.date, 3, 2)),
               Plain("Payroll " + SlashedDate(line.date)), Plain(amount)});
}

void FalconEntry(QvLedgerloom& w) {
  w.run.Ready = true;
  InitFiles(w);
  while (std::optional<std::vector<std::string>> values = ReadCommaValues(w, kValues)) {
    const std::vector<std::string>& v = *values;
    // A line without a company ends the export.
    if (vb::Trim(v[kCompany]).empty()) break;
    OnInputLine(w, [&] {
      w.run.curRec = RecordOfLine(
          {.date = v[kDate], .branch = v[kBranch], .account = v[kAccount], .debits = v[kDebit], .credits = v[kCredit]});
      WriteFalconLine(w, {v[kBranch], v[kAccount], v[kDate], vb::AmountOf(v[kDebit]) - vb::AmountOf(v[kCredit])});
    });
  }
}

}  // namespace

void Falcon(QvLedgerloom& w) {
  const InputRecord& r = w.run.curRec;
  WriteFalconLine(w, {vb::Trim(r.branch()), vb::Trim(r.account()), vb::Trim(r.date()),
                      vb::AmountOf(r.debits()) - vb::AmountOf(r.credits())});
}

void RegisterFalconWriter(FinPacCatalog& catalog) {
  FinPacHooks& hooks = catalog.HooksOf("Falcon");
  hooks.entry = FalconEntry;
  hooks.balanceWriter = Falcon;
}

}  // namespace qvl
