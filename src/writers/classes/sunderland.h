#pragma once
// "Sunderland": comma lines of nine values in; a tab journal out: one line
// of 17 fields per input line that does not net to zero, with the line's
// date as mmddyy and as mm/dd/yyyy, the signed net amount, the account,
// the date's month and year and the journal's fixed codes.
#include "writers/classes/class_writer.h"

namespace qvl {

class FinPacCatalog;

class Sunderland final : public ClassWriter {
 public:
  explicit Sunderland(QvLedgerloom& window);

 private:
  void WriteLine(bool offsetting) override;
  layout::Layout WindowLayout() const override;
};

void RegisterSunderland(FinPacCatalog& catalog);

}  // namespace qvl
