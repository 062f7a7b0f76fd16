#pragma once
// "SamPro": 89-character records in; a "|" journal: one period line at the
// top (journal only: neither counted nor audited), then one line per record
// with the main account, the account's sub-code, debit, credit and the pay
// date.
#include "writers/classes/class_writer.h"

namespace qvl {

class FinPacCatalog;

class SamPro final : public ClassWriter {
 public:
  explicit SamPro(QvLedgerloom& window);

 private:
  void WriteLine(bool offsetting) override;
  layout::Layout WindowLayout() const override;
  void StartRun() override { firstRecord_ = true; }
  void TakeOffset(const std::string& account, const OffsetAmounts& amounts) override;

  // The period line is still to be written.
  bool firstRecord_ = true;
};

void RegisterSamPro(FinPacCatalog& catalog);

}  // namespace qvl
