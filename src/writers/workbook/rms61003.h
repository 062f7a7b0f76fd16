#pragma once
// "RMS 6.10.03": comma lines of eleven values in, the account as three
// segments; a workbook of eleven columns out, one row per line and no
// header row, named after the company and the period end. The window shows
// the running balance while the rows are written. An offsetting entry is one
// more row appended to the saved workbook.
#include "writers/workbook/workbook_class.h"

namespace qvl {

class FinPacCatalog;

class RMS61003 final : public WorkbookClass {
 public:
  explicit RMS61003(QvLedgerloom& window);

 private:
  void StartRun() override;
  void WriteLine(bool offsetting) override;
  void EndRun() override;
  void TakeOffset(const std::string& account, const OffsetAmounts& amounts) override;
  layout::Layout WindowLayout() const override;
  std::string WorkbookName() const override;
  std::string LineAccount() const override;

  void WriteRow(int row) const;

  std::int64_t row_ = 0;  // the last row written by the run
  vb::Currency balance_;  // debits minus credits of the rows written
};

void RegisterRMS61003(FinPacCatalog& catalog);

}  // namespace qvl
