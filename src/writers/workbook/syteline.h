#pragma once
// "SyteLine": one client's fixed monthly journal. Comma lines of ten values
// in (a description beside the account); every line is kept for the run and
// gets its audit line, but counts nothing toward the balance. The workbook
// "SyteLine_" and the period end then holds five sections of fixed rows, each
// row the net of the lines of one account whose description is one of the
// row's names, and a block of profit-sharing rows at the rate typed in the
// window, totalled by a formula.
#include <string>
#include <vector>

#include "platform/vb/currency.h"
#include "platform/vb/decimal.h"
#include "writers/workbook/workbook_class.h"

namespace qvl {

class FinPacCatalog;

class SyteLine final : public WorkbookClass {
 public:
  explicit SyteLine(QvLedgerloom& window);

  // One line of the run, as the sums take it.
  struct GLRec {
    std::string account;      // trimmed
    std::string description;  // trimmed
    vb::Currency net;         // debits minus credits
  };

  // The net of the run's lines of the account whose description is one of
  // the names (compared trimmed, letter case counting).
  vb::Currency SumAccountByDesc(std::string_view account, const std::vector<std::string_view>& names) const;

 private:
  void StartRun() override;
  void WriteLine(bool offsetting) override;
  void EndRun() override;
  void TakeOffset(const std::string& account, const OffsetAmounts& amounts) override;
  layout::Layout WindowLayout() const override;
  std::string WorkbookName() const override;

  void WriteAccountRow(std::string_view description, std::string_view account, std::string_view amount, int row) const;
  void SectionHead(int row, std::string_view code, std::string_view title) const;

  std::vector<GLRec> GLRecs;  // the lines of the current run
  vb::Decimal ProfitShareRate;
};

void RegisterSyteLine(FinPacCatalog& catalog);

}  // namespace qvl
