#pragma once
// "SAP v7.1": 89-character records in; a workbook of six columns without a
// header row, one row per record that does not net to zero, named "SAP_GL_"
// after the company and the period end (four-digit year). An offsetting
// entry is one more row appended to the saved workbook, with the company and
// date of the last record read.
#include "writers/workbook/workbook_class.h"

namespace qvl {

class FinPacCatalog;

class SAPv71 final : public WorkbookClass {
 public:
  explicit SAPv71(QvLedgerloom& window);

 private:
  void StartRun() override;
  void WriteLine(bool offsetting) override;
  void EndRun() override;
  void TakeOffset(const std::string& account, const OffsetAmounts& amounts) override;
  layout::Layout WindowLayout() const override;
  std::string WorkbookName() const override;

  void WriteRow(int row) const;
  void Complete();

  std::int64_t rowCount = 0;  // the last row written
  std::int64_t records_ = 0;  // records read by the run
};

void RegisterSAPv71(FinPacCatalog& catalog);

}  // namespace qvl
