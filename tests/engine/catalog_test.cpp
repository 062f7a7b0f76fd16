#include "engine/catalog.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>
#include <vector>

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
//            write, W whole-file writer, O writer object, M message only
struct Expected {
  const char* text;
  const char* ext;
  const char* name;
  char input;
  const char* streams;
  char pattern;
};

const Expected kExpected[] = {
    {"AccPac AdvSeries CE v5.2", ".csv", "123030526.csv", 'R', "ab", 'L'},
    {"AccPac (new)", ".txt", "123030526.txt", 'R', "ab", 'S'},
    {"AccPac (old)", ".txt", "123030526.txt", 'R', "ab", 'S'},
    {"AccPac Zelvik", ".csv", "123030526.csv", 'R', "ab", 'O'},
    {"AccPac Draymor", ".txt", "123030526.txt", 'R', "ab", 'L'},
    {"Acknowledge", ".txt", "123030526.txt", 'T', "ab", 'O'},
    {"ADP", ".txt", "GLTran.txt", 'T', "ab", 'O'},
    {"ADP/GL", ".txt", "123030526.txt", 'R', "ab", 'L'},
    {"ADP/KVS", ".txt", "123030526.txt", 'R', "ab", 'L'},
    {"AI5", ".txt", "123030526.txt", 'R', "ab", 'S'},
    {"AIMsi", ".txt", "123030526.txt", 'T', "b", 'W'},
    {"aswa", ".txt", "123030526.txt", 'T', "ab", 'O'},
    {"Blackbaud", ".csv", "123030526.csv", 'R', "ab", 'L'},
    {"Blackbaud v7.60", ".csv", "123030526.csv", 'T', "ab", 'C'},
    {"Blackbaud v7.80", ".csv", "123030526.csv", 'T', "ab", 'O'},
    {"BMSI", ".dat", "123030526.dat", 'T', "ab", 'C'},
    {"Corrand", ".csv", "123030526.csv", 'T', "ab", 'O'},
    {"CertiPay Advantage", ".txt", "123030526.txt", 'R', "ab", 'L'},
    {"ClubSelect", ".MAS", "CCGLTR123.MAS", 'T', "ab", 'W'},
    {"CMS", ".txt", "123030526.txt", 'R', "ab", 'W'},
    {"CSA", ".GLT", "G00123C0.GLT", 'R', "ab", 'S'},
    {"Epicor", ".csv", "123030526.csv", 'T', "b", 'W'},
    {"Enterprise", ".txt", "123030526.txt", 'T', "b", 'O'},
    {"Falcon", ".txt", "123030526.txt", 'T', "ab", 'C'},
    {"Financial Edge", ".txt", "123030526.txt", 'R', "ab", 'L'},
    {"Fiserv Freedom FFS", ".txt", "123030526.txt", 'T', "ab", 'W'},
    {"Fiserv IF3", ".txt", "123030526.txt", 'R', "ab", 'L'},
    {"FTI", ".txt", "123030526.txt", 'T', "ab", 'W'},
    {"GreatPlains", ".txt", "123030526.txt", 'R', "ab", 'M'},
    {"GlobalShop", ".txt", "123030526.txt", 'T', "ab", 'O'},
    {"GP Payroll Connect", ".txt", "123030526.GLI", 'T', "ab", 'W'},
    {"Infinium", ".csv", "123030526.csv", 'T', "ab", 'O'},
    {"Intuit Fundware", ".txt", "123030526.txt", 'R', "ab", 'L'},
    {"IPS", ".txt", "123030526.txt", 'T', "ab", 'O'},
    {"JD Edwards", ".txt", "123030526.txt", 'R', "ab", 'S'},
    {"Jonas", ".txt", "123030526.txt", 'R', "ab", 'S'},
    {"JURIS", ".txt", "123030526.txt", 'R', "ab", 'S'},
    {"Keane Accounting", ".007", "RA260305.007", 'R', "ab", 'W'},
    {"LASR", ".txt", "123030526.txt", 'T', "b", 'W'},
    {"MAPICS XA6.0", ".txt", "123030526.txt", 'R', "ab", 'L'},
    {"MAS90 v3.2", ".txt", "123030526.txt", 'R', "ab", 'S'},
    {"MAS90 v4.3", ".txt", "123030526.txt", 'T', "ab", 'W'},
    {"MAS90 v4.2", ".txt", "123030526.txt", 'T', "ab", 'C'},
    {"MAS90 v4.x", ".csv", "123030526.csv", 'R', "ab", 'S'},
    {"MAS90 v5.0", ".txt", "123030526.txt", 'R', "ab", 'S'},
    {"MAS90 SageBW v8.0", ".csv", "123030526.csv", 'R', "ab", 'L'},
    {"MAS500", ".del", "123030526.del", 'T', "ab", 'O'},
    {"Meditech", ".txt", "123030526.txt", 'R', "ab", 'W'},
    {"MIP", ".csv", "123030526.csv", 'S', "ab", 'L'},
    {"MNP", ".csv", "123030526.csv", 'R', "ab", 'L'},
    {"NetSuite", ".csv", "123030526.csv", 'R', "ab", 'S'},
    {"NetSuite Release 2", ".csv", "123030526.csv", 'R', "ab", 'O'},
    {"Northstar", ".csv", "123030526.csv", 'T', "ab", 'W'},
    {"NuVision", ".txt", "123030526.txt", 'T', "", 'W'},
    {"Oracle", ".txt", "123.txt", 'T', "ab", 'W'},
    {"Oracle Fringe", ".txt", "123030526.txt", 'T', "ab", 'W'},
    {"Orion", ".txt", "123030526.txt", 'T', "ab", 'W'},
    {"Pathlinks", ".txt", "123030526.txt", 'R', "ab", 'L'},
    {"PeachTree", ".csv", "123.csv", 'C', "ab", 'T'},
    {"PEM", ".csv", "123030526.csv", 'T', "ab", 'O'},
    {"Platinum", ".txt", "123030526.txt", 'R', "ab", 'S'},
    {"Plumas Bank", ".txt", "123030526.txt", 'R', "ab", 'L'},
    {"Produce Pro", ".csv", "123030526.csv", 'T', "ab", 'W'},
    {"QuickBooks", ".iif", "123030526.iif", 'R', "ab", 'S'},
    {"QuickBooks (csv)", ".iif", "123.iif", 'C', "ab", 'T'},
    {"QuickBooks(csv I/O)", ".iif", "123.iif", 'T', "ab", 'W'},
    {"QuickBooks 2004", ".iif", "123030526.iif", 'R', "ab", 'S'},
    {"QuickBooks 2006", ".iif", "123030526.iif", 'T', "ab", 'W'},
    {"QuickBooks PerfPay", ".iif", "123.iif", 'T', "ab", 'T'},
    {"Real World (Passport)", ".txt", "1230326.exp", 'S', "ab", 'L'},
    {"Reynolds & Reynolds", ".txt", "123.PRN", 'T', "ab", 'W'},
    {"RMS 6.10.03", ".txt", "123030526.txt", 'T', "b", 'O'},
    {"Sage BusinessWorks Gold", ".txt", "123030526.txt", 'R', "ab", 'S'},
    {"SamPro", ".txt", "123030526.txt", 'R', "ab", 'O'},
    {"SAP", ".csv", "123030526.csv", 'R', "ab", 'L'},
    {"SAP v2", ".txt", "123030526.txt", 'T', "ab", 'O'},
    {"SAP v7.1", ".txt", "123030526.txt", 'R', "b", 'O'},
    {"SAP (Island)", ".txt", "123030526.txt", 'T', "ab", 'O'},
    {"SAP Rev. 1.0", ".txt", "lsmw_pyrllexp.txt", 'R', "ab", 'S'},
    {"SC", ".txt", "123030526.txt", 'R', "ab", 'L'},
    {"Seven Hills", ".csv", "123030526.csv", 'T', "ab", 'O'},
    {"Shelby Systems", ".txt", "GLTRN2000.txt", 'R', "ab", 'S'},
    {"Shelby Systems 2", ".txt", "GLTRN2000.txt", 'R', "ab", 'S'},
    {"Shelby v5", ".txt", "GLTRN2000.TXT", 'R', "ab", 'S'},
    {"Solomon", ".txt", "123030526.txt", 'C', "ab", 'T'},
    {"Solomon v6", ".txt", "123030526.txt", 'R', "ab", 'T'},
    {"SOS", ".txt", "123030526.txt", 'R', "ab12", 'L'},
    {"Sparak", ".txt", "123030526.txt", 'R', "ab", 'L'},
    {"Sunderland", ".txt", "123030526.txt", 'T', "ab", 'O'},
    {"SyteLine", ".txt", "123030526.txt", 'T', "b", 'O'},
    {"Timberline", ".txt", "123030526.txt", 'R', "ab", 'S'},
    {"Trident", ".txt", "123030526.txt", 'T', "ab", 'O'},
    {"Turning Point", ".csv", "123030526.csv", 'R', "ab", 'S'},
    {"VADARR", ".txt", "123030526.txt", 'T', "ab", 'W'},
    {"Veridian", ".csv", "123030526.csv", 'R', "ab", 'L'},
    {"WC-GL Generator", ".txt", "123030526.txt", 'T', "ab", 'W'},
    {"Y-Vision", ".txt", "importgl.txt", 'T', "ab", 'O'},
    {"Yardi Systems", ".csv", "123030526.csv", 'R', "ab", 'S'},
    {"Yardi csv Input", ".csv", "123030526.csv", 'T', "ab", 'C'},
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

// The texts of the entries that `pred` holds for.
template <class Pred>
std::set<std::string> TextsWhere(Pred pred) {
  const FinPacCatalog catalog;
  std::set<std::string> texts;
  for (const FinPacEntry& e : catalog.entries())
    if (pred(e)) texts.emplace(e.text);
  return texts;
}

TEST(Catalog, EachEntryInItsFixedPlaceWithItsExtensionNameInputStreamsAndPattern) {
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
  }
}

