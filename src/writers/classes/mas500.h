#pragma once
// "MAS500": comma lines of nine values in; a batch file of quoted
// fixed-width values out: a batch and a journal header record, one 19-field
// detail record per input line, a journal and a batch footer record. The
// journal's extension is the class's own.
#include <cstdint>
#include <string>

#include "writers/classes/class_writer.h"

namespace qvl {

class FinPacCatalog;

class MAS500 final : public ClassWriter {
 public:
  explicit MAS500(QvLedgerloom& window);

  std::string FileExt() const override { return ".del"; }

  // The header and footer records; they read the period ending date when
  // they are asked for.
  std::string GetBatchHeader() const;
  std::string GetJournalHeader() const;
  std::string GetJournalFooter() const;
  std::string GetBatchFooter() const;

 private:
  void WriteLine(bool offsetting) override;
  layout::Layout WindowLayout() const override;
  void StartRun() override;

  // The detail record's fields that one run fixes at its start; an
  // offsetting record repeats them.
  struct RunFields {
    std::string fiscalYear;
    std::string fiscalPeriod;
    std::string today;
    std::string description;
    std::string companyId;
  };
  RunFields fields_;
  // Detail records of the run so far, the offsetting records included.
  std::int64_t lineNumber_ = 0;
};

void RegisterMAS500(FinPacCatalog& catalog);

}  // namespace qvl
