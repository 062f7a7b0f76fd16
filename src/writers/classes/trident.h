#pragma once
// "Trident": comma lines of nine values in; one comma line per line that
// does not net to zero: an account number built from branch, account and
// department, "Debit" or "Credit", the amount without its sign, the line's
// own date and "Journal Entry","1".
#include "writers/classes/class_writer.h"

namespace qvl {

class FinPacCatalog;

class Trident final : public ClassWriter {
 public:
  explicit Trident(QvLedgerloom& window);

 private:
  void WriteLine(bool offsetting) override;
  layout::Layout WindowLayout() const override;
  void TakeLine() override;
  void TakeOffset(const std::string& account, const OffsetAmounts& amounts) override;
};

void RegisterTrident(FinPacCatalog& catalog);

}  // namespace qvl
