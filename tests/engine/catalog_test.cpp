#include "engine/catalog.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/output_names.h"

namespace qvl {
namespace {

// One row per list entry, in list order, written from the package list, the
// extension and name rules, the open-mode and stream tables and the dispatch
// tables. Names are for company 123, period end 3/5/2026, facility code 7,
// output folder C:\Out.
//   input:   R records, T text, S text when summarized, C text when csv
//   streams: a journal, b audit, 1/2 posting files
//   pattern: L record loop, S summarizing loop, C comma loop, T store then
//            write, W whole-file writer, O writer object (which also takes
//            the offsetting entry), M message only
//   flags:   H header records, T trailer records; F the writer opens the
//            files, 0 nothing is opened; an offsetting entry n does nothing,
//            x is not added, r raises the record count first; journal lines
//            E without line end, J not written, K not written nor counted,
//            P "PERIOD" lines uncounted; the report C counts records, A
//            leaves out the audit trail when in balance
struct Expected {
  const char* text;
  const char* ext;
  const char* name;
  char input;
  const char* streams;
  char pattern;
  const char* flags;
};

const Expected kExpected[] = {
    {"AccPac AdvSeries CE v5.2", ".csv", "123030526.csv", 'R', "ab", 'L', "HA"},
    {"AccPac (new)", ".txt", "123030526.txt", 'R', "ab", 'S', ""},
    {"AccPac (old)", ".txt", "123030526.txt", 'R', "ab", 'S', ""},
    {"AccPac Zelvik", ".csv", "123030526.csv", 'R', "ab", 'O', "HF"},
    {"AccPac Draymor", ".txt", "123030526.txt", 'R', "ab", 'L', ""},
    {"Acknowledge", ".txt", "123030526.txt", 'T', "ab", 'O', "HF"},
    {"ADP", ".txt", "GLTran.txt", 'T', "ab", 'O', "F"},
    {"ADP/GL", ".txt", "123030526.txt", 'R', "ab", 'L', "E"},
    {"ADP/KVS", ".txt", "123030526.txt", 'R', "ab", 'L', "E"},
    {"AI5", ".txt", "123030526.txt", 'R', "ab", 'S', "H"},
    {"AIMsi", ".txt", "123030526.txt", 'T', "b", 'W', ""},
    {"aswa", ".txt", "123030526.txt", 'T', "ab", 'O', "HF"},
    {"Blackbaud", ".csv", "123030526.csv", 'R', "ab", 'L', ""},
    {"Blackbaud v7.60", ".csv", "123030526.csv", 'T', "ab", 'C', "H"},
    {"Blackbaud v7.80", ".csv", "123030526.csv", 'T', "ab", 'O', "F"},
    {"BMSI", ".dat", "123030526.dat", 'T', "ab", 'C', ""},
    {"Corrand", ".csv", "123030526.csv", 'T', "ab", 'O', ""},
    {"CertiPay Advantage", ".txt", "123030526.txt", 'R', "ab", 'L', ""},
    {"ClubSelect", ".MAS", "CCGLTR123.MAS", 'T', "ab", 'W', "F"},
    {"CMS", ".txt", "123030526.txt", 'R', "ab", 'W', "HTFE"},
    {"CSA", ".GLT", "G00123C0.GLT", 'R', "ab", 'S', ""},
    {"Epicor", ".csv", "123030526.csv", 'T', "b", 'W', ""},
    {"Enterprise", ".txt", "123030526.txt", 'T', "b", 'O', "J"},
    {"Falcon", ".txt", "123030526.txt", 'T', "ab", 'C', ""},
    {"Financial Edge", ".txt", "123030526.txt", 'R', "ab", 'L', ""},
    {"Fiserv Freedom FFS", ".txt", "123030526.txt", 'T', "ab", 'W', ""},
    {"Fiserv IF3", ".txt", "123030526.txt", 'R', "ab", 'L', ""},
    {"FTI", ".txt", "123030526.txt", 'T', "ab", 'W', ""},
    {"GreatPlains", ".txt", "123030526.txt", 'R', "ab", 'M', "0n"},
    {"GlobalShop", ".txt", "123030526.txt", 'T', "ab", 'O', "F"},
    {"GP Payroll Connect", ".txt", "123030526.GLI", 'T', "ab", 'W', "C"},
    {"Infinium", ".csv", "123030526.csv", 'T', "ab", 'O', "F"},
    {"Intuit Fundware", ".txt", "123030526.txt", 'R', "ab", 'L', "H"},
    {"IPS", ".txt", "123030526.txt", 'T', "ab", 'O', "F"},
    {"JD Edwards", ".txt", "123030526.txt", 'R', "ab", 'S', "H"},
    {"Jonas", ".txt", "123030526.txt", 'R', "ab", 'S', ""},
    {"JURIS", ".txt", "123030526.txt", 'R', "ab", 'S', ""},
    {"Keane Accounting", ".007", "RA260305.007", 'R', "ab", 'W', "Fx"},
    {"LASR", ".txt", "123030526.txt", 'T', "b", 'W', ""},
    {"MAPICS XA6.0", ".txt", "123030526.txt", 'R', "ab", 'L', ""},
    {"MAS90 v3.2", ".txt", "123030526.txt", 'R', "ab", 'S', ""},
    {"MAS90 v4.3", ".txt", "123030526.txt", 'T', "ab", 'W', "F"},
    {"MAS90 v4.2", ".txt", "123030526.txt", 'T', "ab", 'C', ""},
    {"MAS90 v4.x", ".csv", "123030526.csv", 'R', "ab", 'S', ""},
    {"MAS90 v5.0", ".txt", "123030526.txt", 'R', "ab", 'S', ""},
    {"MAS90 SageBW v8.0", ".csv", "123030526.csv", 'R', "ab", 'L', "H"},
    {"MAS500", ".del", "123030526.del", 'T', "ab", 'O', "HTF"},
    {"Meditech", ".txt", "123030526.txt", 'R', "ab", 'W', "FxE"},
    {"MIP", ".csv", "123030526.csv", 'S', "ab", 'L', "H"},
    {"MNP", ".csv", "123030526.csv", 'R', "ab", 'L', ""},
    {"NetSuite", ".csv", "123030526.csv", 'R', "ab", 'S', "H"},
    {"NetSuite Release 2", ".csv", "123030526.csv", 'R', "ab", 'O', "HF"},
    {"Northstar", ".csv", "123030526.csv", 'T', "ab", 'W', "F"},
    {"NuVision", ".txt", "123030526.txt", 'T', "b", 'W', ""},
    {"Oracle", ".txt", "123.txt", 'T', "ab", 'W', "F"},
    {"Oracle Fringe", ".txt", "123030526.txt", 'T', "ab", 'W', "F"},
    {"Orion", ".txt", "123030526.txt", 'T', "ab", 'W', ""},
    {"Pathlinks", ".txt", "123030526.txt", 'R', "ab", 'L', "E"},
    {"PeachTree", ".csv", "123.csv", 'C', "ab", 'T', "r"},
    {"PEM", ".csv", "123030526.csv", 'T', "ab", 'O', "F"},
    {"Platinum", ".txt", "123030526.txt", 'R', "ab", 'S', "H"},
    {"Plumas Bank", ".txt", "123030526.txt", 'R', "ab", 'L', "HT"},
    {"Produce Pro", ".csv", "123030526.csv", 'T', "ab", 'W', "Fx"},
    {"QuickBooks", ".iif", "123030526.iif", 'R', "ab", 'S', "HT"},
    {"QuickBooks (csv)", ".iif", "123.iif", 'C', "ab", 'T', "HT"},
    {"QuickBooks(csv I/O)", ".iif", "123.iif", 'T', "ab", 'W', "FC"},
    {"QuickBooks 2004", ".iif", "123030526.iif", 'R', "ab", 'S', "HT"},
    {"QuickBooks 2006", ".iif", "123030526.iif", 'T', "ab", 'W', "HT"},
    {"QuickBooks PerfPay", ".iif", "123.iif", 'T', "ab", 'T', "HT"},
    {"Real World (Passport)", ".txt", "1230326.exp", 'S', "ab", 'L', ""},
    {"Reynolds & Reynolds", ".txt", "123.PRN", 'T', "ab", 'W', "T"},
    {"RMS 6.10.03", ".txt", "123030526.txt", 'T', "b", 'O', "FJ"},
    {"Sage BusinessWorks Gold", ".txt", "123030526.txt", 'R', "ab", 'S', ""},
    {"SamPro", ".txt", "123030526.txt", 'R', "ab", 'O', "FP"},
    {"SAP", ".csv", "123030526.csv", 'R', "ab", 'L', ""},
    {"SAP v2", ".txt", "123030526.txt", 'T', "ab", 'O', "HF"},
    {"SAP v7.1", ".txt", "123030526.txt", 'R', "b", 'O', "J"},
    {"SAP (Island)", ".txt", "123030526.txt", 'T', "ab", 'O', "HF"},
    {"SAP Rev. 1.0", ".txt", "lsmw_pyrllexp.txt", 'R', "ab", 'S', "H"},
    {"SC", ".txt", "123030526.txt", 'R', "ab", 'L', ""},
    {"Seven Hills", ".csv", "123030526.csv", 'T', "ab", 'O', "H"},
    {"Shelby Systems", ".txt", "GLTRN2000.txt", 'R', "ab", 'S', ""},
    {"Shelby Systems 2", ".txt", "GLTRN2000.txt", 'R', "ab", 'S', ""},
    {"Shelby v5", ".txt", "GLTRN2000.TXT", 'R', "ab", 'S', ""},
    {"Solomon", ".txt", "123030526.txt", 'C', "ab", 'T', ""},
    {"Solomon v6", ".txt", "123030526.txt", 'R', "ab", 'T', ""},
    {"SOS", ".txt", "123030526.txt", 'R', "ab12", 'L', ""},
    {"Sparak", ".txt", "123030526.txt", 'R', "ab", 'L', ""},
    {"Sunderland", ".txt", "123030526.txt", 'T', "ab", 'O', ""},
    {"SyteLine", ".txt", "123030526.txt", 'T', "b", 'O', "K"},
    {"Timberline", ".txt", "123030526.txt", 'R', "ab", 'S', ""},
    {"Trident", ".txt", "123030526.txt", 'T', "ab", 'O', "F"},
    {"Turning Point", ".csv", "123030526.csv", 'R', "ab", 'S', "H"},
    {"VADARR", ".txt", "123030526.txt", 'T', "ab", 'W', "F"},
    {"Veridian", ".csv", "123030526.csv", 'R', "ab", 'L', ""},
    {"WC-GL Generator", ".txt", "123030526.txt", 'T', "ab", 'W', "TF"},
    {"Y-Vision", ".txt", "importgl.txt", 'T', "ab", 'O', "F"},
    {"Yardi Systems", ".csv", "123030526.csv", 'R', "ab", 'S', ""},
    {"Yardi csv Input", ".csv", "123030526.csv", 'T', "ab", 'C', "x"},
};

char InputCode(const FinPacEntry& e) {
  switch (e.input) {
    case InputForm::Records: return 'R';
    case InputForm::Text: return 'T';
    case InputForm::TextWhenSummarized: return 'S';
    case InputForm::TextWhenCsv: return 'C';
  }
  return '?';
}

std::string StreamCode(const FinPacEntry& e) {
  std::string s;
  if (e.journalStream) s += 'a';
  if (e.auditStream) s += 'b';
  if (e.postingStreams) s += "12";
  return s;
}

char PatternCode(const FinPacEntry& e) {
  switch (e.pattern) {
    case CallPattern::RecordLoop: return 'L';
    case CallPattern::SummarizingRecordLoop: return 'S';
    case CallPattern::CommaRecordLoop: return 'C';
    case CallPattern::StoreThenWrite: return 'T';
    case CallPattern::WholeFileWriter: return 'W';
    case CallPattern::WriterObject: return 'O';
    case CallPattern::MessageOnly: return 'M';
  }
  return '?';
}

std::string FlagCode(const FinPacEntry& e) {
  std::string f;
  if (e.hasHeader) f += 'H';
  if (e.hasTrailer) f += 'T';
  if (e.files == FilesOpenedBy::Writer) f += 'F';
  if (e.files == FilesOpenedBy::None) f += '0';
  if (e.balance == BalanceBranch::Nothing) f += 'n';
  if (e.balance == BalanceBranch::NotAdded) f += 'x';
  if (e.balance == BalanceBranch::RaiseRecCountThen) f += 'r';
  if (e.write == WriteMode::NoLineEnd) f += 'E';
  if (e.write == WriteMode::NoJournal) f += 'J';
  if (e.write == WriteMode::NoJournalNoTotals) f += 'K';
  if (e.write == WriteMode::LineUncountedPeriod) f += 'P';
  if (e.report == BalanceReport::RecordCount) f += 'C';
  if (e.report == BalanceReport::NoAuditWhenInBalance) f += 'A';
  return f;
}

TEST(Catalog, EachEntryInItsFixedPlaceWithWhatItsRunNeeds) {
  const FinPacCatalog catalog;
  ASSERT_EQ(catalog.size(), std::size(kExpected));
  const vb::Date periodEnd = *vb::Date::Make(2026, 3, 5);
  for (std::size_t i = 0; i < catalog.size(); ++i) {
    const Expected& x = kExpected[i];
    SCOPED_TRACE(x.text);
    const FinPacEntry* e = catalog.Find(x.text);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->index, static_cast<int>(i));
    EXPECT_EQ(catalog.At(static_cast<int>(i)), e);
    const std::string ext = OutFileExt(e, "7", ".del");
    EXPECT_EQ(ext, x.ext);
    const NameInputs in{.outputPath = "C:\\Out", .company = "123", .periodEnd = periodEnd, .ext = ext};
    EXPECT_EQ(JournalFileName(e, in), std::string("C:\\Out\\") + x.name);
    EXPECT_EQ(InputCode(*e), x.input);
    EXPECT_EQ(StreamCode(*e), x.streams);
    EXPECT_EQ(PatternCode(*e), x.pattern);
    EXPECT_EQ(e->balance == BalanceBranch::WriterObject, x.pattern == 'O');
    EXPECT_EQ(!e->message.empty(), x.pattern == 'M');
    EXPECT_EQ(FlagCode(*e), x.flags);
  }
}

}  // namespace
}  // namespace qvl
