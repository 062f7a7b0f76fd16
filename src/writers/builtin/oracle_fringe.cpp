#include "writers/builtin/oracle_fringe.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/call_patterns.h"
#include "engine/catalog.h"
#include "engine/fields.h"
#include "engine/input_record.h"
#include "engine/run_errors.h"
#include "engine/run_files.h"
#include "engine/run_messages.h"
#include "engine/run_state.h"
#include "engine/write_output.h"
#include "platform/dialogs/dialogs.h"
#include "platform/vb/convert.h"
#include "platform/vb/currency.h"
#include "platform/vb/error.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"
#include "platform/workbook/workbook.h"
#include "window/qvledgerloom.h"
#include "writers/builtin/workbook_journal.h"

namespace qvl {

namespace {

constexpr std::size_t kSegments = 6;
// Company, date, division, branch, department; six segments; hours, debits,
// credits.
constexpr std::size_t kLineValues = 14;
constexpr std::size_t kFirstSegment = 5;
constexpr std::size_t kDebits = 12;
constexpr std::size_t kCredits = 13;
// The closing line: the six segments it posts to, its facility code and debit.
constexpr std::string_view kClosingAccount = "01,6299,3015,05,000000,00000";
constexpr std::string_view kClosingFacilityAndDebit = ",0000,0.00,";

// One mapping row: the segments it matches (columns A to F) and the ones it
// writes (columns I to N).
struct FringeMapping {
  std::array<workbook::CellValue, kSegments> match;
  std::array<std::string, kSegments> write;
};

std::vector<FringeMapping> ReadMappingRows(const workbook::Worksheet& sheet) {
  static constexpr std::array<int, kSegments> kMatchColumns = {1, 2, 3, 4, 5, 6};
  static constexpr std::array<int, kSegments> kWriteColumns = {9, 10, 11, 12, 13, 14};
  std::vector<FringeMapping> rows;
  for (int row = 2; !sheet.Cells(row, 1).Value().IsEmpty(); ++row) {
    FringeMapping& m = rows.emplace_back();
    for (std::size_t i = 0; i < kSegments; ++i) {
      m.match[i] = sheet.Cells(row, kMatchColumns[i]).Value();
      m.write[i] = sheet.Cells(row, kWriteColumns[i]).Value().ToText();
    }
  }
  return rows;
}

// The mapping rows of the workbook, or nullopt when it cannot be read (the
// operator has been told, naming it).
std::optional<std::vector<FringeMapping>> ReadMappingWorkbook(QvLedgerloom& w, const std::string& path) {
  try {
    return ReadMappingRows(workbook::GetObject(path).Worksheets(1));
  } catch (const vb::Error& e) {
    RefuseRun(w, "The GL Mapping file cannot be read:\r\r" + path + "\r\r" + e.description());
    return std::nullopt;
  }
}

const FringeMapping* FindMapping(const std::vector<FringeMapping>& map, const std::vector<std::string>& values) {
  for (const FringeMapping& m : map) {
    bool all = true;
    for (std::size_t i = 0; i < kSegments && all; ++i)
      all = SegmentMatches(m.match[i], vb::Trim(values[kFirstSegment + i]));
    if (all) return &m;
  }
  return nullptr;
}

// The amount times the rate, two decimals.
std::string Fringe(std::string_view amount, vb::Currency rate) {
  return vb::Format(vb::AmountOf(amount) * rate / 100, "#.00");
}

// The line goes through WriteOutputRec with its own account and amounts in
// the current record, so the audit trail and the totals describe it.
void WriteFringeLine(QvLedgerloom& w, const std::string& line, std::string_view account, const std::string& debits,
                     const std::string& credits) {
  RunState& run = w.run;
  run.curRec = RecordOfLine({.account = account, .debits = debits, .credits = credits});
  run.Build_OutRec = line;
  WriteOutputRec(w);
}

// The progress caption is cleared however the writer ends.
struct ProgressCaption {
  explicit ProgressCaption(QvLedgerloom& window) : w(window) {}
  ProgressCaption(const ProgressCaption&) = delete;
  ProgressCaption& operator=(const ProgressCaption&) = delete;
  ~ProgressCaption() { w.lblMSG.SetCaption(""); }
  void Show(const std::string& caption) const { w.lblMSG.SetCaption(caption); }
  QvLedgerloom& w;
};

struct FringeRun {
  std::vector<FringeMapping> map;
  vb::Currency rate;   // percent
  vb::Currency total;  // debit fringe minus credit fringe of every written line
};

void WriteFringeRecord(QvLedgerloom& w, FringeRun& fringe, const std::string& text) {
  const std::vector<std::string> v = PaddedValues(w, text, kLineValues);
  const FringeMapping* m = FindMapping(fringe.map, v);
  if (m == nullptr) return;
  const std::string debit = Fringe(vb::Trim(v[kDebits]), fringe.rate);
  const std::string credit = Fringe(vb::Trim(v[kCredits]), fringe.rate);
  fringe.total += vb::AmountOf(debit) - vb::AmountOf(credit);
  std::string line;
  for (const std::string& segment : m->write) line += segment + ",";
  line += w.txtFacility.Text() + "," + debit + "," + credit;
  std::string account;
  for (std::size_t i = 0; i < kSegments; ++i) account += (i ? "," : "") + v[kFirstSegment + i];
  WriteFringeLine(w, line, account, debit, credit);
}

}  // namespace

bool SegmentMatches(const workbook::CellValue& cell, const std::string& segment) {
  if (cell.type() == workbook::CellValue::Type::Number && vb::IsNumeric(segment))
    return cell.number() == vb::CDbl(segment);
  return cell.ToText() == segment;
}

std::string MappingWorkbookName(const std::string& answer) {
  std::string name = vb::Trim(answer);
  if (name.empty()) name = "GL Map.xls";
  if (vb::InStr(name, ".xls") == 0) name += ".xls";
  return name;
}

void OracleFringe(QvLedgerloom& w) {
  RunState& run = w.run;
  // Cancel, like an empty answer, takes the usual name; the question that
  // follows is where the operator stops the run.
  const std::string answer = dialogs::InputBox(
      "Please enter the name of the Oracle Fringe GL Mapping File located in the same location as your input file:",
      {}, "GL Map.xls");
  const std::string path = InputFolder(run.INFile) + MappingWorkbookName(answer);

  run.Build_String =
      "Qv Ledgerloom must read the GL Mapping file.\rDepending on the number of records in the GL Mapping "
      "file\rthis may take a moment.";
  if (!AskToProceed(w, run.Build_String)) return;

  const ProgressCaption progress(w);
  progress.Show("Reading GL Mapping File");
  FringeRun fringe;
  std::optional<std::vector<FringeMapping>> map = ReadMappingWorkbook(w, path);
  if (!map) return;
  fringe.map = std::move(*map);
  progress.Show("Mapping File Read, processing...");

  fringe.rate = vb::AmountOf(w.txtOverhead.Text());
  InitFiles(w);
  run.Ready = true;
  run.DoBalancing = true;
  // An export without a line is no failure: the journal is its closing
  // line of nothing, and balances as any other.
  EachInputLine(w, [&](const std::string& text) {
    WriteFringeRecord(w, fringe, text);
    return true;
  });
  const std::string total = vb::Format(fringe.total, "#.00");
  WriteFringeLine(w, std::string(kClosingAccount).append(kClosingFacilityAndDebit).append(total), kClosingAccount,
                  ".00", total);
}

void RegisterOracleFringeWriter(FinPacCatalog& catalog) {
  FinPacHooks& hooks = catalog.HooksOf("Oracle Fringe");
  hooks.writer = OracleFringe;
  // The closing line balances every run, so no offsetting entry is asked
  // for; none is defined for the package.
  hooks.balanceWriter = EntryNotAdded;
}

}  // namespace qvl
