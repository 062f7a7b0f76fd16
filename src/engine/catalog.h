#pragma once
// The package list: every accounting package the tool writes for, in the
// fixed order of the window's list, with what a run needs to know of each.
// The exact list text (case-sensitive) is the key the run dispatches on; the
// list index is what the window lays out by and what the settings file keeps.
//
// The table is data. The code that belongs to one package (its writer, its
// header and trailer records, the steps its run takes around the writer) is
// attached later through the entry's hooks by that package's writer family,
// so adding a writer never reshapes the table.
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace qvl {

class QvLedgerloom;
class FinPacWriter;

// How a run drives the package's writer.
enum class CallPattern {
  RecordLoop,             // one writer call per 89-character record
  SummarizingRecordLoop,  // the same, merging records first when "Summarized" is chosen
  CommaRecordLoop,        // one writer call per comma line read into the entry's values
  StoreThenWrite,         // the whole input is read into memory first, then written (and summarized)
  WholeFileWriter,        // the writer reads the whole input itself
  WriterObject,           // Process() of the package's writer object
  MessageOnly,            // a message; nothing is written
};

// The form in which the payroll export is opened as file 1.
enum class InputForm {
  Records,             // fixed 89-character records
  Text,                // text lines (comma lines or whole lines)
  TextWhenSummarized,  // text lines when "Summarized" is chosen, else records
  TextWhenCsv,         // text lines when "csv format?" is checked, else records
};

// Who opens the input and creates the streams.
enum class FilesOpenedBy {
  Entry,   // the run, before the writer is called
  Writer,  // the writer (or writer object) itself
  None,    // nothing is opened
};

enum class ExtensionRule {
  Fixed,          // the entry's `ext`
  FacilityCode,   // "." and the facility code as "000" when it has at most 3 characters, else ".txt"
  WriterFileExt,  // the FileExt property of the package's writer object
};

// How the journal file is named (the name the journal stream is created under).
enum class NameRule {
  Default,           // company, month, day and year of the period end, or company and month
  KeaneRA,           // "RA" and the period end as yymmdd
  ClubSelect,        // "CCGLTR" and the trimmed company number
  CompanyAndExt,     // the company number and the extension
  CompanyMMDDYYtxt,  // the company number, the period end as mmddyy, ".txt"
  CompanyMMYYexp,    // the company number, the period end as mmyy, ".exp"
  CompanyPRN,        // the company number and ".PRN"
  GPPayrollConnect,  // "ADP.csv" when "description field?" is checked, else company, mmddyy, ".GLI"
  CSA,               // "G", company as "00000", month letter, half-month digit, extension
  Fixed,             // the entry's `fixedName`
};

// What an offsetting entry does for the package.
enum class BalanceBranch {
  WriterProcedure,    // the package's balancing writer is called once
  RaiseRecCountThen,  // RecCount is raised by 1, then the balancing writer is called
  WriterObject,       // Balance(account, amount) of the package's writer object
  Nothing,            // nothing is written and nothing is shown
  NotAdded,           // the operator is told the entry was not added
};

// How WriteOutputRec puts a journal line on the journal stream.
enum class WriteMode {
  Line,                 // the line and CR LF
  NoLineEnd,            // the line alone; the package writes its own line breaks
  NoJournal,            // nothing: the package builds its output by other means
  NoJournalNoTotals,    // nothing, and the line adds nothing to the totals
  LineUncountedPeriod,  // the line; one beginning "PERIOD" is neither counted nor audited
};

// What the balance report tells the operator.
enum class BalanceReport {
  Standard,              // in or out of balance, with the journal and the audit trail
  NoAuditWhenInBalance,  // as Standard, but the in-balance message leaves out the audit trail
  RecordCount,           // the number of records processed; the balance is not tested
};

using WindowProc = void (*)(QvLedgerloom&);
// Header or trailer records of a package, each written to the journal as a line.
using RecordLines = std::vector<std::string> (*)(QvLedgerloom&);
using WriterFactory = std::unique_ptr<FinPacWriter> (*)(QvLedgerloom&);

// Filled in by each package's writer family; empty until then.
struct FinPacHooks {
  // The entry's own steps around its writer (prompts, names, inline lines,
  // counters, closing calls). Null for entries that are their pattern alone.
  WindowProc entry = nullptr;
  // Called per record by the loops, once by a whole-file entry.
  WindowProc writer = nullptr;
  // Writes one offsetting record from the current record.
  WindowProc balanceWriter = nullptr;
  // Creates the writer object of a class package.
  WriterFactory makeWriter = nullptr;
  RecordLines header = nullptr;
  RecordLines trailer = nullptr;
};

struct FinPacEntry {
  std::string_view text;
  CallPattern pattern = CallPattern::RecordLoop;
  // The entry takes steps of its own besides its pattern and writer
  // (see FinPacHooks::entry).
  bool ownSteps = false;
  FilesOpenedBy files = FilesOpenedBy::Entry;
  InputForm input = InputForm::Records;
  bool journalStream = true;   // `a`, the journal file
  bool auditStream = true;     // `b`, "Audit_trail.txt"
  bool postingStreams = false; // `a1` and `a2`, the two posting files
  std::string_view ext = ".txt";
  ExtensionRule extRule = ExtensionRule::Fixed;
  // Longest trimmed company number the package's file name takes (0: any).
  std::size_t companyMaxLen = 0;
  NameRule name = NameRule::Default;
  std::string_view fixedName = {};
  // Workbook packages that name the saved workbook after the run: prefix of
  // "<prefix><company>_<mmmddyy>.xls". Empty for all others.
  std::string_view workbookPrefix = {};
  bool hasHeader = false;   // header records right after the streams are created
  bool hasTrailer = false;  // trailer records when the files are closed
  BalanceBranch balance = BalanceBranch::WriterProcedure;
  std::string_view message = {};  // the message of a message-only entry
  WriteMode write = WriteMode::Line;
  BalanceReport report = BalanceReport::Standard;

  int index = -1;           // position in the list
  FinPacHooks hooks = {};
};

// "Nothing": the run's package text when no list entry is selected.
inline constexpr std::string_view kNoPackage = "Nothing";

class FinPacCatalog {
 public:
  FinPacCatalog();  // the 99 entries, in list order

  std::size_t size() const { return entries_.size(); }
  const std::vector<FinPacEntry>& entries() const { return entries_; }

  // By exact list text; nullptr when no entry has it ("Nothing" included).
  const FinPacEntry* Find(std::string_view text) const;
  // By list index; nullptr outside 0..size()-1 (no selection is -1).
  const FinPacEntry* At(int index) const;

  // For the writer families: the hooks of the entry with this exact text.
  // Throws std::out_of_range for a text that is not in the list.
  FinPacHooks& HooksOf(std::string_view text);

 private:
  std::vector<FinPacEntry> entries_;
};

// Whether the entry reads its input as text lines, given the options that
// decide it for some packages.
bool ReadsText(const FinPacEntry& entry, bool summarized, bool csvChecked);

}  // namespace qvl
