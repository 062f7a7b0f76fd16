#pragma once
// "Jonas": one tab-separated line per ledger line (or summarized line).
namespace qvl {

class FinPacCatalog;
class QvLedgerloom;

void RegisterJonasWriter(FinPacCatalog& catalog);

// One line for the record (or summarized entry) in curRec.
void Jonas(QvLedgerloom& window);

}  // namespace qvl
