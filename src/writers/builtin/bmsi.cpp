// "BMSI": one fixed line per input line whose debit and credit do not cancel,
// the net in cents with a debit/credit letter.
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

constexpr std::size_t kAccountWidth = 25;
constexpr std::size_t kDateWidth = 30;
constexpr std::size_t kCentsWidth = 12;

// The values a line is written from: an input line's, or the offsetting
// record's.
struct BMSILine {
  std::string account;
  std::string date;  // yyyymmdd
  vb::Currency net;  // debits minus credits
};

void WriteBMSILine(QvLedgerloom& w, const BMSILine& line) {
  if (line.net.IsZero()) return;
  const bool credit = line.net < vb::Currency();
  const std::string cents = vb::Replace(vb::Format(credit ? -line.net : line.net, ".00"), ".", "");
  // The date is zero-filled to 30 places and then cut back to its own 8.
  const std::string date = Filled(SlashedDate(line.date), kDateWidth, '0');
  WriteFields(w, "",
              {Plain("PAYRLL"), Plain(Filled(vb::Trim(line.account), kAccountWidth, '0')), Plain("R"), Plain(date),
               Plain(std::string(16, '0')), Plain(vb::Left(date, 8)), Plain(AmountInField(cents, kCentsWidth, '0')),
               Plain(credit ? "C" : "D")});
}

void BMSIEntry(QvLedgerloom& w) {
  w.run.Ready = true;
  InitFiles(w);
  CommaRecordLoop(w, InputRecord::kValueFields, [&w](const std::vector<std::string>& v) {
    w.run.curRec = RecordOfExportLine(v);
    WriteBMSILine(w, {v[InputRecord::kAccount], v[InputRecord::kDate],
                      vb::AmountOf(v[InputRecord::kDebits]) - vb::AmountOf(v[InputRecord::kCredits])});
  });
}

}  // namespace

void BMSI(QvLedgerloom& w) {
  const InputRecord& r = w.run.curRec;
  WriteBMSILine(w, {r.account(), vb::Trim(r.date()), vb::AmountOf(r.debits()) - vb::AmountOf(r.credits())});
}

void RegisterBMSIWriter(FinPacCatalog& catalog) {
  FinPacHooks& hooks = catalog.HooksOf("BMSI");
  hooks.entry = BMSIEntry;
  hooks.balanceWriter = BMSI;
}

}  // namespace qvl
