#pragma once
// "Infinium": comma lines of nine values in; a comma journal out, one line
// per input line: the account in a 36-character field, the signed net amount
// and the period description.
#include "writers/classes/class_writer.h"

namespace qvl {

class FinPacCatalog;

class Infinium final : public ClassWriter {
 public:
  explicit Infinium(QvLedgerloom& window);

 private:
  void WriteLine(bool offsetting) override;
  layout::Layout WindowLayout() const override;
};

void RegisterInfinium(FinPacCatalog& catalog);

}  // namespace qvl
