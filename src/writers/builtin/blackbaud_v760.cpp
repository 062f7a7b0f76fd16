// "Blackbaud v7.60": a column-title line, one comma line per input line whose
// net is not zero, and five closing lines. Three clearing accounts are rolled
// into sums that the closing lines carry, and the debits of the "03" accounts
// are moved between the two companies there. No line counts toward the
// balance: the journal is always reported in balance.
#include <string>
#include <string_view>
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

// The ten values of an input line.
enum BBValue : std::size_t {
  kDate = 1,
  kAccount = 5,
  kProject = 6,
  kDebit = 8,
  kCredit = 9,
  kValues = 10,
};

constexpr std::size_t kAccountWidth = 12;
constexpr std::string_view kAmountMask = "0.00";

// The roll-up sums and the closing lines' date, empty at the start of a run.
struct BBState {
  vb::Currency SvnFrtOne;
  vb::Currency SvnFrtTwo;
  vb::Currency SvnFrty;
  vb::Currency ZeroThree;
  std::string BBFormatDate;  // mm/dd/yyyy of the line last read
};
BBState bb;

std::vector<std::string> BlackbaudV760Header(QvLedgerloom&) {
  return {"Account number,Post date,Encumbrance status,Type,Amount,Journal,Journal reference,"
          "Transaction distribution Project ID,Transaction distribution Endowments"};
}

void WriteBBLine(QvLedgerloom& w, const std::string& account, std::string_view type, vb::Currency amount,
                 const std::string& project) {
  WriteFields(w, ",",
              {Plain(vb::PadRight(account, kAccountWidth)), Plain(bb.BBFormatDate), Plain("R"), Plain(std::string(type)),
               Plain(vb::Format(amount, kAmountMask)), Plain("PR"), Plain("Payroll"), Plain(vb::Format(project, "0000"))});
}

void TakeLine(QvLedgerloom& w, const std::vector<std::string>& v) {
  const std::string& date = v[kDate];
  const std::string account = vb::PadRight(v[kAccount], kAccountWidth);
  const std::string& project = v[kProject];
  const vb::Currency debit = vb::AmountOf(v[kDebit]);
  bb.BBFormatDate = vb::Mid(date, 5, 2) + "/" + vb::Right(date, 2) + "/" + vb::Left(date, 4);

  vb::Currency amount = debit - vb::AmountOf(v[kCredit]);
  const bool credit = amount < vb::Currency();
  if (credit) amount = -amount;
  // Rolled-up amounts are added as they stand, credit or debit.
  if (account == "01-59900-741" && project == "0000") {
    bb.SvnFrtOne += amount;
    bb.SvnFrty += amount;
    return;
  }
  if (account == "01-59900-742" && project == "0000") {
    bb.SvnFrtTwo += amount;
    bb.SvnFrty += amount;
    return;
  }
  if (account == "01-59900-740") {
    bb.SvnFrty += amount;
    return;
  }
  if (vb::Left(account, 2) == "03") bb.ZeroThree += debit;
  if (amount.IsZero()) return;
  w.run.curRec = RecordOfLine({.date = date, .account = v[kAccount], .debits = v[kDebit], .credits = v[kCredit]});
  WriteBBLine(w, account, credit ? "C" : "D", amount, project);
}

void WriteClosingLines(QvLedgerloom& w) {
  const struct {
    std::string account;
    std::string_view type;
    vb::Currency amount;
  } closing[] = {
      {"01-29520-000", "D", bb.ZeroThree}, {"03-29520-000", "C", bb.ZeroThree}, {"01-50510-740", "D", bb.SvnFrtOne},
      {"01-50515-740", "D", bb.SvnFrtTwo}, {"01-59900-740", "C", bb.SvnFrty},
  };
  for (const auto& line : closing) {
    const std::string amount = vb::Format(line.amount, kAmountMask);
    const bool debit = line.type == "D";
    w.run.curRec = RecordOfLine({.account = line.account, .debits = debit ? amount : ".00", .credits = debit ? ".00" : amount});
    WriteBBLine(w, line.account, line.type, line.amount, "0000");
  }
}

void BlackbaudV760Entry(QvLedgerloom& w) {
  RunState& run = w.run;
  run.Ready = true;
  InitFiles(w);
  bb = BBState();
  run.DoBalancing = false;
  CommaRecordLoop(w, kValues, [&w](const std::vector<std::string>& v) { TakeLine(w, v); });
  WriteClosingLines(w);
}

}  // namespace

void RegisterBlackbaudV760Writer(FinPacCatalog& catalog) {
  FinPacHooks& hooks = catalog.HooksOf("Blackbaud v7.60");
  hooks.entry = BlackbaudV760Entry;
  hooks.header = BlackbaudV760Header;
}

}  // namespace qvl
