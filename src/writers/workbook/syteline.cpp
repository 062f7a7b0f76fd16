#include "writers/workbook/syteline.h"

#include <initializer_list>

#include "engine/catalog.h"
#include "engine/run_messages.h"
#include "engine/write_output.h"
#include "platform/vb/clock.h"
#include "platform/vb/decimal.h"
#include "platform/vb/error.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"
#include "window/qvledgerloom.h"

namespace qvl {

namespace {

// Where the line's values stand.
constexpr std::size_t kAccount = 5;
constexpr std::size_t kDescription = 6;
constexpr std::size_t kDebits = 8;
constexpr std::size_t kCredits = 9;

constexpr std::string_view kAmountMask = "0.00";

using Divisions = std::initializer_list<int>;
using Names = std::vector<std::string_view>;

constexpr Divisions kSalaryDivisions = {10, 20, 40, 45, 50, 60, 70, 74, 80, 82, 83, 84, 95, 100, 105, 110};
constexpr Divisions kCostDivisions = {10, 11, 20, 30, 40, 45, 50, 60, 70,  74,  75, 76,
                                      79, 80, 81, 82, 83, 84, 90, 95, 100, 105, 110};
constexpr Divisions kMatchDivisions = {10, 11, 20, 30, 40, 45, 50, 60, 65, 70,  73,  74, 75,
                                       76, 79, 80, 81, 82, 83, 84, 90, 95, 100, 105, 110};
constexpr Divisions kFlexDivisions = {10, 11, 20, 30, 40, 45, 50, 60, 70,  74,  75, 76,
                                      79, 80, 81, 82, 83, 84, 90, 95, 105, 100, 110};
constexpr Divisions kPurchaseDivisions = {10, 45, 83, 84, 90, 95};

const Names kSalaryNames = {"Salary", "Med Opt Out", "Severance Pay", "TFB/DB (14)", "Adjustment", "Vacation"};
const Names kCashNames = {"Checking 1", "Checking 2", "Savings 1", "Savings 2", "Net Payroll",
                          "Federal",    "OASDI",      "Medicare",  "State NY"};
const Names kMedicalNames = {"HLTH BLUE 25-500", "Pretax Dental"};
const Names kFicaNames = {"ER OASDI", "ER Medicare"};
const Names kUnemploymentNames = {"ER FUI", "NY-SUI", "NY-Re-employment"};
const Names kMatchNames = {"Pension Match - FC1, FC3, FC5, FC8"};
const Names kFlexNames = {"ER Med Flex"};

// One journal row: its description, the account it shows, the account its
// amount sums (the same but in one row) and the descriptions that count.
struct AccountRow {
  std::string description;
  std::string account;
  std::string summed;
  Names names;
};
using Rows = std::vector<AccountRow>;

std::string Divisional(std::string_view base, int division) {
  return std::string(base) + "-" + std::to_string(division);
}

void Add(Rows& rows, std::string_view description, std::string_view account, const Names& names) {
  rows.push_back({std::string(description), std::string(account), std::string(account), names});
}

void ForEach(Rows& rows, Divisions divisions, std::string_view description, std::string_view base, const Names& names) {
  for (int d : divisions) Add(rows, description, Divisional(base, d), names);
}

Rows SalaryPayroll() {
  Rows rows;
  for (int d : kSalaryDivisions) {
    Add(rows, "Salary Payroll", Divisional("6050", d), kSalaryNames);
    Add(rows, "Salary Payroll - OT", Divisional("6051", d), kSalaryNames);
  }
  ForEach(rows, kCostDivisions, "Medical", "6103", kMedicalNames);
  for (const char* cash : {"1128", "1035", "1125"}) Add(rows, "Salary Payroll", cash, kCashNames);
  Add(rows, "Misc Deduction", "6101-10", {"Misc Deduction"});
  Add(rows, "United Way", "2180", {"United Way"});
  ForEach(rows, kPurchaseDivisions, "Employee Purchase", "6101", {"Employee Purchase"});
  Add(rows, "EE Life", "2215", {"EE Life"});
  Add(rows, "EE DBL", "2215", {"EE DBL"});
  Add(rows, "401(k)", "2250", {"401K - FC1, FC3, FC5, FC8"});
  Add(rows, "401(k) Loan", "2250", {"Pension Loan"});
  Add(rows, "AFLAC", "2215", {"Pretax AFLAC Cancer"});
  Add(rows, "Med Flex FSA", "2218", {"Pretax Med Flex FSA"});
  Add(rows, "Garnishment", "2245", {"Garnishment 1"});
  Add(rows, "Child Support", "2245", {"Child Support"});
  // Shown against 2245, summed from 2215.
  rows.push_back({"ER TFB (31)", "2245", "2215", {"TFB/DB (14)"}});
  return rows;
}

Rows EmployerTaxes() {
  Rows rows;
  const auto taxes = [&rows](std::string_view description, std::string_view base, const Names& names) {
    ForEach(rows, kCostDivisions, description, base, names);
    Add(rows, description, "1035", names);
    Add(rows, description, "1128", names);
  };
  taxes("FICA Tax - Salary", "6113", kFicaNames);
  taxes("Unemployment Tax - Salary", "6111", kUnemploymentNames);
  return rows;
}

Rows EmployerMatch() {
  Rows rows;
  ForEach(rows, kMatchDivisions, "Employer 401(k) Match", "6107", kMatchNames);
  Add(rows, "Employer 401(k) Match", "2250", kMatchNames);
  return rows;
}

Rows EmployerFlex() {
  Rows rows;
  ForEach(rows, kFlexDivisions, "Employer Share Flex Plan", "6103", kFlexNames);
  Add(rows, "Employer Share Flex Plan", "2218", kFlexNames);
  return rows;
}

}  // namespace

SyteLine::SyteLine(QvLedgerloom& window)
    : WorkbookClass(window, {.values = 10, .account = kAccount, .debit = kDebits, .credit = kCredits}) {}

std::string SyteLine::WorkbookName() const { return "SyteLine_" + PeriodEndAs(window(), "mmmddyy") + ".xls"; }

void SyteLine::StartRun() {
  // The run has passed the check that the rate is a number. It is kept as
  // typed, every decimal of it: only the amounts it gives are rounded.
  const std::optional<vb::Decimal> rate = vb::ParseNumber(window().txtJourRef.Text());
  if (!rate) throw vb::TypeMismatch();
  ProfitShareRate = *rate;
  GLRecs.clear();
}

void SyteLine::WriteLine(bool offsetting) {
  if (offsetting) return;
  for (const std::size_t side : {kDebits, kCredits})
    if (Value(side).empty()) SetValue(side, "0");
  GLRecs.push_back({vb::Trim(Account()), vb::Trim(Value(kDescription)), Net()});
  HandAmounts();
  WriteOutputRec(window());
}

vb::Currency SyteLine::SumAccountByDesc(std::string_view account, const Names& names) const {
  vb::Currency sum;
  for (const GLRec& rec : GLRecs) {
    if (rec.account != account) continue;
    for (std::string_view name : names) {
      if (rec.description == vb::Trim(name)) {
        sum += rec.net;
        break;
      }
    }
  }
  return sum;
}

void SyteLine::WriteAccountRow(std::string_view description, std::string_view account, std::string_view amount,
                               int row) const {
  PutTyped(row, 2, description);
  PutTyped(row, 3, account);
  PutTyped(row, 4, amount);
}

void SyteLine::SectionHead(int row, std::string_view code, std::string_view title) const {
  PutText(row, 1, code);
  PutText(row, 2, title);
  xlSheet.Rows(row).Font().Bold(true);
  const std::string r = std::to_string(row);
  xlSheet.Range("A" + r + ":D" + r).Borders(workbook::xlEdgeBottom).Weight(workbook::xlThick);
}

void SyteLine::EndRun() {
  NewWorkbook();
  PutText(1, 1, "GENERAL");
  PutText(2, 1, "ENTRY");
  PutText(2, 3, "ACCOUNT");
  PutText(3, 1, "NUMBER");
  PutText(3, 2, "DESCRIPTION");
  PutText(3, 3, "NUMBER");
  PutText(3, 4, vb::UCase(vb::Format(vb::Today(), "mmmm")));
  xlSheet.Range("D5:D1000").NumberFormat("#,##0.00;(#,##0.00);0.00");

  int row = 5;
  const auto section = [&](std::string_view code, std::string_view title, const Rows& rows) {
    SectionHead(row, code, title);
    for (const AccountRow& r : rows)
      WriteAccountRow(r.description, r.account, vb::Format(SumAccountByDesc(r.summed, r.names), kAmountMask), ++row);
    row += 2;
  };
  section("AJ12", "Salary Payroll", SalaryPayroll());
  section("AJ13", "Employer Taxes", EmployerTaxes());

  SectionHead(row, "AJ14", "Profit Sharing");
  const int total = ++row;
  WriteAccountRow("Profit Sharing", "2450", "", total);
  for (int d : kSalaryDivisions) {
    const vb::Currency salary =
        SumAccountByDesc(Divisional("6050", d), kSalaryNames) + SumAccountByDesc(Divisional("6051", d), kSalaryNames);
    WriteAccountRow("Profit Sharing", Divisional("6100", d),
                    vb::FormatNumber(salary.ToDecimal().Times(ProfitShareRate), kAmountMask), ++row);
  }
  xlSheet.Cells(total, 4).Value("=SUM(D" + std::to_string(total + 1) + ":D" + std::to_string(row) + ")");
  row += 2;

  section("AJ15", "Employer 401(k) Match", EmployerMatch());
  section("AJ16", "Employer Share Flex Plan", EmployerFlex());
  // "EOF" directly below the last row.
  PutText(row - 1, 1, "EOF");

  xlSheet.Columns().AutoFit();
  SaveWorkbook();
}

void SyteLine::TakeOffset(const std::string&, const OffsetAmounts&) {
  // The journal counts nothing toward the balance: there is never anything
  // to offset.
  ShowBox(window(), "Not balanced");
}

layout::Layout SyteLine::WindowLayout() const {
  using namespace layout;
  return {
      HideOptions(),
      Show({"lblMSG"}),
      Show({"txtJourRef"}),
      SetText("txtJourRef", ".07"),
      Caption("lblJourRef", "Profit Share Rate"),
      Show({"lblJourRef"}),
      Pattern("*.txt"),
      Samples({
          "NUMBER  DESCRIPTION NUMBER  MAY",
          "AJ12    Salary Payroll      ",
          "    Salary Payroll  6050-10 16,211.01 ",
          "    Salary Payroll - OT 6051-10 0.00 ",
          "    Salary Payroll  6050-20 2,269.02 ",
          "    Salary Payroll - OT 6051-20 0.00",
      }),
  };
}

void RegisterSyteLine(FinPacCatalog& catalog) { catalog.HooksOf("SyteLine").makeWriter = MakeWriter<SyteLine>; }

}  // namespace qvl
