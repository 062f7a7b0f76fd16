#include "engine/catalog.h"

#include <stdexcept>
#include <string>

namespace qvl {

namespace {

constexpr auto RecordLoop = CallPattern::RecordLoop;
constexpr auto SumLoop = CallPattern::SummarizingRecordLoop;
constexpr auto CommaLoop = CallPattern::CommaRecordLoop;
constexpr auto StoreThenWrite = CallPattern::StoreThenWrite;
constexpr auto WholeFile = CallPattern::WholeFileWriter;
constexpr auto Object = CallPattern::WriterObject;
constexpr auto MessageOnly = CallPattern::MessageOnly;

constexpr auto ByWriter = FilesOpenedBy::Writer;
constexpr auto Text = InputForm::Text;
constexpr auto TextWhenSummarized = InputForm::TextWhenSummarized;
constexpr auto TextWhenCsv = InputForm::TextWhenCsv;

constexpr auto ObjectBalance = BalanceBranch::WriterObject;
constexpr auto NotAdded = BalanceBranch::NotAdded;

// Rows list only what differs from an entry's defaults: records input read by
// a writer procedure that the run calls after opening the files, journal and
// audit streams, ".txt", the default file name, no header or trailer, an
// offsetting entry through the package's writer procedure, journal lines
// written with their line end, and the standard balance report.
const FinPacEntry kEntries[] = {
    {.text = "AccPac AdvSeries CE v5.2", .pattern = RecordLoop, .ownSteps = true, .ext = ".csv",
     .hasHeader = true, .report = BalanceReport::NoAuditWhenInBalance},
    {.text = "AccPac (new)", .pattern = SumLoop},
    {.text = "AccPac (old)", .pattern = SumLoop},
    {.text = "AccPac Zelvik", .pattern = Object, .files = ByWriter, .ext = ".csv", .hasHeader = true,
     .balance = ObjectBalance},
    {.text = "AccPac Draymor", .pattern = RecordLoop, .ownSteps = true, .workbookPrefix = "AccPac_"},
    {.text = "Acknowledge", .pattern = Object, .files = ByWriter, .input = Text, .hasHeader = true,
     .balance = ObjectBalance},
    {.text = "ADP", .pattern = Object, .files = ByWriter, .input = Text, .name = NameRule::Fixed,
     .fixedName = "GLTran.txt", .balance = ObjectBalance},
    {.text = "ADP/GL", .pattern = RecordLoop, .ownSteps = true, .write = WriteMode::NoLineEnd},
    {.text = "ADP/KVS", .pattern = RecordLoop, .ownSteps = true, .write = WriteMode::NoLineEnd},
    {.text = "AI5", .pattern = SumLoop, .ownSteps = true, .hasHeader = true},
    {.text = "AIMsi", .pattern = WholeFile, .input = Text, .journalStream = false,
     .workbookPrefix = "AIMsi_"},
    {.text = "aswa", .pattern = Object, .files = ByWriter, .input = Text, .hasHeader = true,
     .balance = ObjectBalance},
    {.text = "Blackbaud", .pattern = RecordLoop, .ownSteps = true, .ext = ".csv"},
    {.text = "Blackbaud v7.60", .pattern = CommaLoop, .ownSteps = true, .input = Text, .ext = ".csv",
     .hasHeader = true},
    {.text = "Blackbaud v7.80", .pattern = Object, .files = ByWriter, .input = Text, .ext = ".csv",
     .balance = ObjectBalance},
    {.text = "BMSI", .pattern = CommaLoop, .ownSteps = true, .input = Text, .ext = ".dat"},
    {.text = "Corrand", .pattern = Object, .input = Text, .ext = ".csv", .balance = ObjectBalance},
    {.text = "CertiPay Advantage", .pattern = RecordLoop, .ownSteps = true},
    {.text = "ClubSelect", .pattern = WholeFile, .files = ByWriter, .input = Text, .ext = ".MAS",
     .companyMaxLen = 2, .name = NameRule::ClubSelect},
    {.text = "CMS", .pattern = WholeFile, .files = ByWriter, .hasHeader = true, .hasTrailer = true,
     .write = WriteMode::NoLineEnd},
    {.text = "CSA", .pattern = SumLoop, .ownSteps = true, .ext = ".GLT", .name = NameRule::CSA},
    {.text = "Epicor", .pattern = WholeFile, .ownSteps = true, .input = Text, .journalStream = false, .ext = ".csv",
     .workbookPrefix = "Epicor_"},
    {.text = "Enterprise", .pattern = Object, .input = Text, .journalStream = false,
     .balance = ObjectBalance, .write = WriteMode::NoJournal},
    {.text = "Falcon", .pattern = CommaLoop, .ownSteps = true, .input = Text},
    {.text = "Financial Edge", .pattern = RecordLoop, .ownSteps = true},
    {.text = "Fiserv Freedom FFS", .pattern = WholeFile, .input = Text,
     .name = NameRule::CompanyMMDDYYtxt},
    {.text = "Fiserv IF3", .pattern = RecordLoop, .ownSteps = true, .name = NameRule::CompanyMMDDYYtxt},
    {.text = "FTI", .pattern = WholeFile, .input = Text},
    {.text = "GreatPlains", .pattern = MessageOnly, .files = FilesOpenedBy::None,
     .balance = BalanceBranch::Nothing,
     .message = "Use GreatPlain's Integration Manager or Integration Assistant to import your "
                "Quorvanta Journal Entry."},
    {.text = "GlobalShop", .pattern = Object, .files = ByWriter, .input = Text,
     .balance = ObjectBalance},
    {.text = "GP Payroll Connect", .pattern = WholeFile, .input = Text,
     .name = NameRule::GPPayrollConnect, .report = BalanceReport::RecordCount},
    {.text = "Infinium", .pattern = Object, .files = ByWriter, .input = Text, .ext = ".csv",
     .balance = ObjectBalance},
    {.text = "Intuit Fundware", .pattern = RecordLoop, .ownSteps = true, .hasHeader = true},
    {.text = "IPS", .pattern = Object, .files = ByWriter, .input = Text, .balance = ObjectBalance},
    {.text = "JD Edwards", .pattern = SumLoop, .hasHeader = true},
    {.text = "Jonas", .pattern = SumLoop},
    {.text = "JURIS", .pattern = SumLoop},
    {.text = "Keane Accounting", .pattern = WholeFile, .files = ByWriter, .ext = {},
     .extRule = ExtensionRule::FacilityCode, .name = NameRule::KeaneRA, .balance = NotAdded},
    {.text = "LASR", .pattern = WholeFile, .input = Text, .journalStream = false,
     .workbookPrefix = "LASR_"},
    {.text = "MAPICS XA6.0", .pattern = RecordLoop},
    {.text = "MAS90 v3.2", .pattern = SumLoop, .ownSteps = true},
    {.text = "MAS90 v4.3", .pattern = WholeFile, .files = ByWriter, .input = Text},
    {.text = "MAS90 v4.2", .pattern = CommaLoop, .ownSteps = true, .input = Text},
    {.text = "MAS90 v4.x", .pattern = SumLoop, .ext = ".csv"},
    {.text = "MAS90 v5.0", .pattern = SumLoop},
    {.text = "MAS90 SageBW v8.0", .pattern = RecordLoop, .ext = ".csv", .hasHeader = true},
    {.text = "MAS500", .pattern = Object, .files = ByWriter, .input = Text, .ext = {},
     .extRule = ExtensionRule::WriterFileExt, .hasHeader = true, .hasTrailer = true,
     .balance = ObjectBalance},
    {.text = "Meditech", .pattern = WholeFile, .files = ByWriter, .balance = NotAdded,
     .write = WriteMode::NoLineEnd},
    // A whole-file writer when summarized, else a record loop.
    {.text = "MIP", .pattern = RecordLoop, .ownSteps = true, .input = TextWhenSummarized,
     .ext = ".csv", .hasHeader = true},
    {.text = "MNP", .pattern = RecordLoop, .ownSteps = true, .ext = ".csv"},
    {.text = "NetSuite", .pattern = SumLoop, .ownSteps = true, .ext = ".csv", .hasHeader = true},
    {.text = "NetSuite Release 2", .pattern = Object, .files = ByWriter, .ext = ".csv",
     .hasHeader = true, .balance = ObjectBalance},
    {.text = "Northstar", .pattern = WholeFile, .files = ByWriter, .input = Text, .ext = ".csv"},
    {.text = "NuVision", .pattern = WholeFile, .ownSteps = true, .input = Text,
     .journalStream = false, .workbookPrefix = "NuVision_"},
    {.text = "Oracle", .pattern = WholeFile, .files = ByWriter, .input = Text,
     .name = NameRule::CompanyAndExt},
    {.text = "Oracle Fringe", .pattern = WholeFile, .files = ByWriter, .input = Text},
    {.text = "Orion", .pattern = WholeFile, .input = Text, .name = NameRule::CompanyMMDDYYtxt},
    {.text = "Pathlinks", .pattern = RecordLoop, .ownSteps = true, .write = WriteMode::NoLineEnd},
    {.text = "PeachTree", .pattern = StoreThenWrite, .ownSteps = true, .input = TextWhenCsv,
     .ext = ".csv", .name = NameRule::CompanyAndExt, .balance = BalanceBranch::RaiseRecCountThen},
    {.text = "PEM", .pattern = Object, .files = ByWriter, .input = Text, .ext = ".csv",
     .balance = ObjectBalance},
    {.text = "Platinum", .pattern = SumLoop, .hasHeader = true},
    {.text = "Plumas Bank", .pattern = RecordLoop, .ownSteps = true, .hasHeader = true,
     .hasTrailer = true},
    {.text = "Produce Pro", .pattern = WholeFile, .files = ByWriter, .input = Text, .ext = ".csv",
     .balance = NotAdded},
    {.text = "QuickBooks", .pattern = SumLoop, .ownSteps = true, .ext = ".iif", .hasHeader = true,
     .hasTrailer = true},
    {.text = "QuickBooks (csv)", .pattern = StoreThenWrite, .ownSteps = true, .input = TextWhenCsv,
     .ext = ".iif", .name = NameRule::CompanyAndExt, .hasHeader = true, .hasTrailer = true},
    {.text = "QuickBooks(csv I/O)", .pattern = WholeFile, .ownSteps = true, .files = ByWriter,
     .input = Text, .ext = ".iif", .name = NameRule::CompanyAndExt,
     .report = BalanceReport::RecordCount},
    {.text = "QuickBooks 2004", .pattern = SumLoop, .ownSteps = true, .ext = ".iif",
     .hasHeader = true, .hasTrailer = true},
    {.text = "QuickBooks 2006", .pattern = WholeFile, .input = Text, .ext = ".iif",
     .hasHeader = true, .hasTrailer = true},
    {.text = "QuickBooks PerfPay", .pattern = StoreThenWrite, .ownSteps = true, .input = Text,
     .ext = ".iif", .name = NameRule::CompanyAndExt, .hasHeader = true, .hasTrailer = true},
    // A whole-file writer when summarized, else a record loop.
    {.text = "Real World (Passport)", .pattern = RecordLoop, .ownSteps = true,
     .input = TextWhenSummarized, .name = NameRule::CompanyMMYYexp},
    {.text = "Reynolds & Reynolds", .pattern = WholeFile, .ownSteps = true, .input = Text,
     .name = NameRule::CompanyPRN, .hasTrailer = true},
    {.text = "RMS 6.10.03", .pattern = Object, .files = ByWriter, .input = Text,
     .journalStream = false, .balance = ObjectBalance, .write = WriteMode::NoJournal},
    {.text = "Sage BusinessWorks Gold", .pattern = SumLoop},
    {.text = "SamPro", .pattern = Object, .files = ByWriter, .balance = ObjectBalance,
     .write = WriteMode::LineUncountedPeriod},
    {.text = "SAP", .pattern = RecordLoop, .ownSteps = true, .ext = ".csv"},
    {.text = "SAP v2", .pattern = Object, .files = ByWriter, .input = Text, .hasHeader = true,
     .balance = ObjectBalance},
    {.text = "SAP v7.1", .pattern = Object, .journalStream = false, .balance = ObjectBalance,
     .write = WriteMode::NoJournal},
    {.text = "SAP (Island)", .pattern = Object, .files = ByWriter, .input = Text, .hasHeader = true,
     .balance = ObjectBalance},
    {.text = "SAP Rev. 1.0", .pattern = SumLoop, .ownSteps = true, .name = NameRule::Fixed,
     .fixedName = "lsmw_pyrllexp.txt", .hasHeader = true},
    {.text = "SC", .pattern = RecordLoop, .ownSteps = true, .workbookPrefix = "SC_"},
    {.text = "Seven Hills", .pattern = Object, .input = Text, .ext = ".csv", .hasHeader = true,
     .balance = ObjectBalance},
    {.text = "Shelby Systems", .pattern = SumLoop, .ownSteps = true, .name = NameRule::Fixed,
     .fixedName = "GLTRN2000.txt"},
    {.text = "Shelby Systems 2", .pattern = SumLoop, .ownSteps = true, .name = NameRule::Fixed,
     .fixedName = "GLTRN2000.txt"},
    {.text = "Shelby v5", .pattern = SumLoop, .ownSteps = true, .name = NameRule::Fixed,
     .fixedName = "GLTRN2000.TXT"},
    {.text = "Solomon", .pattern = StoreThenWrite, .ownSteps = true, .input = TextWhenCsv},
    {.text = "Solomon v6", .pattern = StoreThenWrite, .ownSteps = true},
    // Opens its own set of files: the batch file as the journal stream, and
    // the two posting files.
    {.text = "SOS", .pattern = RecordLoop, .ownSteps = true, .postingStreams = true},
    {.text = "Sparak", .pattern = RecordLoop, .ownSteps = true},
    {.text = "Sunderland", .pattern = Object, .input = Text, .balance = ObjectBalance},
    {.text = "SyteLine", .pattern = Object, .input = Text, .journalStream = false,
     .balance = ObjectBalance, .write = WriteMode::NoJournalNoTotals},
    {.text = "Timberline", .pattern = SumLoop},
    {.text = "Trident", .pattern = Object, .files = ByWriter, .input = Text, .balance = ObjectBalance},
    {.text = "Turning Point", .pattern = SumLoop, .ext = ".csv", .hasHeader = true},
    {.text = "VADARR", .pattern = WholeFile, .files = ByWriter, .input = Text},
    {.text = "Veridian", .pattern = RecordLoop, .ownSteps = true, .ext = ".csv"},
    {.text = "WC-GL Generator", .pattern = WholeFile, .ownSteps = true, .files = ByWriter,
     .input = Text, .hasTrailer = true},
    {.text = "Y-Vision", .pattern = Object, .files = ByWriter, .input = Text, .name = NameRule::Fixed,
     .fixedName = "importgl.txt", .balance = ObjectBalance},
    {.text = "Yardi Systems", .pattern = SumLoop, .ownSteps = true, .ext = ".csv"},
    // Whole lines, each handed to the writer as read.
    {.text = "Yardi csv Input", .pattern = CommaLoop, .ownSteps = true, .input = Text, .ext = ".csv",
     .balance = NotAdded},
};

}  // namespace

FinPacCatalog::FinPacCatalog() : entries_(std::begin(kEntries), std::end(kEntries)) {
  for (std::size_t i = 0; i < entries_.size(); ++i) entries_[i].index = static_cast<int>(i);
}

const FinPacEntry* FinPacCatalog::Find(std::string_view text) const {
  for (const FinPacEntry& e : entries_)
    if (e.text == text) return &e;
  return nullptr;
}

const FinPacEntry* FinPacCatalog::At(int index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= entries_.size()) return nullptr;
  return &entries_[static_cast<std::size_t>(index)];
}

FinPacHooks& FinPacCatalog::HooksOf(std::string_view text) {
  for (FinPacEntry& e : entries_)
    if (e.text == text) return e.hooks;
  throw std::out_of_range("no package list entry \"" + std::string(text) + "\"");
}

bool ReadsText(const FinPacEntry& entry, bool summarized, bool csvChecked) {
  switch (entry.input) {
    case InputForm::Records: return false;
    case InputForm::Text: return true;
    case InputForm::TextWhenSummarized: return summarized;
    case InputForm::TextWhenCsv: return csvChecked;
  }
  return false;
}

}  // namespace qvl
