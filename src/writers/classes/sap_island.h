#pragma once
// "SAP (Island)": whole comma lines in, stored for the run; the clearing
// accounts are netted into the cash account while they are read. Then the
// stored lines are written twice over: first every credit line ("H"), then
// every debit line ("S"), each a ten-field document line. A clearing
// account's line is written as read and once more reversed.
#include <cstddef>
#include <string>
#include <vector>

#include "writers/classes/class_writer.h"

namespace qvl {

class FinPacCatalog;

class SAPIsland final : public ClassWriter {
 public:
  explicit SAPIsland(QvLedgerloom& window);

  // A stored line's own values, after the department: the cost center (a
  // tenth value of the line, else empty) and the account; hours, debit and
  // credit follow them.
  enum OwnValue : std::size_t {
    kCostCenter = InputRecord::kAccount,
    kAccount,
  };

 private:
  void WriteLine(bool offsetting) override;
  layout::Layout WindowLayout() const override;
  std::optional<std::vector<std::string>> SplitLine(const std::string& line) const override;
  void ReadInput() override;

  struct Stored {
    std::vector<std::string> values;
    std::size_t line;
  };
  // The lines of the run, in input order, each reversing line after its
  // clearing account's line.
  std::vector<Stored> table_;
  // The net of the cash and clearing accounts' lines as read.
  vb::Currency clearing_;
  // The indicator of the pass being written.
  std::string_view pass_;
};

void RegisterSAPIsland(FinPacCatalog& catalog);

}  // namespace qvl
