#pragma once
// "Seven Hills": comma lines of ten values (two account columns) in; a
// comma journal out under a column-heading line: for every input line that
// does not net to zero both account columns, the line's date twice and the
// signed net amount.
#include "writers/classes/class_writer.h"

namespace qvl {

class FinPacCatalog;

class SevenHills final : public ClassWriter {
 public:
  explicit SevenHills(QvLedgerloom& window);

 private:
  // The PR column beside the account (the GL column).
  static constexpr std::size_t kPayrollAccount = TenValueLine::kOwnColumn;

  void WriteLine(bool offsetting) override;
  layout::Layout WindowLayout() const override;
};

void RegisterSevenHills(FinPacCatalog& catalog);

}  // namespace qvl
