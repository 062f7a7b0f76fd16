#pragma once
// "JURIS": one comma line of ten values per ledger line (or summarized line),
// texts quoted and numbers bare.
namespace qvl {

class FinPacCatalog;
class QvLedgerloom;

void RegisterJurisWriter(FinPacCatalog& catalog);

// One line for the record (or summarized entry) in curRec.
void Juris(QvLedgerloom& window);

}  // namespace qvl
