// The writer classes whose journal is a workbook: every cell of the saved
// workbooks, read back through our reader and through xlrd, against tables
// written from the layouts; offsetting rows appended to the saved workbook;
// later runs in one session; and the failures that must reach the operator.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "engine/catalog.h"
#include "engine/run_fixture.h"
#include "engine/run_writer.h"
#include "platform/vb/error.h"
#include "platform/workbook/workbook.h"
#include "writers/workbook_cells.h"

namespace qvl::test {
namespace {

// Serials of the workbook's date system.
constexpr const char* kToday = "D:46362";  // 12/6/2026, the test clock's day
constexpr const char* kNov30 = "D:46356";

class WorkbookClassTest : public WritersRunTest {
 protected:
  void PrepareLines(const std::string& package, const std::vector<std::string>& lines) {
    Prepare(package, {Lines(lines)});
    window->txtJourRef.SetText(".07");
  }
  std::filesystem::path Host(const std::string& name) const { return c / "gl" / name; }
  workbook::Worksheet Sheet(const std::string& name) const {
    return workbook::GetObject("c:\\gl\\" + name).Worksheets(1);
  }
  // The cells of the saved workbook's first sheet; xlrd must read the same.
  Table Cells(const std::string& name) const {
    Table ours = Trimmed(SheetCells(Sheet(name)));
    if (std::optional<Table> theirs = XlrdCells(Host(name))) {
      EXPECT_EQ(*theirs, ours) << "xlrd reads " << name;
    }
    return ours;
  }
  FinPacWriter& Object(const std::string& package) { return *RunWriterOf(*window, *catalog.Find(package)); }
};

// ---- RMS 6.10.03 ----

constexpr const char* kRms = "RMS 6.10.03";
constexpr const char* kRmsBook = "123_Nov3026.xls";

TEST_F(WorkbookClassTest, RmsWritesOneRowPerLineWithTheWeekEndingSaturdayAndTheNet) {
  PrepareLines(kRms, {"MNL1,20261126,01,02,03,1006,0,90,1.00,25.00,388.86",  // a Thursday
                      "MNL1,20261128,01,02,03,2110,013,90,1.00,300.00,.00",  // a Saturday
                      "MNL1,20261129,01,02,03,0900,00,90,1.00,abc,10.00"});  // a Sunday; no number is 0
  // The offsetting row is dated today, a Sunday.
  QueueOffset("2110,13,90", "-12.50");
  boxes.QueueAnswer(dialogs::kNo);
  Run();

  // Segments are typed: plain numbers are numbers, leading zeros keep text.
  EXPECT_EQ(Cells(kRmsBook), (Table{{"T:GL1", "N:2026", "N:11", "N:1006", "N:0", "N:90", "T:pr we 112126", kToday,
                                     "D:46352", "T:Payco 11/26/26", "N:-363.86"},
                                    {"T:GL1", "N:2026", "N:11", "N:2110", "T:013", "N:90", "T:pr we 112826", kToday,
                                     "D:46354", "T:Payco 11/28/26", "N:300"},
                                    {"T:GL1", "N:2026", "N:11", "T:0900", "T:00", "N:90", "T:pr we 112826", kToday,
                                     "D:46355", "T:Payco 11/29/26", "N:-10"},
                                    {"T:GL1", "N:2026", "N:12", "N:2110", "N:13", "N:90", "T:pr we 120526", kToday,
                                     kToday, "T:Payco 12/06/26", "N:-12.5"}}));
  EXPECT_EQ(Sheet(kRmsBook).Cells(1, 9).Text(), "11/26/2026");
  EXPECT_EQ(window->lblMSG.Caption(), "Expecting comma delimited input file");
  // Each line names its account in the form an offset account is typed,
  // which the offset prompt then offers.
  EXPECT_EQ(SplitLines(Audit()), (std::vector<std::string>{
                                     std::string(18, ' ') + "1006,0,90         25.00         388.86        ",
                                     std::string(18, ' ') + "2110,013,90       300.00        .00           ",
                                     std::string(18, ' ') + "0900,00,90        abc           10.00         ",
                                     "0     0     0     2110,13,90        .00                     12.5"}));
  ASSERT_GE(boxes.Shown().size(), 2u);
  EXPECT_EQ(boxes.Shown()[1].title, "Offset Account Number");
  EXPECT_EQ(boxes.Shown()[1].defaultText, "0900,00,90        ");
  // No text journal: the result names the workbook.
  EXPECT_FALSE(std::filesystem::exists(Host("123113026.txt")));
  EXPECT_EQ(Shown().back(),
            "Journal Entry remains OUT of Balance. | Out of Balance Journal Entry:  c:\\gl\\123_Nov3026.xls\rhas been "
            "prepared for posting to your RMS 6.10.03 General Ledger.\r\ran Audit Trail of the prepared "
            "transactions can be found in:\r        c:\\gl\\Audit_trail.txt");
}

TEST_F(WorkbookClassTest, RmsSecondRunStartsAtRowOneAndAnEmptyInputLeavesTheCaption) {
  PrepareLines(kRms,
               {"MNL1,20261126,01,02,03,1006,0,90,1.00,25.00,.00", "MNL1,20261126,01,02,03,1010,0,90,1.00,.00,25.00"});
  Run();
  PrepareLines(kRms, {"MNL1,20261127,01,02,03,2000,1,2,1.00,5.00,5.00"});
  Run();
  EXPECT_EQ(Cells(kRmsBook), (Table{{"T:GL1", "N:2026", "N:11", "N:2000", "N:1", "N:2", "T:pr we 112126", kToday,
                                     "D:46353", "T:Payco 11/27/26", "N:0"}}));
  EXPECT_EQ(window->lblMSG.Caption(), "Running Balance: 0");

  window->lblMSG.SetCaption("as it was");
  PrepareLines(kRms, {});
  Run();
  EXPECT_EQ(Cells(kRmsBook), Table{});
  EXPECT_EQ(window->lblMSG.Caption(), "as it was");
  EXPECT_EQ(LastTitle(), kInBalance);
}

TEST_F(WorkbookClassTest, RmsLineWithoutADateStopsTheRunKeepingTheRowsBeforeIt) {
  PrepareLines(kRms,
               {"MNL1,20261126,01,02,03,1006,0,90,1.00,25.00,.00", "MNL1,2026113,01,02,03,1010,0,90,1.00,.00,25.00"});
  Run();
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown()[0].prompt,
            "The RMS 6.10.03 Journal Entry was stopped by an error:\r\rc:\\gl\\gl.txt, line 2\rType mismatch");
  EXPECT_FALSE(window->run.Ready);
  EXPECT_EQ(Cells(kRmsBook).size(), 1u);
}

// ---- Enterprise ----

constexpr const char* kEnterprise = "Enterprise";
constexpr const char* kEnterpriseBook = "Enterprise_GL_123_Nov3026.xls";
const std::vector<std::string> kEnterpriseNames = {
    "T:Reference Number", "T:Reference Date", "T:Description", "T:Period",           "T:Year",  "T:Journal ID",
    "T:Reverse Entry",    "T:Account",        "T:Activity ID", "T:Line Description", "T:Debit", "T:Credit"};

std::vector<std::string> EnterpriseRow(const char* date, const char* account, const char* debit, const char* credit) {
  return {"T:1126Nimbrel", date,    "T:NovPR", "N:11",        "N:2026", "T:GL",
          "T:NO",          account, "",        "T:PR Import", debit,    credit};
}

TEST_F(WorkbookClassTest, EnterpriseSplitsTwoSidedLinesAndAppendsTwoOffsetsDatedLikeTheLastLine) {
  PrepareLines(kEnterprise,
               {"123,20261130,01,02,03,0900-6690-00,1,125.00,25.00", "123,20261130,01,02,03,  0040-6000-02  ,1,.00,0",
                "123,20261115,01,02,03,2120,1,10.50,.00"});
  QueueOffset("4000", "-84.16");
  QueueOffset("4001", "-26.34");
  Run();

  // Two-sided: the credit row first. ".00" is an empty cell; "0" is zero.
  Table expected = {kEnterpriseNames,
                    EnterpriseRow(kNov30, "T:0900-6690-00", "", "N:25"),
                    EnterpriseRow(kNov30, "T:0900-6690-00", "N:125", ""),
                    EnterpriseRow(kNov30, "T:0040-6000-02", "", "N:0"),
                    EnterpriseRow("D:46341", "N:2120", "N:10.5", ""),
                    EnterpriseRow("D:46341", "N:4000", "N:0", "N:84.16"),
                    EnterpriseRow("D:46341", "N:4001", "N:0", "N:26.34")};
  EXPECT_EQ(Cells(kEnterpriseBook), Trimmed(expected));
  // One audit line a line; the ".00" debit handed over empty.
  EXPECT_EQ(SplitLines(Audit()),
            (std::vector<std::string>{std::string(18, ' ') + "0900-6690-00      125.00        25.00         ",
                                      std::string(18, ' ') + "0040-6000-02                    0             ",
                                      std::string(18, ' ') + "2120              10.50                       ",
                                      "0     0     0     4000              0             84.16         ",
                                      "0     0     0     4001              0             26.34         "}));
  EXPECT_EQ(LastTitle(), kInBalance);
}

// ---- SAP v7.1 ----

constexpr const char* kSap = "SAP v7.1";
constexpr const char* kSapBook = "SAP_GL_123_Nov302026.xls";

TEST_F(WorkbookClassTest, SapSkipsZeroNetsAndItsOffsetCarriesTheTypedAmountEitherWay) {
  Prepare(kSap, {Record("0900-6690-00", "100.00", "40.00"), Record("4200-0020-5110", "100.00", "100.00"),
                 Record("0115-1010", "", "")});
  QueueOffset("  2000-00 ", "-50");
  QueueOffset("2001", "-10");
  Run();
  // Company, account and period are typed: numbers, but for an account
  // whose leading zero belongs to it.
  EXPECT_EQ(Cells(kSapBook), (Table{{"N:123", "T:0900669000", "T:PR", "N:2611", "N:60"},
                                    {"N:123", "N:200000", "T:PR", "N:2611", "N:-50"},
                                    {"N:123", "N:2001", "T:PR", "N:2611", "N:-10"}}));
  EXPECT_EQ(SplitLines(Audit()).size(), 3u);
  EXPECT_EQ(SplitLines(Audit())[1], "0     0     0     2000-00           0             50            ");

  // A later run counts its rows afresh; a positive offset is a negative
  // credit in the audit trail and a positive row, dated like the last
  // record (a period with a leading zero is still a number).
  Prepare(kSap, {Record("0900", ".00", "12.25"), Dated(Record("1001", "5.00", ".00"), "20090930")});
  QueueOffset("2002", "7.25");
  Run();
  EXPECT_EQ(Cells(kSapBook), (Table{{"N:123", "T:0900", "T:PR", "N:2611", "N:-12.25"},
                                    {"N:123", "N:1001", "T:PR", "N:909", "N:5"},
                                    {"N:123", "N:2002", "T:PR", "N:909", "N:7.25"}}));
  EXPECT_EQ(SplitLines(Audit())[2], "0     0     0     2002              0             -7.25         ");
  EXPECT_EQ(window->lblMSG.Caption(), "Processing Complete!");
}

// The record with another company in its four characters.
std::string OfCompany(const std::string& record, const std::string& company) {
  std::string field = company;
  field.resize(4, ' ');
  return field + record.substr(4);
}

TEST_F(WorkbookClassTest, SapTypesTheCompanyButACompanyWithALeadingZeroStaysText) {
  Prepare(kSap, {OfCompany(Record("1000", "5.00", ".00"), "0012"), OfCompany(Record("1001", "6.00", ".00"), "12"),
                 OfCompany(Record("1002", "7.00", ".00"), " 7"), OfCompany(Record("1003", "8.00", ".00"), "0"),
                 OfCompany(Record("1004", "9.00", ".00"), "AB1"), OfCompany(Record("1005", "1.00", ".00"), "'012")});
  boxes.QueueAnswer(dialogs::kNo);
  Run();
  std::vector<std::string> companies;
  for (const auto& row : Cells(kSapBook)) companies.push_back(row.at(0));
  EXPECT_EQ(companies, (std::vector<std::string>{"T:0012", "N:12", "N:7", "N:0", "T:AB1", "T:'012"}));
}

TEST_F(WorkbookClassTest, SapCutsTheTypedOffsetAccountToTheRecordsEighteenCharacters) {
  struct Case {
    std::string typed;
    std::string cell;   // column B of the offsetting row
    std::string audit;  // the account in its audit line
  };
  const std::vector<Case> cases = {
      // 18 digits: more than a number cell keeps, so the cell is text.
      {"123456789012345678901234", "T:123456789012345678", "123456789012345678"},
      // Cut first, the dashes dropped after: 15 digits make a number.
      {"  1234-5678-9012-3456-7890 ", "N:123456789012345", "1234-5678-9012-345"},
      {"2000-00", "N:200000", "2000-00           "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    Prepare(kSap, {Record("123456789012345678", "10.00", ".00")});
    QueueOffset(c.typed, "-10");
    Run();
    const Table cells = Cells(kSapBook);
    ASSERT_EQ(cells.size(), 2u);
    EXPECT_EQ(cells[0][1], "T:123456789012345678");
    EXPECT_EQ(cells[1], (std::vector<std::string>{"N:123", c.cell, "T:PR", "N:2611", "N:-10"}));
    const std::vector<std::string> audit = SplitLines(Audit());
    ASSERT_EQ(audit.size(), 2u);
    EXPECT_EQ(audit[1], "0     0     0     " + c.audit + "0             10            ");
    EXPECT_EQ(LastTitle(), kInBalance);
  }
}

TEST_F(WorkbookClassTest, SapInputOfZeroNetsGivesAnEmptyWorkbookInBalance) {
  Prepare(kSap, {Record("1000", "5.00", "5.00")});
  Run();
  EXPECT_EQ(Cells(kSapBook), Table{});
  EXPECT_EQ(Audit(), "");
  EXPECT_EQ(LastTitle(), kInBalance);
}

// ---- SyteLine ----

constexpr const char* kSyteLine = "SyteLine";
constexpr const char* kSyteLineBook = "SyteLine_Nov3026.xls";

std::string Ten(const std::string& account, const std::string& description, const std::string& debit,
                const std::string& credit) {
  return "123,20261130,01,02,03," + account + "," + description + ",8," + debit + "," + credit;
}

// Rows of the fixed journal, written from its layout: row number, then
// columns A to D as far as they hold anything.
using FrameRows = std::vector<std::pair<int, std::vector<std::string>>>;

void ExpectRows(const Table& cells, const FrameRows& rows) {
  for (const auto& [row, expected] : rows) {
    ASSERT_LE(static_cast<std::size_t>(row), cells.size());
    EXPECT_EQ(cells[static_cast<std::size_t>(row) - 1], expected) << "row " << row;
  }
}

TEST_F(WorkbookClassTest, SyteLineFillsItsFixedFrameFromTheLinesWhoseAccountAndDescriptionMatch) {
  PrepareLines(kSyteLine,
               {Ten("6050-10", "Salary", "1000.00", ".00"), Ten("6051-10", "Vacation", "200.00", ""),
                Ten("6050-10", "salary", "999.00", ".00"),         // letter case counts
                Ten("6050-20", "\"  Vacation \"", "5.00", ".00"),  // blanks around do not
                Ten("2215", "TFB/DB (14)", "50.00", ".00"),        // shown against 2245
                Ten("2245", "TFB/DB (14)", "7.00", ".00"),         // in no row
                Ten("6103-11", "Pretax Dental", "30.00", ".00"), Ten("6103-11", "ER Med Flex", "20.00", ".00"),
                Ten("\" 1128\"", "Net Payroll", ".00", "1200.00"), Ten("9999", "Salary", "1.00", ".00"),  // in no row
                Ten("2250", "\"401K - FC1, FC3, FC5, FC8\"", ".00", "100.00"),
                Ten("6107-65", "\"Pension Match - FC1, FC3, FC5, FC8\"", "12.34", ".00"),
                Ten("1035", "ER Medicare", "15.00", "")});
  Run();

  const Table cells = Cells(kSyteLineBook);
  EXPECT_EQ(cells.size(), 206u);
  ExpectRows(cells, {
                        {1, {"T:GENERAL"}},
                        {2, {"T:ENTRY", "", "T:ACCOUNT"}},
                        {3, {"T:NUMBER", "T:DESCRIPTION", "T:NUMBER", "T:DECEMBER"}},
                        {4, {}},
                        {5, {"T:AJ12", "T:Salary Payroll"}},
                        {6, {"", "T:Salary Payroll", "T:6050-10", "N:1000"}},
                        {7, {"", "T:Salary Payroll - OT", "T:6051-10", "N:200"}},
                        {8, {"", "T:Salary Payroll", "T:6050-20", "N:5"}},
                        {37, {"", "T:Salary Payroll - OT", "T:6051-110", "N:0"}},
                        {38, {"", "T:Medical", "T:6103-10", "N:0"}},
                        {39, {"", "T:Medical", "T:6103-11", "N:30"}},
                        {60, {"", "T:Medical", "T:6103-110", "N:0"}},
                        {61, {"", "T:Salary Payroll", "N:1128", "N:-1200"}},
                        {62, {"", "T:Salary Payroll", "N:1035", "N:0"}},
                        {63, {"", "T:Salary Payroll", "N:1125", "N:0"}},
                        {64, {"", "T:Misc Deduction", "T:6101-10", "N:0"}},
                        {65, {"", "T:United Way", "N:2180", "N:0"}},
                        {66, {"", "T:Employee Purchase", "T:6101-10", "N:0"}},
                        {71, {"", "T:Employee Purchase", "T:6101-95", "N:0"}},
                        {72, {"", "T:EE Life", "N:2215", "N:0"}},
                        {74, {"", "T:401(k)", "N:2250", "N:-100"}},
                        {80, {"", "T:ER TFB (31)", "N:2245", "N:50"}},
                        {81, {}},
                        {82, {"T:AJ13", "T:Employer Taxes"}},
                        {83, {"", "T:FICA Tax - Salary", "T:6113-10", "N:0"}},
                        {105, {"", "T:FICA Tax - Salary", "T:6113-110", "N:0"}},
                        {106, {"", "T:FICA Tax - Salary", "N:1035", "N:15"}},
                        {108, {"", "T:Unemployment Tax - Salary", "T:6111-10", "N:0"}},
                        {132, {"", "T:Unemployment Tax - Salary", "N:1128", "N:0"}},
                        {133, {}},
                        {134, {"T:AJ14", "T:Profit Sharing"}},
                        {135, {"", "T:Profit Sharing", "N:2450", "N:84.35"}},
                        {136, {"", "T:Profit Sharing", "T:6100-10", "N:84"}},
                        {137, {"", "T:Profit Sharing", "T:6100-20", "N:0.35"}},
                        {151, {"", "T:Profit Sharing", "T:6100-110", "N:0"}},
                        {153, {"T:AJ15", "T:Employer 401(k) Match"}},
                        {162, {"", "T:Employer 401(k) Match", "T:6107-65", "N:12.34"}},
                        {178, {"", "T:Employer 401(k) Match", "T:6107-110", "N:0"}},
                        {179, {"", "T:Employer 401(k) Match", "N:2250", "N:0"}},
                        {181, {"T:AJ16", "T:Employer Share Flex Plan"}},
                        {183, {"", "T:Employer Share Flex Plan", "T:6103-11", "N:20"}},
                        {202, {"", "T:Employer Share Flex Plan", "T:6103-105", "N:0"}},
                        {203, {"", "T:Employer Share Flex Plan", "T:6103-100", "N:0"}},
                        {205, {"", "T:Employer Share Flex Plan", "N:2218", "N:0"}},
                        {206, {"T:EOF"}},
                    });
  // 192 journal rows, each with its account and amount.
  int journalRows = 0;
  for (const auto& row : cells) journalRows += row.size() == 4 && row[0].empty() ? 1 : 0;
  EXPECT_EQ(journalRows, 192);

  const workbook::Worksheet sheet = Sheet(kSyteLineBook);
  EXPECT_EQ(sheet.Cells(135, 4).Formula(), "=SUM(D136:D151)");
  EXPECT_EQ(sheet.Cells(61, 4).Text(), "(1,200.00)");
  EXPECT_EQ(sheet.Cells(6, 4).Text(), "1,000.00");
  EXPECT_EQ(sheet.Cells(62, 4).Text(), "0.00");
  for (int row = 1; row <= 206; ++row) {
    const bool head = row == 5 || row == 82 || row == 134 || row == 153 || row == 181;
    EXPECT_EQ(sheet.Cells(row, 2).Font().Bold(), head) << "row " << row;
    EXPECT_EQ(sheet.Range("A" + std::to_string(row) + ":D" + std::to_string(row))
                      .Borders(workbook::xlEdgeBottom)
                      .LineStyle() == workbook::xlContinuous,
              head)
        << "row " << row;
  }
  EXPECT_EQ(sheet.Range("D5").Borders(workbook::xlEdgeBottom).Weight(), workbook::xlThick);
  EXPECT_EQ(sheet.Cells(1000, 4).NumberFormat(), "#,##0.00;(#,##0.00);0.00");

  // Every line has its audit line, naming the account as read.
  const std::vector<std::string> audit = SplitLines(Audit());
  ASSERT_EQ(audit.size(), 13u);
  EXPECT_EQ(audit[0], std::string(18, ' ') + "6050-10           1000.00       .00           ");
  EXPECT_EQ(audit[8], std::string(18, ' ') + " 1128             .00           1200.00       ");
}

TEST_F(WorkbookClassTest, SyteLineTakesEveryLineOfARunAndNothingOfAnEarlierRun) {
  // Far more lines than the sheet has rows: every one counts.
  PrepareLines(kSyteLine, std::vector<std::string>(2500, Ten("6050-20", "Salary", "1.00", ".00")));
  Run();
  Table cells = Cells(kSyteLineBook);
  EXPECT_EQ(cells[7][3], "N:2500");
  EXPECT_EQ(cells[136][3], "N:175");

  PrepareLines(kSyteLine, {Ten("6050-10", "Adjustment", "10.00", ".00")});
  window->txtJourRef.SetText("0");
  Run();
  cells = Cells(kSyteLineBook);
  EXPECT_EQ(cells[5][3], "N:10");
  EXPECT_EQ(cells[7][3], "N:0");
  EXPECT_EQ(cells[135][3], "N:0");
  EXPECT_EQ(cells[134][3], "N:0");
  EXPECT_EQ(SplitLines(Audit()).size(), 1u);

  // The rate counts with every decimal typed; only its amount is rounded
  // to cents: 1,200.00 at .06125 is 73.50.
  PrepareLines(kSyteLine, {Ten("6050-10", "Salary", "1000.00", ".00"), Ten("6051-10", "Salary", "200.00", ".00"),
                           Ten("6050-20", "Salary", "0.10", ".00")});
  window->txtJourRef.SetText(".06125");
  Run();
  cells = Cells(kSyteLineBook);
  EXPECT_EQ(cells[135][3], "N:73.5");
  EXPECT_EQ(cells[136][3], "N:0.01");
  EXPECT_EQ(cells[134][3], "N:73.51");
  EXPECT_EQ(Sheet(kSyteLineBook).Cells(136, 4).Text(), "73.50");
}

TEST_F(WorkbookClassTest, SyteLineLayoutOffersTheRateAndItsOffsetWritesNothing) {
  PrepareLines(kSyteLine, {Ten("6050-10", "Salary", "10.00", ".00")});
  Run();
  window->txtJourRef.SetText("abc");
  Object(kSyteLine).FormatUI();
  EXPECT_EQ(window->txtJourRef.Text(), ".07");
  EXPECT_TRUE(window->txtJourRef.Visible());
  EXPECT_EQ(window->lblJourRef.Caption(), "Profit Share Rate");
  EXPECT_TRUE(window->lblJourRef.Visible());

  const std::string audit = Audit();
  Object(kSyteLine).Balance("1000", "5");
  EXPECT_EQ(Shown().back(), "QvLedgerloom | Not balanced");
  EXPECT_EQ(Audit(), audit);
}

// ---- Every package: failures ----

TEST_F(WorkbookClassTest, AWorkbookThatCannotBeSavedIsReportedAndNeverReadyForPosting) {
  const std::tuple<const char*, const char*, std::string> rows[] = {
      {kRms, kRmsBook, "MNL1,20261126,01,02,03,1006,0,90,1.00,25.00,.00"},
      {kEnterprise, kEnterpriseBook, "123,20261130,01,02,03,1000,1,10.00,.00"},
      {kSap, kSapBook, Record("1000", "10.00", ".00").substr(0, 87)},
      {"SyteLine", "SyteLine_Nov3026.xls", "123,20261130,01,02,03,6050-10,Salary,8,10.00,.00"},
  };
  for (const auto& [package, book, line] : rows) {
    SCOPED_TRACE(package);
    const std::size_t before = boxes.Shown().size();
    PrepareLines(package, {line});
    // Something that is no file stands where the workbook goes: no user,
    // root included, can replace it.
    std::filesystem::create_directory(Host(book));
    Run();
    ASSERT_EQ(boxes.Shown().size(), before + 1);
    const auto& shown = boxes.Shown().back();
    EXPECT_EQ(shown.title, std::string("QvLedgerloom - ") + package);
    EXPECT_EQ(
        shown.prompt.rfind(
            std::string("The ") + package + " Journal Entry was stopped by an error:\r\rc:\\gl\\" + book + "\r", 0),
        0u)
        << shown.prompt;
    EXPECT_FALSE(window->run.Ready);
    std::filesystem::remove(Host(book));
  }
}

TEST_F(WorkbookClassTest, AnOffsetWhoseWorkbookIsGoneFailsRatherThanBeingLost) {
  for (const char* package : {kRms, kEnterprise}) {
    SCOPED_TRACE(package);
    PrepareLines(package, {package == std::string(kRms) ? "MNL1,20261126,01,02,03,1006,0,90,1.00,25.00,.00"
                                                        : "123,20261130,01,02,03,1000,1,10.00,.00"});
    boxes.QueueAnswer(dialogs::kNo);
    Run();
    const std::string book = package == std::string(kRms) ? kRmsBook : kEnterpriseBook;
    std::filesystem::remove(Host(book));
    try {
      Object(package).Balance("1,2,3", "-10");
      ADD_FAILURE() << "the offset went nowhere";
    } catch (const vb::Error& e) {
      EXPECT_EQ(e.number(), 53);
    }
    EXPECT_FALSE(std::filesystem::exists(Host(book)));
  }
}

}  // namespace
}  // namespace qvl::test
