#pragma once
// "JD Edwards": one comma line of 25 columns per ledger line (or summarized
// line) under a column-name header.
namespace qvl {

class FinPacCatalog;
class QvLedgerloom;

void RegisterJDEdwardsWriter(FinPacCatalog& catalog);

// One line for the record (or summarized entry) in curRec.
void JDEdwards(QvLedgerloom& window);

}  // namespace qvl
