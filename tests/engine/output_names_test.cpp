#include "engine/output_names.h"

#include <gtest/gtest.h>

#include <string>

namespace qvl {
namespace {

vb::Date D(int y, int m, int d) { return *vb::Date::Make(y, m, d); }

class OutputNames : public ::testing::Test {
 protected:
  const FinPacEntry* Entry(const char* text) const {
    const FinPacEntry* e = catalog.Find(text);
    EXPECT_NE(e, nullptr) << text;
    return e;
  }
  // The journal name for a package, computing its extension first as the run does.
  std::string Name(const char* package, std::string_view company, vb::Date periodEnd,
                   std::string_view facility) const {
    const FinPacEntry* e = catalog.Find(package);
    const std::string ext = OutFileExt(e, facility, ".del");
    const NameInputs in{.outputPath = "C:\\Out", .company = company, .periodEnd = periodEnd, .ext = ext};
    return JournalFileName(e, in);
  }

  FinPacCatalog catalog;
};

TEST_F(OutputNames, NamesByCompanyPeriodEndAndFacilityCode) {
  const struct {
    const char* package;
    const char* company;
    vb::Date periodEnd;
    const char* facility;
    const char* name;
  } rows[] = {
      // A company number longer than four characters names the file by month only.
      {"MNP", "12345", D(2026, 3, 5), "1", "1234503.csv"},
      {"Falcon", "1234", D(2026, 3, 5), "1", "1234030526.txt"},
      // Only the length test trims: blanks typed around the number stay in the name.
      {"Falcon", " 12345 ", D(2026, 3, 5), "1", " 12345 03.txt"},
      {"Falcon", " 123 ", D(2026, 3, 5), "1", " 123 030526.txt"},
      {"Nothing", "123", D(2026, 3, 5), "1", "123030526.txt"},  // no package selected
      // Fixed and replaced names ignore the company's length.
      {"ADP", "12345", D(2026, 3, 5), "1", "GLTran.txt"},
      {"Shelby v5", "12345", D(2026, 3, 5), "1", "GLTRN2000.TXT"},
      {"PeachTree", "12345", D(2026, 3, 5), "1", "12345.csv"},
      {"QuickBooks(csv I/O)", " 7 ", D(2026, 3, 5), "1", " 7 .iif"},
      {"Orion", "12345", D(2026, 3, 5), "1", "12345030526.txt"},
      {"Fiserv IF3", "123456789", D(2026, 3, 31), "1", "123456789033126.txt"},
      {"Reynolds & Reynolds", "12345", D(2026, 3, 5), "1", "12345.PRN"},
      {"Real World (Passport)", "12345", D(2026, 11, 30), "1", "123451126.exp"},
      // "Keane Accounting": the period end and the facility code.
      {"Keane Accounting", "12345", D(2026, 3, 5), "7", "RA260305.007"},
      {"Keane Accounting", "1", D(2026, 11, 30), "12", "RA261130.012"},
      {"Keane Accounting", "1", D(2026, 3, 5), "1234", "RA260305.txt"},
      // "ClubSelect" takes at most two characters of the company.
      {"ClubSelect", "7", D(2026, 3, 5), "1", "CCGLTR7.MAS"},
      {"ClubSelect", " 12 ", D(2026, 3, 5), "1", "CCGLTR12.MAS"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(Name(row.package, row.company, row.periodEnd, row.facility), std::string("C:\\Out\\") + row.name)
        << row.package << " " << row.company;
  }

  EXPECT_TRUE(FacilityCodeValid(Entry("Keane Accounting"), "7"));
  EXPECT_FALSE(FacilityCodeValid(Entry("Keane Accounting"), ""));
  EXPECT_FALSE(FacilityCodeValid(Entry("Keane Accounting"), "A1"));
  EXPECT_TRUE(FacilityCodeValid(Entry("Falcon"), ""));  // other packages do not read it
  EXPECT_TRUE(CompanyFitsPackage(Entry("ClubSelect"), " 12 "));
  EXPECT_FALSE(CompanyFitsPackage(Entry("ClubSelect"), "123"));
  EXPECT_TRUE(CompanyFitsPackage(Entry("Falcon"), "123456"));

  const FinPacEntry* gp = Entry("GP Payroll Connect");
  NameInputs in{.outputPath = "C:\\Out", .company = "123", .periodEnd = D(2026, 3, 31), .ext = ".txt"};
  EXPECT_EQ(JournalFileName(gp, in), "C:\\Out\\123033126.GLI");
  in.namesChecked = true;
  EXPECT_EQ(JournalFileName(gp, in), "C:\\Out\\ADP.csv");
}

TEST_F(OutputNames, CsaNamesTheMonthByLetterAndTheHalfMonthByDigit) {
  const FinPacEntry* csa = Entry("CSA");
  NameInputs in{.outputPath = "C:\\Out", .company = "12", .periodEnd = D(2010, 5, 31), .ext = ".GLT"};
  EXPECT_EQ(JournalFileName(csa, in), "C:\\Out\\G00012E0.GLT");
  in.halfMonthChecked = true;
  EXPECT_EQ(JournalFileName(csa, in), "C:\\Out\\G00012E1.GLT");
  in.periodEnd = D(2010, 5, 15);
  EXPECT_EQ(JournalFileName(csa, in), "C:\\Out\\G00012E0.GLT");
  in.periodEnd = D(2010, 5, 16);
  EXPECT_EQ(JournalFileName(csa, in), "C:\\Out\\G00012E1.GLT");
  in.periodEnd = D(2010, 12, 1);
  EXPECT_EQ(JournalFileName(csa, in), "C:\\Out\\G00012L0.GLT");
  in.periodEnd = D(2010, 1, 31);
  EXPECT_EQ(JournalFileName(csa, in), "C:\\Out\\G00012A1.GLT");
  // A company number that is not a number goes in as typed, blank-filled to 5.
  in.company = "AB";
  EXPECT_EQ(JournalFileName(csa, in), "C:\\Out\\GAB   A1.GLT");
}

TEST_F(OutputNames, WorkbookPackagesNameTheSavedWorkbook) {
  const NameInputs in{.outputPath = "C:\\Out", .company = "123", .periodEnd = D(2026, 3, 5), .ext = ".txt"};
  EXPECT_EQ(WorkbookFileName(*Entry("SC"), in), "C:\\Out\\SC_123_Mar0526.xls");
  EXPECT_EQ(WorkbookFileName(*Entry("AccPac Draymor"), in), "C:\\Out\\AccPac_123_Mar0526.xls");
  EXPECT_EQ(WorkbookFileName(*Entry("Falcon"), in), "");
}

TEST_F(OutputNames, ExtensionsAreAlwaysFourCharacters) {
  EXPECT_EQ(OutFileExt(Entry("MAS500"), "1", ".del"), ".del");
  EXPECT_EQ(OutFileExt(Entry("MAS500"), "1", ".de"), ".de ");
  EXPECT_EQ(OutFileExt(Entry("Keane Accounting"), "7.6"), ".008");
  EXPECT_EQ(OutFileExt(Entry("Keane Accounting"), "1000"), ".txt");
  EXPECT_EQ(OutFileExt(nullptr, "7"), ".txt");
}

TEST(OutputFolder, ATrailingBackslashIsDropped) {
  EXPECT_EQ(OutputPathFromBox("C:\\"), "C:");
  EXPECT_EQ(OutputPathFromBox("C:\\Out\\ "), "C:\\Out");
  EXPECT_EQ(OutputPathFromBox("C:\\Out"), "C:\\Out");
  // Without a trailing backslash the text stays as typed.
  EXPECT_EQ(OutputPathFromBox(" C:\\Out "), " C:\\Out ");
  EXPECT_EQ(AuditFilePath("C:"), "C:\\Audit_trail.txt");
}

TEST(RunChecks, TheTypedTextsThatARunAccepts) {
  EXPECT_TRUE(InputFileNameValid("c:\\gl\\export.txt"));
  for (const char* bad : {"\\\\server\\share\\export.txt", "c:\\gl\\export", "Input file (from Quorvanta)"})
    EXPECT_FALSE(InputFileNameValid(bad)) << bad;
  // A company number must be usable in a file name.
  for (const char* good : {"123", " 12 ", "AB.1"}) EXPECT_TRUE(CompanyNumberValid(good)) << good;
  for (const char* bad : {"", "   ", "1\\2", "1/2", "c:", "1*", "1?", "1\"", "<1", "1>", "1|2", "..", "1..2", "1\t2"})
    EXPECT_FALSE(CompanyNumberValid(bad)) << bad;
  for (const char* good : {"12/06/2026", " 3-5-26 "}) EXPECT_TRUE(PeriodEndValid(good)) << good;
  for (const char* bad : {"13/01/2026", "2/30/2026", "2026-12-06", ""}) EXPECT_FALSE(PeriodEndValid(bad)) << bad;
  EXPECT_TRUE(ProfitSharingRateValid("SyteLine", ".07"));
  EXPECT_FALSE(ProfitSharingRateValid("SyteLine", ""));
  EXPECT_TRUE(ProfitSharingRateValid("Falcon", ""));
  for (const char* good : {"", "   ", "1/5/2026"}) EXPECT_TRUE(SecondDateValid("Falcon", good)) << good;
  EXPECT_FALSE(SecondDateValid("Falcon", "next week"));
  EXPECT_FALSE(SecondDateValid("Nothing", "next week"));
  EXPECT_TRUE(SecondDateValid("JD Edwards", "next week"));
}

TEST(RunChecks, APeriodEndInTheFutureIsRefusedExceptForTwoPackages) {
  const vb::Date today = D(2026, 12, 6);
  EXPECT_TRUE(FutureCheckPasses("Falcon", today, today));
  EXPECT_TRUE(FutureCheckPasses("Falcon", D(2026, 12, 5), today));
  EXPECT_FALSE(FutureCheckPasses("Falcon", D(2026, 12, 7), today));
  EXPECT_FALSE(FutureCheckPasses("Nothing", D(2026, 12, 7), today));
  EXPECT_TRUE(FutureCheckPasses("Yardi Systems", D(2027, 1, 1), today));
  EXPECT_TRUE(FutureCheckPasses("MAS90 v4.x", D(2027, 1, 1), today));
  // The time of day of "now" plays no part.
  const vb::Date afternoon = *vb::Date::Make(2026, 12, 6, 14, 5, 0);
  EXPECT_TRUE(FutureCheckPasses("Falcon", today, afternoon));
  EXPECT_FALSE(FutureCheckPasses("Falcon", D(2026, 12, 7), afternoon));
}

TEST(RunChecks, APeriodEndMoreThanSixtyDaysOldIsQuestioned) {
  EXPECT_FALSE(PeriodEndTooOld(D(2026, 12, 6), D(2026, 12, 6)));
  EXPECT_FALSE(PeriodEndTooOld(D(2026, 10, 7), D(2026, 12, 6)));  // 60 days
  EXPECT_TRUE(PeriodEndTooOld(D(2026, 10, 6), D(2026, 12, 6)));   // 61 days
  // Across a year end and a leap day.
  EXPECT_FALSE(PeriodEndTooOld(D(2025, 11, 16), D(2026, 1, 15)));
  EXPECT_TRUE(PeriodEndTooOld(D(2025, 11, 15), D(2026, 1, 15)));
  EXPECT_FALSE(PeriodEndTooOld(D(2024, 1, 1), D(2024, 3, 1)));
  EXPECT_TRUE(PeriodEndTooOld(D(2023, 12, 31), D(2024, 3, 1)));
  // A future date is not old.
  EXPECT_FALSE(PeriodEndTooOld(D(2027, 1, 1), D(2026, 12, 6)));
  EXPECT_FALSE(PeriodEndTooOld(D(2026, 10, 7), *vb::Date::Make(2026, 12, 6, 23, 59, 59)));
}

}  // namespace
}  // namespace qvl
