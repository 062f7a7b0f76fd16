#pragma once
// The balance report after the writer has run, and the offsetting entries
// the operator may add before the files are closed.
#include <string>

namespace qvl {

class QvLedgerloom;

// The run's closing report (an OK box; an empty title is the program's own).
struct BalanceReportBox {
  std::string prompt;
  std::string title;
};

// Whether debits and credits balance; while they do not and the operator
// wants to, takes an offsetting entry (BalanceJE) and tests again. Returns
// the report of where the journal and the audit trail lie, for the caller to
// show once the files are closed: a journal that fails at close must never
// have been reported as ready.
BalanceReportBox CheckBalance(QvLedgerloom& window);

// Asks for an offset account and amount, starting from the last written
// record, and on confirmation hands the entry to the package's writer once.
void BalanceJE(QvLedgerloom& window);

}  // namespace qvl
