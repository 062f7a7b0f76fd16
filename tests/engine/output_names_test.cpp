// Journal names for the companies and dates the catalog table leaves out,
// and the run's checks where a scenario does not reach their edges.
#include "engine/output_names.h"

#include <gtest/gtest.h>

#include <string>

namespace qvl {
namespace {

vb::Date D(int y, int m, int d) { return *vb::Date::Make(y, m, d); }

TEST(OutputNames, NamesByCompanyPeriodEndAndFacilityCode) {
  const FinPacCatalog catalog;
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
      {"PeachTree", "12345", D(2026, 3, 5), "1", "12345.csv"},
      {"QuickBooks(csv I/O)", " 7 ", D(2026, 3, 5), "1", " 7 .iif"},
      {"Orion", "12345", D(2026, 3, 5), "1", "12345030526.txt"},
      {"Fiserv IF3", "123456789", D(2026, 3, 31), "1", "123456789033126.txt"},
      {"Real World (Passport)", "12345", D(2026, 11, 30), "1", "123451126.exp"},
      // "Keane Accounting": the period end, and the facility code as the extension.
      {"Keane Accounting", "1", D(2026, 11, 30), "12", "RA261130.012"},
      {"Keane Accounting", "1", D(2026, 3, 5), "7.6", "RA260305.008"},
      {"Keane Accounting", "1", D(2026, 3, 5), "1234", "RA260305.txt"},
      // "ClubSelect" takes at most two characters of the company.
      {"ClubSelect", " 12 ", D(2026, 3, 5), "1", "CCGLTR12.MAS"},
      // "CSA": the company as five digits, the month by letter, the half month by digit.
      {"CSA", "12", D(2010, 5, 31), "1", "G00012E0.GLT"},
      {"CSA", "12", D(2010, 12, 1), "1", "G00012L0.GLT"},
      {"CSA", "AB", D(2010, 1, 31), "1", "GAB   A0.GLT"},
  };
  for (const auto& row : rows) {
    const FinPacEntry* e = catalog.Find(row.package);
    const std::string ext = OutFileExt(e, row.facility, ".del");
    const NameInputs in{.outputPath = "C:\\Out", .company = row.company, .periodEnd = row.periodEnd, .ext = ext};
    EXPECT_EQ(JournalFileName(e, in), std::string("C:\\Out\\") + row.name) << row.package << " " << row.company;
  }

  NameInputs in{.outputPath = "C:\\Out", .company = "12", .periodEnd = D(2010, 5, 15), .ext = ".GLT"};
  in.halfMonthChecked = true;
  EXPECT_EQ(JournalFileName(catalog.Find("CSA"), in), "C:\\Out\\G00012E0.GLT");
  in.periodEnd = D(2010, 5, 16);
  EXPECT_EQ(JournalFileName(catalog.Find("CSA"), in), "C:\\Out\\G00012E1.GLT");
  in = {.outputPath = "C:\\Out", .company = "123", .periodEnd = D(2026, 3, 31), .ext = ".txt", .namesChecked = true};
  EXPECT_EQ(JournalFileName(catalog.Find("GP Payroll Connect"), in), "C:\\Out\\ADP.csv");

  // A trailing backslash of the output folder is dropped once.
  EXPECT_EQ(OutputPathFromBox("C:\\"), "C:");
  EXPECT_EQ(OutputPathFromBox("C:\\Out\\ "), "C:\\Out");
  EXPECT_EQ(AuditFilePath("C:"), "C:\\Audit_trail.txt");
}

TEST(RunChecks, TypedTextsAndDatesAtTheEdgesOfWhatARunAccepts) {
  EXPECT_FALSE(InputFileNameValid("\\\\server\\share\\export.txt"));
  // A company number must be usable in a file name.
  for (const char* good : {"123", " 12 ", "AB.1"}) EXPECT_TRUE(CompanyNumberValid(good)) << good;
  for (const char* bad : {"", "   ", "1\\2", "1/2", "c:", "1*", "1?", "1\"", "<1", "1>", "1|2", "..", "1..2", "1\t2"})
    EXPECT_FALSE(CompanyNumberValid(bad)) << bad;
  const FinPacCatalog catalog;
  EXPECT_FALSE(FacilityCodeValid(catalog.Find("Keane Accounting"), ""));

  const vb::Date today = D(2026, 12, 6);
  EXPECT_TRUE(FutureCheckPasses("Falcon", today, today));
  EXPECT_FALSE(FutureCheckPasses("Falcon", D(2026, 12, 7), today));
  EXPECT_TRUE(FutureCheckPasses("Yardi Systems", D(2027, 1, 1), today));
  EXPECT_TRUE(FutureCheckPasses("MAS90 v4.x", D(2027, 1, 1), today));
  // Sixty days old is not questioned, sixty-one is, also across a leap day.
  EXPECT_FALSE(PeriodEndTooOld(D(2026, 10, 7), today));
  EXPECT_TRUE(PeriodEndTooOld(D(2026, 10, 6), today));
  EXPECT_FALSE(PeriodEndTooOld(D(2024, 1, 1), D(2024, 3, 1)));
  EXPECT_TRUE(PeriodEndTooOld(D(2023, 12, 31), D(2024, 3, 1)));
  EXPECT_FALSE(PeriodEndTooOld(D(2027, 1, 1), today));
}

}  // namespace
}  // namespace qvl
