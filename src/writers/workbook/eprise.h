#pragma once
// "Enterprise": comma lines of nine values in; a workbook of twelve columns
// under a row of column names, one row per line, or a credit row and then a
// debit row for a line that carries both, named "Enterprise_GL_" after the
// company and the period end. An offsetting entry is one more row appended
// to the saved workbook, dated like the last line read.
#include "writers/workbook/workbook_class.h"

namespace qvl {

class FinPacCatalog;

class EPrise final : public WorkbookClass {
 public:
  explicit EPrise(QvLedgerloom& window);

 private:
  void StartRun() override;
  void WriteLine(bool offsetting) override;
  void EndRun() override;
  void TakeOffset(const std::string& account, const OffsetAmounts& amounts) override;
  layout::Layout WindowLayout() const override;
  std::string WorkbookName() const override;

  // Columns 1 to 10 of a row, then the debit and the credit as given (an
  // empty text leaves its cell empty).
  void WriteRow(int row, const std::string& debit, const std::string& credit) const;
  void Save();

  std::int64_t epRowNum = 1;  // the last row written; 1 is the row of column names
};

void RegisterEPrise(FinPacCatalog& catalog);

}  // namespace qvl
