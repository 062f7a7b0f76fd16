#include "writers/builtin/nuvision.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/call_patterns.h"
#include "engine/catalog.h"
#include "engine/input_record.h"
#include "engine/run_files.h"
#include "engine/run_messages.h"
#include "engine/run_state.h"
#include "platform/dialogs/dialogs.h"
#include "platform/vb/currency.h"
#include "platform/vb/error.h"
#include "platform/vb/text.h"
#include "window/qvledgerloom.h"
#include "writers/builtin/workbook_journal.h"

namespace qvl {

namespace {

constexpr int kMapFile = 2;
constexpr std::int64_t kLineStep = 10000;

const std::array<std::string_view, 14> kTitles = {
    "Jrnl Temp Name", "Jrnal Batch Name", "Line Number", "Account",     "ACCOUNT NO.",
    "DESCRIPTION",    "POSTING DATE",     "Document",    "Document No.", "AMOUNT",
    "Depart Dime",    "Region",           "Sales Rep.",  "DIMENSION 4"};

// Accrued payroll: each line of these accounts is reversed on a row of its own.
const std::array<std::string_view, 8> kReversingAccounts = {"230200", "230210", "230300", "230310",
                                                            "230400", "230410", "230500", "230510"};

// One ledger line of the export, its values as they stand.
struct NuVLine {
  std::string date;  // yyyymmdd
  std::string account;
  std::string debits;
  std::string credits;

