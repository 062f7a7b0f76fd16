#pragma once
// "Y-Vision": comma lines of nine values in; "importgl.txt" out: one comma
// line per input line that does not net to zero, with the quoted account,
// "Payroll", the period's month reference and the line's date, then the
// signed net amount and an empty last field. Progress shows in the
// window's message line.
#include "writers/classes/class_writer.h"

namespace qvl {

class FinPacCatalog;

class YVision final : public ClassWriter {
 public:
  explicit YVision(QvLedgerloom& window);

 private:
  void WriteLine(bool offsetting) override;
  layout::Layout WindowLayout() const override;
  void EndRun() override;
};

void RegisterYVision(FinPacCatalog& catalog);

}  // namespace qvl
