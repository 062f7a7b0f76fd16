// "Intuit Fundware": "|"-separated lines whose account's first two
// characters name a fund. The workers' compensation file beside the input
// is totalled before the journal is created and written where the input
// reaches its blank-account record; the journal closes with the lines that
// move each fund's totals through its due-to/due-from account. Every line
// goes straight to the journal: none counts toward the balance.
#include <cctype>
#include <optional>
#include <string>
#include <vector>

#include "engine/call_patterns.h"
#include "engine/catalog.h"
#include "engine/fields.h"
#include "engine/run_errors.h"
#include "engine/run_files.h"
#include "engine/run_messages.h"
#include "engine/run_state.h"
#include "platform/vb/currency.h"
#include "platform/vb/error.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"
#include "window/qvledgerloom.h"
#include "writers/builtin/whole_file.h"

namespace qvl {

namespace {

constexpr std::string_view kPackage = "Intuit Fundware";
constexpr int kWCFile = 2;
constexpr std::size_t kWCValues = 13;
constexpr int kFunds = 100;

struct WCEntry {
  std::string code;
  vb::Currency amount;
};

struct FundSums {
  vb::Currency Salaries;  // accounts ending in "6101"
  vb::Currency Other;     // every other account, and the workers' compensation amounts
};

struct IntuitState {
  std::vector<WCEntry> WCSummary;  // in the order codes first appear
  vb::Currency WC_Total;
  std::vector<FundSums> FundTotals = std::vector<FundSums>(kFunds);
};
IntuitState intuit;

std::vector<std::string> IntuitHeader(QvLedgerloom& w) {
  return {"DIV=" + vb::Trim(w.cmboCoNum.Text()) + "||||||",
          "1|PAYRL|" + vb::Format(w.PeriodEnd(), "mmddyyyy") + "||||"};
}

std::string Amount00(vb::Currency amount) { return vb::Format(amount, ".00"); }

// One line of the workers' compensation file: its code and amount. A line
// too short to hold them stops the run before anything is written.
WCEntry WCLine(const std::string& line, const std::string& where) {
  std::vector<std::string> values;
  std::size_t at = 0;
  for (std::size_t semi; values.size() + 1 < kWCValues && (semi = line.find(';', at)) != std::string::npos;
       at = semi + 1)
    values.push_back(line.substr(at, semi - at));
  if (values.size() + 1 < kWCValues)
    throw FileError(where, vb::Error(vb::kInputPastEndOfFile,
                                     "The line holds fewer than 13 values separated by \";\"."));
  return {vb::Trim(values[2]), vb::AmountOf(line.substr(at))};
}

void AddWC(const WCEntry& entry) {
  for (WCEntry& e : intuit.WCSummary) {
    if (e.code == entry.code) {
      e.amount += entry.amount;
      return;
    }
  }
  intuit.WCSummary.push_back(entry);
}

// The workers' compensation file beside the input: the input's path with
// every "\GL" replaced by "\WC". Where the path spells "\GL" in capitals,
// only those are replaced, so every path that named its file so keeps
// naming the same one (c:\GL\gl.txt gives c:\WC\gl.txt); otherwise any
// letter case counts (c:\gl\gl.txt gives c:\WC\WC.txt). None when the
// path holds no "\GL" at all: the export is never read as that file.
std::optional<std::string> WCPathOf(const std::string& input) {
  if (vb::InStr(input, "\\GL") != 0) return vb::Replace(input, "\\GL", "\\WC");
  const std::string upper = vb::UCase(input);
  if (vb::InStr(upper, "\\GL") == 0) return std::nullopt;
  std::string replaced;
  for (std::size_t at = 0; at < input.size();) {
    if (upper.compare(at, 3, "\\GL") == 0) {
      replaced += "\\WC";
      at += 3;
    } else {
      replaced += input[at++];
    }
  }
  return replaced;
}

// Loads and totals the workers' compensation file. False, with the operator
// told why, when that file cannot be read. An input path that names no such
// file counts as an empty one: told so, the run goes on without entries.
bool ProcessIntuitWCfile(QvLedgerloom& w) {
  RunState& run = w.run;
  intuit.WCSummary.clear();
  intuit.WC_Total = vb::Currency();
  const std::optional<std::string> path = WCPathOf(run.INFile);
  bool any = false;
  if (path) {
    try {
      run.Files.OpenText(kWCFile, *path);
    } catch (const vb::Error& e) {
      RefuseRun(w, "The workers' compensation file cannot be read:\r\r" + *path + "\r" + e.description(),
                PackageTitle(kPackage));
      return false;
    }
    while (std::optional<std::string> line = run.Files.ReadLine(kWCFile)) {
      if (vb::Trim(*line).empty()) continue;
      AddWC(WCLine(*line, *path + ", line " + std::to_string(run.Files.LineNumber(kWCFile))));
      any = true;
    }
    run.Files.Close(kWCFile);
  }
  if (!any) ShowBox(w, "No records found in file:" + vb::Trim(path ? *path : run.INFile));
  std::string message;
  for (const WCEntry& e : intuit.WCSummary) {
    intuit.WC_Total += e.amount;
    message += e.code + " " + vb::Format(e.amount, "#,###.00") + "\r";
  }
  ShowBox(w, message + "Workers Comp Total: " + vb::Format(intuit.WC_Total, "#,###.00"));
  return true;
}

void AddToFund(int fund, vb::Currency amount, bool salaries) {
  if (fund < 1) return;
  FundSums& sums = intuit.FundTotals[static_cast<std::size_t>(fund)];
  (salaries ? sums.Salaries : sums.Other) += amount;
}

// The workers' compensation lines, at the blank-account record in curRec.
// They are written once: a later blank-account record finds none left.
void InsertWCsumRecs(QvLedgerloom& w) {
  RunState& run = w.run;
  run.b.WriteLine("* * * Workers Comp Summary * * *'\r");
  run.b.WriteLine("GL File Total: " + Amount00(NetAmount(run.curRec)));
  run.b.WriteLine("WC File Total: " + Amount00(intuit.WC_Total));
  const std::string object = vb::Right(vb::Trim(run.curRec.account()), 4);
  for (auto e = intuit.WCSummary.rbegin(); e != intuit.WCSummary.rend(); ++e) {
    WriteJournalLine(w, "4|" + vb::Mid(e->code, 1, 2) + "-" + vb::Mid(e->code, 3, 2) + "-" + vb::Mid(e->code, 5, 2) +
                            "-" + object + "|||||" + IntuitSignedAmount(e->amount));
    ++run.RecCount;
    AddToFund(IntuitFund(e->code), e->amount, false);
  }
  intuit.WCSummary.clear();
}

void WriteFundLines(QvLedgerloom& w, vb::Currency FundSums::*sum) {
  for (int k = 1; k < kFunds; ++k) {
    const vb::Currency amount = intuit.FundTotals[static_cast<std::size_t>(k)].*sum;
    if (!amount.IsZero())
      WriteJournalLine(w, "4|" + vb::Format(std::int64_t{k}, "00") + "-00-00-2141|Due to/from Cash||||" +
                              Amount00(amount) + "-");
  }
  for (int k = 1; k < kFunds; ++k) {
    const vb::Currency amount = intuit.FundTotals[static_cast<std::size_t>(k)].*sum;
    if (!amount.IsZero())
      WriteJournalLine(w, "4|00-00-" + vb::Format(std::int64_t{k}, "00") + "-2141|Due to/from||||" +
                              Amount00(amount) + "+");
  }
}

void IntuitEntry(QvLedgerloom& w) {
  RunState& run = w.run;
  run.Ready = true;
  if (!ProcessIntuitWCfile(w)) return;
  InitFiles(w);
  intuit.FundTotals.assign(kFunds, FundSums{});
  RecordLoop(w, Intuit);
  WriteFundLines(w, &FundSums::Other);
  WriteFundLines(w, &FundSums::Salaries);
  vb::Currency salariesTotal;
  for (int k = 1; k < kFunds; ++k) salariesTotal += intuit.FundTotals[static_cast<std::size_t>(k)].Salaries;
  WriteJournalLine(w, "4|00-00-00-6101|Salaries & Wages||||" + Amount00(salariesTotal) + "-");
  WriteJournalLine(w, "4|00-00-00-6101|Salaries & Wages||||" + Amount00(salariesTotal) + "+");
}

}  // namespace

std::string IntuitSignedAmount(vb::Currency amount) {
  const bool negative = amount < vb::Currency();
  return Amount00(negative ? -amount : amount) + (negative ? "-" : "+");
}

int IntuitFund(std::string_view text) {
  if (text.size() < 2 || !std::isdigit(static_cast<unsigned char>(text[0])) ||
      !std::isdigit(static_cast<unsigned char>(text[1])))
    return 0;
  return (text[0] - '0') * 10 + (text[1] - '0');
}

void Intuit(QvLedgerloom& w) {
  RunState& run = w.run;
  if (vb::Trim(vb::Left(run.curRec.account(), 8)).empty()) return InsertWCsumRecs(w);
  const vb::Currency amount = NetAmount(run.curRec);
  if (amount.IsZero()) return;
  const std::string account = vb::Trim(run.curRec.account());
  WriteJournalLine(w, "4|" + account + "|||||" + IntuitSignedAmount(amount));
  ++run.RecCount;
  AddToFund(IntuitFund(account), amount, vb::Right(account, 4) == "6101");
}

void RegisterIntuitWriter(FinPacCatalog& catalog) {
  FinPacHooks& h = catalog.HooksOf("Intuit Fundware");
  h.entry = IntuitEntry;
  h.writer = Intuit;
  h.header = IntuitHeader;
}

}  // namespace qvl
