#pragma once
// "aswa": comma lines of ten values in; a comma journal of transaction
// number, account, department number and signed net amount out, under a
// column-name line. Lines that net to zero are left out.
#include <cstdint>

#include "writers/classes/class_writer.h"

namespace qvl {

class FinPacCatalog;

class aswa final : public ClassWriter {
 public:
  explicit aswa(QvLedgerloom& window);

  // The ten values of an input line: the record's values up to the account,
  // then these.
  enum LineValue : std::size_t {
    kSeventh = InputRecord::kHours,  // written as the department number
    kEighth,                         // not used
    kDebit,
    kCredit,
  };

 private:
  void WriteLine(bool offsetting) override;
  layout::Layout WindowLayout() const override;
  void StartRun() override { transactions_ = 0; }

  // Lines written in this run; an offsetting line is number 1 of its own.
  std::int64_t transactions_ = 0;
};

void RegisterAswa(FinPacCatalog& catalog);

}  // namespace qvl