TEST(Catalog, HeaderAndTrailerRecordsBelongToTheirPackages) {
  const std::set<std::string> headers = {
      "AccPac AdvSeries CE v5.2", "AI5", "Blackbaud v7.60", "CMS", "JD Edwards", "MAS90 SageBW v8.0",
      "MIP", "NetSuite", "NetSuite Release 2", "QuickBooks", "QuickBooks 2004", "QuickBooks 2006",
      "QuickBooks (csv)", "QuickBooks PerfPay", "Turning Point", "Acknowledge", "Intuit Fundware",
      "MAS500", "Platinum", "Plumas Bank", "SAP (Island)", "SAP v2", "SAP Rev. 1.0", "Seven Hills",
      "AccPac Zelvik", "aswa"};
  const std::set<std::string> trailers = {"QuickBooks", "QuickBooks (csv)", "QuickBooks 2004",
                                          "QuickBooks 2006", "QuickBooks PerfPay", "Plumas Bank",
                                          "WC-GL Generator", "MAS500"};
  EXPECT_EQ(TextsWhere([](const FinPacEntry& e) { return e.hasHeader; }), headers);
  EXPECT_EQ(TextsWhere([](const FinPacEntry& e) { return e.hasTrailer; }), trailers);
}

TEST(Catalog, OffsettingEntriesTakeTheirBranch) {
  const std::set<std::string> objects = {
      "AccPac Zelvik", "Acknowledge", "ADP", "aswa", "Blackbaud v7.80", "Corrand", "Enterprise",
      "GlobalShop", "Infinium", "IPS", "MAS500", "NetSuite Release 2", "PEM", "RMS 6.10.03",
      "SAP v2", "SAP (Island)", "SAP v7.1", "Seven Hills", "Sunderland", "SyteLine", "Trident",
      "SamPro", "Y-Vision"};
  EXPECT_EQ(TextsWhere([](const FinPacEntry& e) { return e.balance == BalanceBranch::WriterObject; }), objects);
  // The class packages are exactly the packages run as writer objects.
  EXPECT_EQ(TextsWhere([](const FinPacEntry& e) { return e.pattern == CallPattern::WriterObject; }), objects);
  EXPECT_EQ(TextsWhere([](const FinPacEntry& e) { return e.balance == BalanceBranch::Nothing; }),
            (std::set<std::string>{"GreatPlains", "QuickBooks PerfPay"}));
  EXPECT_EQ(TextsWhere([](const FinPacEntry& e) { return e.balance == BalanceBranch::NotAdded; }),
            (std::set<std::string>{"Keane Accounting", "Meditech", "Produce Pro", "Yardi csv Input"}));
  EXPECT_EQ(TextsWhere([](const FinPacEntry& e) { return e.balance == BalanceBranch::RaiseRecCountThen; }),
            (std::set<std::string>{"PeachTree"}));
}

