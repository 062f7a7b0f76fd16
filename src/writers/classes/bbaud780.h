#pragma once
// "Blackbaud v7.80": comma lines of eleven values in; one comma line per
// line: a composite account number, "Debit" or "Credit", the amount without
// its sign, the posting date, "Journal Entry", the journal reference typed
// in the window and the batch number 1.
#include "writers/classes/class_writer.h"

namespace qvl {

class FinPacCatalog;

class bBaud780 final : public ClassWriter {
 public:
  explicit bBaud780(QvLedgerloom& window);

  // The line's own values, after the department; hours, debit and credit
  // follow them.
  enum OwnValue : std::size_t {
    kPrefix = InputRecord::kAccount,
    kSuffix,
    kAccount,
  };

 private:
  void WriteLine(bool offsetting) override;
  layout::Layout WindowLayout() const override;
  // The posting date: the period end as it was typed.
  std::string GetPostDate() const;
};

void RegisterBBaud780(FinPacCatalog& catalog);

}  // namespace qvl