  bool IsBank() const { return account.starts_with("BK"); }
  std::string GLCode() const { return vb::Mid(account, 7, 6); }
};

// The sheet being filled: the next row and the line number it gets.
struct NuVSheet {
  workbook::Worksheet sheet;
  int row = 2;
  std::int64_t lineNumber = kLineStep;
};

// What the rows of one ledger line carry besides the line's own values.
struct NuVRow {
  std::string accountNo;
  std::string description;
  std::string documentSuffix;  // after "UP" and the date
};

// The mapping file named by the operator; nullopt when the prompt was
// refused or the file cannot be read (the operator has been told).
std::optional<std::vector<GLMapEntry>> ReadMappingFile(QvLedgerloom& w, bool accrual) {
  RunState& run = w.run;
  const std::string prompt = accrual ? "Please enter the name of the ACCRUAL GL Mapping file."
                                     : "Please enter the name of the REGULAR GL Mapping file.";
  const std::string fallback = InputFolder(run.INFile) + (accrual ? "Accrual GLMap.csv" : "GLMap.csv");
  const dialogs::InputReply reply = dialogs::InputBoxReply(prompt, {}, fallback);
  // A refused prompt ends the run without a word: the operator chose it.
  if (reply.cancelled || vb::Trim(reply.text).empty()) return std::nullopt;
  const std::string& path = reply.text;

  const std::size_t perEntry = accrual ? 3 : 2;
  std::vector<GLMapEntry> map;
  try {
    for (const std::vector<std::string>& v : ReadCommaRows(run, kMapFile, path, perEntry))
      map.push_back({v[0], v[1], accrual ? v[2] : std::string()});
  } catch (const vb::Error&) {
    ShowBox(w, "GL Mapping cross-reference File not found.\rFile: " + path +
                   "\rPlease make sure GL Map cross-reference file is in the same location as the Input file.");
    return std::nullopt;
  }
  return map;
}

NuVLine SplitNuVLine(QvLedgerloom& w, const std::string& text) {
  const std::vector<std::string> v = PaddedValues(w, text, InputRecord::kValueFields);
  return {v[InputRecord::kDate], v[InputRecord::kAccount], v[InputRecord::kDebits], v[InputRecord::kCredits]};
}

// Every ledger line of input file 1, the last one included.
std::vector<NuVLine> ReadLines(QvLedgerloom& w) {
  std::vector<NuVLine> lines;
  while (std::optional<std::string> text = ReadInputLine(w))
    OnInputLine(w, [&] { lines.push_back(SplitNuVLine(w, *text)); });
  return lines;
}

// Writes one row and moves on to the next row and line number.
void WriteRow(NuVSheet& s, const NuVLine& line, const NuVRow& row, const std::optional<vb::Currency>& reversed,
              const std::string& amountText) {
  const std::string& d = line.date;
  const std::string posted = vb::Mid(d, 5, 2) + "/" + vb::Mid(d, 7, 2) + "/" + vb::Left(d, 4);
  const workbook::Worksheet& sheet = s.sheet;
  sheet.Cells(s.row, 3).NumberFormat("@");
  sheet.Cells(s.row, 10).NumberFormat("@.@@");
  // The account and its dimension codes keep their leading zeros ("0400");
  // the mapping file's description is its own text, a leading "'" or "="
  // included.
  PutRow(sheet, s.row,
         {"GENERAL", "PAYROLL", std::to_string(s.lineNumber), line.IsBank() ? "Bank Account" : "G/L ACCOUNT",
          TypedFromData(row.accountNo), TypedFromData(row.description), posted, posted,
          "UP" + vb::Mid(d, 5, 2) + vb::Mid(d, 7, 2) + vb::Mid(d, 3, 2) + row.documentSuffix, amountText,
          TypedFromData(vb::Mid(line.account, 13, 4)), TypedFromData(vb::Mid(line.account, 17, 3)),
          TypedFromData(vb::Mid(line.account, 20, 3)), ""});
  if (reversed) sheet.Cells(s.row, 10).Value(*reversed);
  ++s.row;
  s.lineNumber += kLineStep;
}

// Debits minus credits, or nullopt when both are zero (the line gets no row).
std::optional<vb::Currency> LineAmount(const NuVLine& line) {
  const vb::Currency debit = vb::AmountOf(vb::Trim(line.debits));
  const vb::Currency credit = vb::AmountOf(vb::Trim(line.credits));
  if (debit.IsZero() && credit.IsZero()) return std::nullopt;
  return debit - credit;
}

void AuditRow(RunState& run, const NuVLine& line) {
  run.b.WriteLine("GL Code: " + line.account + ", Date: " + line.date);
  run.b.WriteLine("Debits: " + line.debits + ", Credits: " + line.credits);
  run.b.WriteLine("");
}

void WriteRegularRows(QvLedgerloom& w, NuVSheet& s, const std::vector<GLMapEntry>& map, const NuVLine& line) {
  RunState& run = w.run;
  const std::optional<vb::Currency> amount = LineAmount(line);
  if (!amount) {
    run.b.WriteLine(line.account + "\t0.00");
    return;
  }
  const GLMapEntry* entry = RegularMapping(map, line.GLCode());
  if (entry == nullptr) return;
  const NuVRow row{vb::Left(line.account, 6), entry->Description, "PR"};
  const std::string text = amount->ToText();
  WriteRow(s, line, row, std::nullopt, text);
  AuditRow(run, line);
  if (std::find(kReversingAccounts.begin(), kReversingAccounts.end(), row.accountNo) == kReversingAccounts.end())
    return;
  WriteRow(s, line, row, -*amount, text);
  AuditRow(run, line);
}

void WriteAccrualRows(NuVSheet& s, const std::vector<GLMapEntry>& map, const NuVLine& line) {
  const std::optional<vb::Currency> amount = LineAmount(line);
  if (!amount) return;
  for (const GLMapEntry* entry : AccrualMappings(map, line.GLCode()))
    WriteRow(s, line, {entry->Account, entry->Description, "PRACCR"}, std::nullopt, amount->ToText());
}

void NuVisionEntry(QvLedgerloom& w) {
  RunState& run = w.run;
  const bool accrual = w.Summarized.Value();
  run.Ready = true;
  // The mapping file is read before any file is created: a run without one
  // leaves the files of an earlier run as they were.
  const std::optional<std::vector<GLMapEntry>> map = ReadMappingFile(w, accrual);
  if (!map) {
    run.Ready = false;
    return;
  }
  InitFiles(w);

  JournalWorkbook book;
  NuVSheet s{book.FirstSheet()};
  PutRow(s.sheet, 1, {kTitles.begin(), kTitles.end()});
  if (accrual) {
    while (std::optional<std::string> text = ReadInputLine(w))
      OnInputLine(w, [&] { WriteAccrualRows(s, *map, SplitNuVLine(w, *text)); });
  } else {
    std::vector<NuVLine> lines = ReadLines(w);
    // Bank lines first, each group in export order.
    std::stable_partition(lines.begin(), lines.end(), [](const NuVLine& line) { return line.IsBank(); });
    for (const NuVLine& line : lines) WriteRegularRows(w, s, *map, line);
  }
  s.sheet.Columns().AutoFit();

  // The journal proper is the workbook: the result message names it.
  run.OUTFile = RunWorkbookName(w, accrual ? "Accrual.xls" : ".xls");
  book.SaveAs(run.OUTFile);
}

}  // namespace

const GLMapEntry* RegularMapping(const std::vector<GLMapEntry>& map, const std::string& glCode) {
  static const GLMapEntry kUnfilled;
  const std::string code = vb::Trim(glCode);
  const auto found =
      std::find_if(map.begin(), map.end(), [&](const GLMapEntry& e) { return e.Code == code; });
  if (found != map.end()) return &*found;
  return code.empty() ? &kUnfilled : nullptr;
}

std::vector<const GLMapEntry*> AccrualMappings(const std::vector<GLMapEntry>& map, const std::string& glCode) {
  std::vector<const GLMapEntry*> rows;
  std::string previous;
  while (rows.size() < 2) {
    const auto found = std::find_if(map.begin(), map.end(),
                                    [&](const GLMapEntry& e) { return e.Code == glCode && e.Account != previous; });
    if (found == map.end()) break;
    rows.push_back(&*found);
    previous = found->Account;
  }
  return rows;
}

void RegisterNuVisionWriter(FinPacCatalog& catalog) {
  FinPacHooks& hooks = catalog.HooksOf("NuVision");
  hooks.entry = NuVisionEntry;
  // Nothing of this package counts toward the balance, so no offsetting entry
  // is ever asked for; one could only come once the workbook is saved.
  hooks.balanceWriter = EntryNotAdded;
}

}  // namespace qvl
