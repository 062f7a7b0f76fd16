#include "writers/workbook/eprise.h"

#include "engine/catalog.h"
#include "engine/write_output.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"
#include "window/qvledgerloom.h"

namespace qvl {

namespace {

constexpr std::size_t kDate = InputRecord::kDate;

const char* const kColumnNames[] = {
    "Reference Number", "Reference Date", "Description", "Period",           "Year",  "Journal ID",
    "Reverse Entry",    "Account",        "Activity ID", "Line Description", "Debit", "Credit"};

}  // namespace

EPrise::EPrise(QvLedgerloom& window) : WorkbookClass(window, {}) {}

std::string EPrise::WorkbookName() const {
  return "Enterprise_GL_" + window().cmboCoNum.Text() + "_" + PeriodEndAs(window(), "mmmddyy") + ".xls";
}

void EPrise::StartRun() {
  NewWorkbook();
  epRowNum = 1;
  int column = 0;
  for (const char* name : kColumnNames) PutText(1, ++column, name);
}

void EPrise::WriteRow(int row, const std::string& debit, const std::string& credit) const {
  const std::string& d = Value(kDate);
  const vb::Date date = LineDate(d);
  PutText(row, 1, vb::Mid(d, 5, 2) + vb::Mid(d, 3, 2) + "Nimbrel");
  xlSheet.Cells(row, 2).Value(date);
  PutText(row, 3, vb::Format(date, "mmm") + "PR");
  PutTyped(row, 4, vb::Mid(d, 5, 2));
  PutTyped(row, 5, vb::Mid(d, 1, 4));
  PutText(row, 6, "GL");
  PutText(row, 7, "NO");
  PutData(row, 8, vb::Trim(Account()));
  PutText(row, 10, "PR Import");
  if (!debit.empty()) PutAmount(row, 11, vb::AmountOf(debit));
  if (!credit.empty()) PutAmount(row, 12, vb::AmountOf(credit));
}

void EPrise::WriteLine(bool offsetting) {
  QvLedgerloom& w = window();
  if (offsetting) {
    const std::optional<int> row = OffsetRow();
    if (!row) return;
    WriteRow(*row, Debit(), Credit());
    Save();
    HandLine();
    WriteOutputRec(w);
    return;
  }
  const bool both = !vb::AmountOf(Debit()).IsZero() && !vb::AmountOf(Credit()).IsZero();
  for (const std::size_t side : {InputRecord::kDebits, InputRecord::kCredits})
    if (Value(side) == ".00") SetValue(side, "");
  HandLine();
  WriteOutputRec(w);
  if (both) {
    WriteRow(static_cast<int>(++epRowNum), "", Credit());
    WriteRow(static_cast<int>(++epRowNum), Debit(), "");
  } else {
    WriteRow(static_cast<int>(++epRowNum), Debit(), Credit());
  }
}

void EPrise::Save() {
  xlSheet.Columns().AutoFit();
  SaveWorkbook();
}

void EPrise::EndRun() { Save(); }

void EPrise::TakeOffset(const std::string& account, const OffsetAmounts& amounts) {
  // The date stays that of the last line read.
  ClassWriter::TakeOffset(account, amounts);
  ReopenWorkbook();
}

layout::Layout EPrise::WindowLayout() const {
  using namespace layout;
  return {
      Pattern("*.txt"),
      HideOptions(),
      Samples({
          "Reference Number    Reference Date  Description Period  Year    Journal ID  Reverse Entry   Account "
          "Activity ID Line Description    Debit   Credit",
          "1011Nimbrel 10/31/2011  OctPR   10  2011    GL  NO  0900-6690-00        PR Import   1,095.46    ",
          "1011Nimbrel 10/31/2011  OctPR   10  2011    GL  NO  0900-6690-00        PR Import       712.52",
          "1011Nimbrel 10/31/2011  OctPR   10  2011    GL  NO  0900-2120-01        PR Import       6,914.83",
          "1011Nimbrel 10/31/2011  OctPR   10  2011    GL  NO  0040-6000-02        PR Import   20,077.97",
      }),
  };
}

void RegisterEPrise(FinPacCatalog& catalog) { catalog.HooksOf("Enterprise").makeWriter = MakeWriter<EPrise>; }

}  // namespace qvl