TEST(Catalog, WritersThatOpenTheirOwnFiles) {
  const std::set<std::string> byWriter = {
      "AccPac Zelvik", "Acknowledge", "ADP", "aswa", "Blackbaud v7.80", "ClubSelect", "CMS",
      "GlobalShop", "Infinium", "IPS", "Keane Accounting", "MAS90 v4.3", "MAS500", "Meditech",
      "NetSuite Release 2", "Northstar", "Oracle", "Oracle Fringe", "PEM", "Produce Pro",
      "QuickBooks(csv I/O)", "RMS 6.10.03", "SamPro", "SAP v2", "SAP (Island)", "Trident", "VADARR",
      "WC-GL Generator", "Y-Vision"};
  EXPECT_EQ(TextsWhere([](const FinPacEntry& e) { return e.files == FilesOpenedBy::Writer; }), byWriter);
  EXPECT_EQ(TextsWhere([](const FinPacEntry& e) { return e.files == FilesOpenedBy::None; }),
            (std::set<std::string>{"GreatPlains"}));
}

TEST(Catalog, WriteModesAndBalanceReportsBelongToTheirPackages) {
  const auto writing = [](WriteMode mode) {
    return TextsWhere([=](const FinPacEntry& e) { return e.write == mode; });
  };
  EXPECT_EQ(writing(WriteMode::NoLineEnd), (std::set<std::string>{"Pathlinks", "ADP/GL", "Meditech", "ADP/KVS"}));
  EXPECT_EQ(writing(WriteMode::NoJournal), (std::set<std::string>{"SAP v7.1", "Enterprise", "RMS 6.10.03"}));
  EXPECT_EQ(writing(WriteMode::NoJournalNoTotals), std::set<std::string>{"SyteLine"});
  EXPECT_EQ(writing(WriteMode::LineUncountedPeriod), std::set<std::string>{"SamPro"});
  EXPECT_EQ(writing(WriteMode::Line).size(), 99u - 9u);

  const auto reporting = [](BalanceReport report) {
    return TextsWhere([=](const FinPacEntry& e) { return e.report == report; });
  };
  EXPECT_EQ(reporting(BalanceReport::RecordCount),
            (std::set<std::string>{"QuickBooks(csv I/O)", "GP Payroll Connect"}));
  EXPECT_EQ(reporting(BalanceReport::NoAuditWhenInBalance), std::set<std::string>{"AccPac AdvSeries CE v5.2"});
}

