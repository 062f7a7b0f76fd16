// "WC-GL Generator": the workers' compensation file turned into ledger lines
// of the export's own nine-value layout, each with the account its branch
// and department are tagged with, and closed by one balancing line for the
// total. The company and date come from the general-ledger export chosen in
// the window; the tag and workers' compensation files lie beside it. The
// lines are audited but count nothing toward the balance: the journal
// balances itself through its closing line.
//
// The three sources are read where they lie, whole, whatever their line ends
// (CR LF or bare LF) and with ";" or "," between the tag values: no working
// copy is made, so nothing is left behind and no shared file is overwritten.
#include <optional>
#include <string>
#include <vector>

#include "engine/call_patterns.h"
#include "engine/catalog.h"
#include "engine/fields.h"
#include "engine/input_record.h"
#include "engine/run_files.h"
#include "engine/run_messages.h"
#include "engine/run_state.h"
#include "platform/files/comma_list.h"
#include "platform/files/whole_files.h"
#include "platform/vb/currency.h"
#include "platform/vb/error.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"
#include "window/qvledgerloom.h"
#include "writers/builtin/self_reading.h"

namespace qvl {

namespace {

constexpr int kInput = 1;
constexpr int kSideFile = 2;
constexpr std::string_view kTagFileName = "GL Tag Info.csv";
constexpr std::string_view kWCFileName = "WC File.txt";
constexpr std::string_view kSideFileMsg = "This file is needed and cannot be read:";
constexpr std::string_view kNoTag = "00-00-000-00000";
constexpr std::string_view kBalancingAccount = "01-00-000-21100";
constexpr std::size_t kAccountWidth = 15;
constexpr std::size_t kTagValues = 3;
constexpr std::size_t kWCValues = 16;
constexpr std::size_t kWCBranch = 1;
constexpr std::size_t kWCDepartment = 2;
constexpr std::size_t kWCAmount = 15;

struct TagRow {
  std::string branch;
  std::string department;
  std::string account;
};

struct WCGLState {
  std::string WCGLGen_CoNum;
  std::string WCGLGen_Date;
  vb::Currency WCGLGen_Total;
  // Every journal line carries the company and date of an export record:
  // without one there is no line to write, the closing line included.
  bool exportRead = false;
};
WCGLState wcgl;

std::string FolderOf(const std::string& path) { return path.substr(0, path.rfind('\\') + 1); }

// The side file can be read; otherwise the operator is told which one.
bool Readable(QvLedgerloom& w, const std::string& path) {
  const std::string reason = files::UnreadableReason(path);
  if (reason.empty()) return true;
  RefuseRun(w, std::string(kSideFileMsg) + "\r\r" + path + "\r\r" + reason, PackageTitle(w.run.ChosenPackage));
  return false;
}

// Each line of a side file that holds anything, handed on where a fault in
// it stops the run naming the file and the line.
template <class Each>
void EachSideLine(QvLedgerloom& w, const std::string& path, Each each) {
  files::FileTable& files = w.run.Files;
  files.OpenText(kSideFile, path);
  while (std::optional<std::string> line = files.ReadLine(kSideFile)) {
    if (vb::Trim(*line).empty()) continue;
    OnLineOf(w, kSideFile, path, [&] { each(*line); });
  }
  files.Close(kSideFile);
}

// Rows of branch, department and account, separated by ";" or ",".
std::vector<TagRow> ReadTags(QvLedgerloom& w, const std::string& path) {
  std::vector<TagRow> tags;
  EachSideLine(w, path, [&](const std::string& line) {
    files::CommaValues row = files::SplitCommaList(vb::Replace(line, ";", ","), kTagValues);
    if (row.found < kTagValues)
      throw vb::Error(vb::kInvalidProcedureCall, "The line does not hold a branch, a department and an account.");
    tags.push_back({std::move(row.values[0]), std::move(row.values[1]), std::move(row.values[2])});
  });
  return tags;
}

// The account tagged to the branch and department; the last matching row wins.
std::string TaggedAccount(const std::vector<TagRow>& tags, const std::string& branch, const std::string& department) {
  std::string account(kNoTag);
  for (const TagRow& row : tags)
    if (row.branch == branch && row.department == department) account = vb::Left(row.account, kAccountWidth);
  return account;
}

// The company of the export's first line and the date of its last.
void ReadExportCompanyAndDate(QvLedgerloom& w) {
  w.run.Files.OpenText(kInput, w.run.INFile);
  while (std::optional<std::vector<std::string>> v = ReadCommaValues(w, InputRecord::kValueFields)) {
    if (!wcgl.exportRead) wcgl.WCGLGen_CoNum = (*v)[InputRecord::kCompany];
    wcgl.WCGLGen_Date = (*v)[InputRecord::kDate];
    wcgl.exportRead = true;
  }
  w.run.Files.Close(kInput);
}

// One line of the workers' compensation file: its branch and department,
// trimmed for the lookup, and its amount.
struct WCLine {
  std::string branch;
  std::string department;
  vb::Currency amount;
};

// Every line of the workers' compensation file, split before anything is
// created: a line too short to hold its 16 values stops the run naming it.
std::vector<WCLine> ReadWCLines(QvLedgerloom& w, const std::string& path) {
  std::vector<WCLine> lines;
  EachSideLine(w, path, [&](const std::string& line) {
    const std::vector<std::string> v = ValuesAsTheyStand(line, kWCValues, "the workers' compensation file");
    lines.push_back({vb::Trim(v[kWCBranch]), vb::Trim(v[kWCDepartment]), vb::AmountOf(v[kWCAmount])});
  });
  return lines;
}

void WriteWCLine(QvLedgerloom& w, const std::vector<TagRow>& tags, const WCLine& line) {
  RunState& run = w.run;
  // A line without an amount posts nothing.
  if (line.amount.IsZero()) return;
  wcgl.WCGLGen_Total = wcgl.WCGLGen_Total + line.amount;
  InputRecord& rec = run.curRec;
  rec = InputRecord();
  rec.SetCompany(wcgl.WCGLGen_CoNum);
  rec.SetDate(wcgl.WCGLGen_Date);
  rec.SetAccount(TaggedAccount(tags, line.branch, line.department));
  rec.SetHours("0.00");
  rec.SetDebits(vb::Format(line.amount, "0.00"));
  rec.SetCredits("0.00");
  WriteFields(w, ",",
              {Plain(vb::Trim(rec.company())), Plain(vb::Trim(rec.date())), Plain(""), Plain(""), Plain(""),
               Plain(vb::Trim(rec.account())), Plain(vb::Trim(rec.hours())), Plain(vb::Trim(rec.debits())),
               Plain(vb::Trim(rec.credits()))});
}

std::vector<std::string> WCGLTrailer(QvLedgerloom&) {
  if (!wcgl.exportRead) return {};
  return {wcgl.WCGLGen_CoNum + "," + wcgl.WCGLGen_Date + "," + ",,," + std::string(kBalancingAccount) + "," +
          "0.00," + "0.00," + vb::Format(wcgl.WCGLGen_Total, "0.00")};
}

void WCGLEntry(QvLedgerloom& w) {
  w.run.DoBalancing = false;
  w.run.Ready = true;
  WCGL_Generator(w);
}

}  // namespace

void WCGL_Generator(QvLedgerloom& w) {
  RunState& run = w.run;
  wcgl = WCGLState();
  const std::string folder = FolderOf(run.INFile);
  const std::string tagPath = folder + std::string(kTagFileName);
  const std::string wcPath = folder + std::string(kWCFileName);
  // Everything the run needs is read and split before the journal is
  // created: a source that cannot be read or holds a bad line ends the run
  // with nothing written.
  if (!Readable(w, tagPath) || !Readable(w, wcPath)) return;
  const std::vector<TagRow> tags = ReadTags(w, tagPath);
  const std::vector<WCLine> lines = ReadWCLines(w, wcPath);
  ReadExportCompanyAndDate(w);
  InitFiles(w);
  if (!wcgl.exportRead) return;
  for (const WCLine& line : lines) WriteWCLine(w, tags, line);
}

void RegisterWCGLGeneratorWriter(FinPacCatalog& catalog) {
  FinPacHooks& h = catalog.HooksOf("WC-GL Generator");
  h.entry = WCGLEntry;
  h.writer = WCGL_Generator;
  h.trailer = WCGLTrailer;
}

}  // namespace qvl
