#pragma once
// "IPS": comma lines of eleven values in; one comma line per line: the date,
// two account parts, the amount without its sign, "D" or "C", "Payroll" and
// the line's description. An offsetting line takes the date and the
// description of the last line the run wrote.
#include <string>

#include "writers/classes/class_writer.h"

namespace qvl {

class FinPacCatalog;

class IPS final : public ClassWriter {
 public:
  explicit IPS(QvLedgerloom& window);

  // The line's own values, after the department; hours, debit and credit
  // follow them.
  enum OwnValue : std::size_t {
    kFirstPart = InputRecord::kAccount,
    kSecondPart,
    kDescription,
  };

 private:
  void WriteLine(bool offsetting) override;
  layout::Layout WindowLayout() const override;
  void StartRun() override;
  void TakeOffset(const std::string& account, const OffsetAmounts& amounts) override;

  // The date and description fields of the last line of the run's own
  // lines, as written.
  std::string lastDate_;
  std::string lastDescription_;
};

void RegisterIPS(FinPacCatalog& catalog);

}  // namespace qvl
