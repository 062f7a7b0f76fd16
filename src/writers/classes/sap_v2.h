#pragma once
// "SAP v2": comma lines of ten values in; a tab journal out: a column-name
// line for the document header, the header record "H" with the posting
// date, a column-name line for the details, then one detail record "D" per
// input line with the account, the cost center and the signed net amount.
// A column-heading line in the input is passed over.
#include "writers/classes/class_writer.h"

namespace qvl {

class FinPacCatalog;

class SAPv2 final : public ClassWriter {
 public:
  explicit SAPv2(QvLedgerloom& window);

 private:
  static constexpr std::size_t kCostCenter = TenValueLine::kOwnColumn;

  void WriteLine(bool offsetting) override;
  layout::Layout WindowLayout() const override;
  void StartRun() override { documentHeaderWritten_ = false; }
  void TakeOffset(const std::string& account, const OffsetAmounts& amounts) override;

  // The header record and the detail column line come before the first
  // input line of a run; an empty input has neither.
  bool documentHeaderWritten_ = false;
};

void RegisterSAPv2(FinPacCatalog& catalog);

}  // namespace qvl