TEST(Catalog, LooksUpByExactTextAndTheMessageOnlyEntrySaysWhereToImport) {
  const FinPacCatalog catalog;
  for (const char* text : {"Nothing", "quickbooks", "QuickBooks ", ""}) EXPECT_EQ(catalog.Find(text), nullptr) << text;
  EXPECT_EQ(catalog.At(-1), nullptr);
  EXPECT_EQ(catalog.At(99), nullptr);
  EXPECT_EQ(catalog.Find("GreatPlains")->message,
            "Use GreatPlain's Integration Manager or Integration Assistant to import your Quorvanta "
            "Journal Entry.");
  EXPECT_EQ(TextsWhere([](const FinPacEntry& x) { return !x.message.empty(); }),
            (std::set<std::string>{"GreatPlains"}));
}

void FakeWriter(QvLedgerloom&) {}

TEST(Catalog, WriterFamiliesAttachTheirHooksByText) {
  FinPacCatalog catalog;
  for (const FinPacEntry& e : catalog.entries()) {
    EXPECT_EQ(e.hooks.writer, nullptr) << e.text;
    EXPECT_EQ(e.hooks.header, nullptr) << e.text;
  }
  catalog.HooksOf("Jonas").writer = &FakeWriter;
  EXPECT_EQ(catalog.Find("Jonas")->hooks.writer, &FakeWriter);
  EXPECT_EQ(catalog.Find("JURIS")->hooks.writer, nullptr);
  EXPECT_THROW(catalog.HooksOf("jonas"), std::out_of_range);

  // Each catalog has hooks of its own.
  EXPECT_EQ(FinPacCatalog().Find("Jonas")->hooks.writer, nullptr);
}

}  // namespace
}  // namespace qvl
