// The comma-separated QuickBooks files: the whole input is stored first, so
// a transaction's "TRNS" line can carry the amount that balances its "SPL"
// lines, which follow it.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/call_patterns.h"
#include "engine/catalog.h"
#include "engine/fields.h"
#include "engine/input_record.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "engine/summarize.h"
#include "engine/write_output.h"
#include "platform/dialogs/dialogs.h"
#include "platform/vb/convert.h"
#include "platform/vb/currency.h"
#include "platform/vb/date.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"
#include "window/qvledgerloom.h"
#include "writers/builtin/quickbooks.h"

namespace qvl {

namespace {

constexpr std::string_view kGroupAccount = "9999";

// A stored input record and its account as the input gave it (whole, also
// where it is longer than the record's account field).
struct StoredLine {
  InputRecord record;
  std::string account;
};

// How a package reads the parts of an account.
using AccountSplit = CommaAccount (*)(QvLedgerloom&, std::string_view account);

CommaAccount PerfPayParts(QvLedgerloom& w, std::string_view account) {
  return SplitAccountJobClass(account, w.txtDelim.Text(), w.chkNames.Checked(), w.chkLoc.Checked());
}
CommaAccount CsvParts(QvLedgerloom& w, std::string_view account) {
  return SplitClassAccountName(account, w.txtDelim.Text(), w.chkClass.Checked(), w.chkNames.Checked());
}
// "Parse Dept?" splits the class off the account; there is no name.
CommaAccount CsvIOParts(QvLedgerloom& w, std::string_view account) {
  return SplitClassAccountName(account, w.txtDelim.Text(), w.chkNames.Checked(), false);
}

std::string PeriodEnd(QvLedgerloom& w) { return vb::Format(vb::CDate(w.pdEndDate.Text()), "mm/dd/yy"); }

// The record in curRec as a debit line and a credit line, each where its
// text is an amount: only an empty side or ".00" writes none, so the
// export's own "0.00" or "0" is written too. A side that merging `merged`
// records sums to 0 writes none: it stands for sides that had no amount,
// and the detailed journal of the same export has no such line. Text that
// is no number is copied.
void WriteSplLines(QvLedgerloom& w, std::string_view account, AccountSplit split, bool merged = false) {
  RunState& run = w.run;
  const InputRecord& rec = run.curRec;
  const CommaAccount parts = split(w, vb::Trim(account));
  const std::string start = "SPL,GENERAL JOURNAL," + PeriodEnd(w) + "," + vb::Trim(rec.branch()) + "," +
                            vb::Trim(parts.klass) + "," + vb::Trim(parts.account) + ",";
  const std::string debits = vb::Trim(rec.debits());
  const std::string credits = vb::Trim(rec.credits());
  auto writes = [merged](const std::string& side) {
    return HasAmountText(side) && !(merged && vb::AmountOf(side) == vb::Currency());
  };
  WriteDebitThenCredit(run, writes(debits), writes(credits), [&](Side side) {
    run.Build_OutRec = start + (side == Side::Debit ? debits : (-vb::AmountOf(credits)).ToText()) + "," + parts.name;
    WriteOutputRec(w);
  });
}

// A "TRNS" line stands under the ACCNT and AMOUNT columns of its header and
// posts to its account like any journal line: it counts, and its audit line
// shows the amount as written.
void WriteTrnsLine(QvLedgerloom& w, const std::string& branch, const std::string& klass, const std::string& account,
                   const std::string& amount) {
  RunState& run = w.run;
  const InputRecord held = run.curRec;
  const bool sumLoaded = run.curSumLoaded;
  InputRecord line;
  line.SetAccount(account);
  const bool negative = vb::AmountOf(amount) < vb::Currency();
  line.SetDebits(negative ? ".00" : amount);
  line.SetCredits(negative ? vb::Mid(vb::Trim(amount), 2) : ".00");
  run.curRec = line;
  run.curSumLoaded = false;
  run.DoBalancing = true;
  run.Build_OutRec = JoinFields({Plain("TRNS"), Plain("GENERAL JOURNAL"), Plain(PeriodEnd(w)), Plain(branch),
                                 Plain(klass), Plain(account), Plain(amount), Plain("")},
                                ",");
  WriteOutputRec(w);
  run.curRec = held;
  run.curSumLoaded = sumLoaded;
}

// The records in order, or their merged lines when "Summarized" is chosen.
// With `groups` each run of records of one class is a transaction of its
// own, opened by a line that balances it; a class that changes, at the last
// record too, opens the next one.
void WritePass(QvLedgerloom& w, const std::vector<StoredLine>& stored, AccountSplit split, bool groups) {
  RunState& run = w.run;
  const bool summarized = w.Summarized.Value();
  std::vector<StoredLine> lines;
  if (summarized) {
    run.SumArray.Clear();
    for (const StoredLine& s : stored) {
      if (!run.SumArray.Add(s.record, run.curDebit, run.curCredit, s.account)) lines.push_back(s);
    }
    for (std::size_t k = 0; k < lines.size(); ++k) lines[k].record = run.SumArray.Entry(std::int64_t(k) + 1);
  } else {
    lines = stored;
  }
  auto classOf = [&](const StoredLine& s) { return vb::Trim(split(w, vb::Trim(s.account)).klass); };
  for (std::size_t k = 0; k < lines.size(); ++k) {
    const std::string klass = classOf(lines[k]);
    if (groups && (k == 0 || klass != classOf(lines[k - 1]))) {
      if (k > 0) WriteJournalLine(w, "ENDTRNS");
      vb::Currency net;
      for (std::size_t j = k; j < lines.size() && classOf(lines[j]) == klass; ++j) net += NetAmount(lines[j].record);
      const vb::Currency amount = -net;
      WriteTrnsLine(w, vb::Trim(lines[k].record.branch()), klass, std::string(kGroupAccount),
                    (amount < vb::Currency() ? "" : " ") + amount.ToText());
    }
    bool merged = false;
    if (summarized) {
      run.LoopSum = std::int64_t(k) + 1;
      SumDebitsCredits(run);
      merged = run.SumArray.Merged(run.LoopSum);
    } else {
      run.curRec = lines[k].record;
    }
    WriteSplLines(w, lines[k].account, split, merged);
  }
  run.curSumLoaded = false;
}

// One transaction for the whole journal: its "TRNS" line posts the amount
// that balances every "SPL" line to the account the operator gives. Cancel
// gives no account: the line is written all the same, without one, so the
// file still balances.
void WriteBalancingLine(QvLedgerloom& w, const std::vector<StoredLine>& stored) {
  vb::Currency total;
  for (const StoredLine& s : stored) total += NetAmount(s.record);
  const std::string account =
      dialogs::InputBox("Please enter an Account for the Journal Balance", "Creating Header Record", "");
  WriteTrnsLine(w, "", "", vb::Trim(account), (-total).ToText());
}

bool HasAmount(const InputRecord& rec) { return vb::IsNumeric(rec.debits()) || vb::IsNumeric(rec.credits()); }

// A record whose debits and credits are both no number (a title line) is
// left out.
std::vector<StoredLine> StoreRecords(QvLedgerloom& w) {
  std::vector<StoredLine> stored;
  for (const InputRecord& rec : StoreInput(w)) {
    if (HasAmount(rec)) stored.push_back({rec, rec.account()});
  }
  return stored;
}

// An input without a record still makes a whole file: the balancing line
// (of 0) and, at close, the end line, so the importing package reads an
// empty journal rather than a broken one.
void StoredEntry(QvLedgerloom& w, AccountSplit split, bool groups) {
  RunState& run = w.run;
  run.Ready = true;
  InitFiles(w);
  const std::vector<StoredLine> stored = StoreRecords(w);
  if (!groups) WriteBalancingLine(w, stored);
  WritePass(w, stored, split, groups);
}

// Sum by Class is this package's own option; another package's leftover
// check mark would leave the journal without its balancing line.
void PerfPayEntry(QvLedgerloom& w) { StoredEntry(w, PerfPayParts, false); }
void CsvEntry(QvLedgerloom& w) { StoredEntry(w, CsvParts, w.chkSumClass.Checked()); }

// The account is read whole as text; every line read counts, stored or not.
// Sum by Class is never shown for this package and is not read.
void CsvIOEntry(QvLedgerloom& w) {
  RunState& run = w.run;
  run.DoBalancing = false;
  run.Ready = true;
  InitFiles(w);
  run.RecCount = 0;
  std::vector<StoredLine> stored;
  while (std::optional<std::vector<std::string>> values = ReadCommaValues(w, InputRecord::kValueFields)) {
    ++run.RecCount;
    InputRecord rec;
    ValuesToRecord(*values, rec);
    if (HasAmount(rec)) stored.push_back({rec, (*values)[InputRecord::kAccount]});
  }
  // Without a record the file is the balancing line of 0, and the operator
  // is told how many lines were read.
  WriteBalancingLine(w, stored);
  WritePass(w, stored, CsvIOParts, false);
}

// The offsetting entry: "SPL" lines of the record the entry prepared.
void PerfPayOffset(QvLedgerloom& w) { WriteSplLines(w, w.run.curRec.account(), PerfPayParts); }
void CsvOffset(QvLedgerloom& w) { WriteSplLines(w, w.run.curRec.account(), CsvParts); }

}  // namespace

CommaAccount SplitClassAccountName(std::string_view account, std::string_view delimiter, bool byClass,
                                   bool byName) {
  const std::string delim = DelimiterOf(delimiter);
  CommaAccount parts{vb::Trim(account), {}, {}};
  if (byClass && !parts.account.empty()) {
    if (const std::size_t p = vb::InStr(parts.account, delim); p > 0) {
      parts.klass = vb::Trim(vb::Left(parts.account, p - 1));
      parts.account = vb::Mid(parts.account, p + delim.size());
    }
  }
  if (byName && !parts.account.empty()) {
    if (const std::size_t q = vb::InStr(parts.account, delim); q > 0) {
      parts.name = vb::Mid(parts.account, q + delim.size());
      parts.account = vb::Left(parts.account, q - 1);
    }
  }
  parts.account = vb::Trim(parts.account);
  return parts;
}

CommaAccount SplitAccountJobClass(std::string_view account, std::string_view delimiter, bool byJob, bool byClass) {
  const std::string delim = DelimiterOf(delimiter);
  CommaAccount parts{vb::Trim(account), {}, {}};
  const std::size_t p = vb::InStr(parts.account, delim);
  if (!(byJob || byClass) || p == 0) return parts;
  const std::string rest = vb::Mid(parts.account, p + delim.size());
  parts.account = vb::Left(parts.account, p - 1);
  const std::size_t q = vb::InStr(rest, delim);
  const std::string afterQ = q > 0 ? vb::Mid(rest, q + delim.size()) : rest;
  if (byJob && byClass) {
    if (q > 0) {
      parts.name = vb::Left(rest, q - 1);
      parts.klass = afterQ;
    }
  } else if (byJob) {
    parts.name = afterQ;
  } else {
    parts.klass = afterQ;
  }
  return parts;
}

void RegisterQuickBooksCommaWriters(FinPacCatalog& catalog) {
  FinPacHooks& perfPay = catalog.HooksOf("QuickBooks PerfPay");
  perfPay.entry = PerfPayEntry;
  perfPay.writer = PerfPayOffset;
  FinPacHooks& csv = catalog.HooksOf("QuickBooks (csv)");
  csv.entry = CsvEntry;
  csv.writer = CsvOffset;
  catalog.HooksOf("QuickBooks(csv I/O)").entry = CsvIOEntry;
}

}  // namespace qvl
