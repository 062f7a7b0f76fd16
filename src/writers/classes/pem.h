#pragma once
// "PEM": comma lines of nine values in; one line of three quoted comma
// fields per line that does not net to zero: the account, the period end as
// mmddyy and the net amount with two decimals.
#include "writers/classes/class_writer.h"

namespace qvl {

class FinPacCatalog;

class PEM final : public ClassWriter {
 public:
  explicit PEM(QvLedgerloom& window);

 private:
  void WriteLine(bool offsetting) override;
  layout::Layout WindowLayout() const override;
};

void RegisterPEM(FinPacCatalog& catalog);

}  // namespace qvl
