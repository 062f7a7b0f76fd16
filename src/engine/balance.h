#pragma once
// The balance report after the writer has run, and the offsetting entries
// the operator may add before the files are closed.
namespace qvl {

class QvLedgerloom;

// Tells where the journal and the audit trail lie and whether debits and
// credits balance; while they do not and the operator wants to, takes an
// offsetting entry (BalanceJE) and tests again.
void CheckBalance(QvLedgerloom& window);

// Asks for an offset account and amount, starting from the last written
// record, and on confirmation hands the entry to the package's writer once.
void BalanceJE(QvLedgerloom& window);

}  // namespace qvl
