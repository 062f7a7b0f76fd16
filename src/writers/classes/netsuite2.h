#pragma once
// "NetSuite Release 2": 89-character records in, whose account field holds
// "account,department"; one comma line of eight fields per record that does
// not net to zero, under a column-name line: account, debit, credit, a memo
// of the record's date and " Payroll", two empty fields, the department and
// an empty last field.
#include <string>

#include "writers/classes/class_writer.h"

namespace qvl {

class FinPacCatalog;

class NetSuite2 final : public ClassWriter {
 public:
  explicit NetSuite2(QvLedgerloom& window);

 private:
  void WriteLine(bool offsetting) override;
  layout::Layout WindowLayout() const override;
  void TakeLine() override;
  void TakeOffset(const std::string& account, const OffsetAmounts& amounts) override;

  // The department part of the record's account field (the account value
  // keeps the part before the first comma).
  std::string department_;
};

void RegisterNetSuite2(FinPacCatalog& catalog);

}  // namespace qvl
