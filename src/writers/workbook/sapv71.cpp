#include "writers/workbook/sapv71.h"

#include "engine/catalog.h"
#include "engine/fields.h"
#include "engine/input_record.h"
#include "engine/write_output.h"
#include "platform/vb/text.h"
#include "window/qvledgerloom.h"

namespace qvl {

namespace {

constexpr std::size_t kSampleWidth = 98;

}  // namespace

SAPv71::SAPv71(QvLedgerloom& window)
    : WorkbookClass(window, {.input = ClassInput::Records, .split = OffsetSplit::NegatedCreditUnlessZero}) {}

std::string SAPv71::WorkbookName() const {
  return "SAP_GL_" + window().cmboCoNum.Text() + "_" + PeriodEndAs(window(), "mmmddyyyy") + ".xls";
}

void SAPv71::StartRun() {
  window().lblMSG.Show();
  NewWorkbook();
  rowCount = 0;
  records_ = 0;
}

void SAPv71::WriteRow(int row) const {
  const std::string& d = Value(InputRecord::kDate);
  PutData(row, 1, vb::Trim(Value(InputRecord::kCompany)));
  PutData(row, 2, vb::Trim(vb::Replace(Account(), "-", "")));
  PutText(row, 3, "PR");
  // A period, not a code: typed, so a leading zero is no reason for text.
  PutTyped(row, 4, vb::Mid(d, 3, 2) + vb::Mid(d, 5, 2));
  PutAmount(row, 5, Net());
}

void SAPv71::WriteLine(bool offsetting) {
  QvLedgerloom& w = window();
  if (offsetting) {
    const std::optional<int> row = OffsetRow();
    if (!row) return;
    WriteRow(*row);
    Complete();
    HandLine();
    WriteOutputRec(w);
    return;
  }
  w.lblMSG.SetCaption("Processing record: " + std::to_string(++records_));
  if (Net().IsZero()) return;
  WriteRow(static_cast<int>(++rowCount));
  WriteOutputRec(w);
}

void SAPv71::Complete() {
  window().lblMSG.SetCaption("Processing Complete!");
  xlSheet.Columns().AutoFit();
  SaveWorkbook();
}

void SAPv71::EndRun() { Complete(); }

void SAPv71::TakeOffset(const std::string& account, const OffsetAmounts& amounts) {
  // The typed account takes the record's account field, cut to its width;
  // company and date stay those of the last record read.
  ClassWriter::TakeOffset(AtWidth(vb::Trim(account), InputRecord::Width(InputRecord::kAccount)), amounts);
  ReopenWorkbook();
}

layout::Layout SAPv71::WindowLayout() const {
  using namespace layout;
  const auto sample = [](std::string_view text) { return vb::PadRight(text, kSampleWidth); };
  return {
      HideOptions(),
      Hide({"lblMSG"}),
      Pattern("*.txt"),
      Samples({
          sample("FV501   115101000020    PR  1211    -12503.62   401K"),
          sample("FV501   420000205110    PR  1211    3210.07     HOURLY WAGES"),
          sample("FV501   430000203110    PR  1211    3496.35     SALARIES"),
          sample("FV501   434000205210    PR  1211    688.8       Hourly Vacation"),
          sample("FV501   115101000020    PR  1211    -12503.62   HOURLY WAGES"),
          sample("FV501   447012204010    PR  1211    374.13      ER MATCH"),
      }),
  };
}

void RegisterSAPv71(FinPacCatalog& catalog) { catalog.HooksOf("SAP v7.1").makeWriter = MakeWriter<SAPv71>; }

}  // namespace qvl
