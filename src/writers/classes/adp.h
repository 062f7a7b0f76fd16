#pragma once
// "ADP": comma lines of nine values in; "GLTran.txt" out: one line of 17
// quoted comma fields per input line that does not net to zero, with the
// line's date, the account's first four characters, its sub-account, the
// net amount with two decimals and the division.
#include "writers/classes/class_writer.h"

namespace qvl {

class FinPacCatalog;

class ADP final : public ClassWriter {
 public:
  explicit ADP(QvLedgerloom& window);

 private:
  void WriteLine(bool offsetting) override;
  layout::Layout WindowLayout() const override;
};

void RegisterADP(FinPacCatalog& catalog);

}  // namespace qvl
