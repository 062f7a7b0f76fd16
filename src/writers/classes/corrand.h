#pragma once
// "Corrand": comma lines of ten values in (a description after the
// account); one comma line of nine fields per line: "GLT", the account, the
// line's date, two empty fields, "CAR", the description, and the debit and
// credit columns. A live-check line posts its net to the credit column.
#include "writers/classes/class_writer.h"

namespace qvl {

class FinPacCatalog;

class Corrand final : public ClassWriter {
 public:
  explicit Corrand(QvLedgerloom& window);

  // The line's own values, after the department; hours, debit and credit
  // follow them.
  enum OwnValue : std::size_t {
    kAccount = InputRecord::kAccount,
    kDescription,
  };

 private:
  void WriteLine(bool offsetting) override;
  layout::Layout WindowLayout() const override;
  void TakeOffset(const std::string& account, const OffsetAmounts& amounts) override;
};

void RegisterCorrand(FinPacCatalog& catalog);

}  // namespace qvl
