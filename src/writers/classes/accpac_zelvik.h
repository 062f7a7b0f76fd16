#pragma once
// "AccPac Zelvik": 89-character records in; a comma batch file out: two
// column-name lines and a batch line, then one journal detail line per
// record, numbered in steps of 20.
#include <cstdint>
#include <string>

#include "writers/classes/class_writer.h"

namespace qvl {

class FinPacCatalog;

class AccPacZelvik final : public ClassWriter {
 public:
  explicit AccPacZelvik(QvLedgerloom& window);

  // The two column-name lines, each with its line end, and the batch line's
  // constant start (the run adds the fiscal year and period).
  std::string GetBatchHeader() const;

 private:
  void WriteLine(bool offsetting) override;
  layout::Layout WindowLayout() const override;
  void StartRun() override { details_ = 0; }
  void TakeOffset(const std::string& account, const OffsetAmounts& amounts) override;

  // Detail lines of the run so far, the offsetting lines included.
  std::int64_t details_ = 0;
};

void RegisterAccPacZelvik(FinPacCatalog& catalog);

}  // namespace qvl
