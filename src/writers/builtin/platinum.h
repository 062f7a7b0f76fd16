#pragma once
// "Platinum": a batch header line, then one comma line per ledger line (or
// summarized line): account, signed amount, the levels as a description and
// the journal description.
namespace qvl {

class FinPacCatalog;
class QvLedgerloom;

void RegisterPlatinumWriter(FinPacCatalog& catalog);

// The line of the record (or summarized entry, or offsetting record) in curRec.
void Platinum(QvLedgerloom& window);

}  // namespace qvl
