#include "writers/workbook/rms61003.h"

#include "engine/catalog.h"
#include "engine/run_messages.h"
#include "engine/run_state.h"
#include "engine/write_output.h"
#include "platform/vb/clock.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"
#include "window/qvledgerloom.h"

namespace qvl {

namespace {

// Where the line's values stand: company, date, division, branch,
// department, the three account segments, hours, debits, credits.
constexpr std::size_t kDate = 1;
constexpr std::size_t kSegment1 = 5;
constexpr std::size_t kSegment2 = 6;
constexpr std::size_t kSegment3 = 7;
constexpr std::size_t kDebits = 9;
constexpr std::size_t kCredits = 10;

constexpr std::string_view kPackage = "RMS 6.10.03";
constexpr std::string_view kIdleCaption = "Expecting comma delimited input file";

// The Saturday on or before the date.
vb::Date WeekEnding(const vb::Date& date) { return vb::DateAdd(vb::Interval::Day, -(date.Weekday() % 7), date); }

}  // namespace

RMS61003::RMS61003(QvLedgerloom& window)
    : WorkbookClass(window, {.values = 11, .account = kSegment1, .debit = kDebits, .credit = kCredits}) {}

std::string RMS61003::LineAccount() const {
  // The form an offset account is typed in, so the offset prompt offers it.
  return Value(kSegment1) + "," + Value(kSegment2) + "," + Value(kSegment3);
}

std::string RMS61003::WorkbookName() const {
  return window().cmboCoNum.Text() + "_" + PeriodEndAs(window(), "mmmddyy") + ".xls";
}

void RMS61003::StartRun() {
  NewWorkbook();
  row_ = 0;
  balance_ = {};
}

void RMS61003::WriteRow(int row) const {
  const std::string& d = Value(kDate);
  const vb::Date date = LineDate(d);
  const std::string shortDate = vb::Format(date, "mm/dd/yy");
  PutText(row, 1, "GL1");
  PutTyped(row, 2, vb::Mid(d, 1, 4));
  PutTyped(row, 3, vb::Mid(d, 5, 2));
  PutData(row, 4, Value(kSegment1));
  PutData(row, 5, Value(kSegment2));
  PutData(row, 6, Value(kSegment3));
  PutText(row, 7, "pr we " + vb::Format(WeekEnding(date), "mmddyy"));
  xlSheet.Cells(row, 8).Value(vb::Today());
  xlSheet.Cells(row, 9).Value(date);
  PutText(row, 10, "Payco " + shortDate);
  PutAmount(row, 11, Net());
}

void RMS61003::WriteLine(bool offsetting) {
  QvLedgerloom& w = window();
  if (!offsetting) {
    WriteRow(static_cast<int>(++row_));
    balance_ += Net();
    WriteOutputRec(w);
    w.lblMSG.SetCaption("Running Balance: " + balance_.ToText());
    return;
  }
  const std::optional<int> row = OffsetRow();
  if (!row) return;
  WriteRow(*row);
  SaveWorkbook();
  balance_ += Net();
  // The current record stays as the offsetting entry prepared it.
  WriteOutputRec(w);
  w.lblMSG.SetCaption(std::string(kIdleCaption));
}

void RMS61003::EndRun() { SaveWorkbook(); }

void RMS61003::TakeOffset(const std::string& account, const OffsetAmounts& amounts) {
  const std::size_t first = vb::InStr(account, ",");
  const std::size_t second = first == 0 ? 0 : vb::InStr(first + 1, account, ",");
  if (second == 0) {
    // Checked before the workbook is opened: an account the layout cannot
    // take writes nothing, and the balance is offered again.
    ShowBox(window(),
            "The offset account must hold its three segments separated by commas (for example 2110,13,90).\r\r"
            "Entry NOT ADDED to Journal.",
            dialogs::Buttons::OK, PackageTitle(kPackage));
    return;
  }
  SetValue(kSegment1, vb::Left(account, first - 1));
  SetValue(kSegment2, vb::Mid(account, first + 1, second - first - 1));
  SetValue(kSegment3, vb::Mid(account, second + 1));
  SetValue(kDate, vb::Format(vb::Today(), "yyyymmdd"));
  SetValue(kDebits, amounts.debit);
  SetValue(kCredits, amounts.credit);
  ReopenWorkbook();
}

layout::Layout RMS61003::WindowLayout() const {
  using namespace layout;
  return {
      Show({"lblMSG"}),
      HideOptions(),
      Samples({
          "MNL1|    2009|   10| 1006|   0|  90| pr we 100309|   10/9/2009|  10/8/2009|  Payco 10/8/2009|    -363.86",
          "MNL1|    2009|   10| 1010|   0|  90| pr we 100309|   10/9/2009|  10/8/2009|  Payco 10/8/2009|    "
          "-59043.34",
          "MNL1|    2009|   10| 2110|   13| 90| pr we 100309|   10/9/2009|  10/8/2009|  Payco 10/8/2009|    -99.43",
      }),
  };
}

void RegisterRMS61003(FinPacCatalog& catalog) { catalog.HooksOf(kPackage).makeWriter = MakeWriter<RMS61003>; }

}  // namespace qvl
