#pragma once
// "CSA": quoted comma lines of fixed-width values, under a journal reference
// asked once per run.
namespace qvl {

class FinPacCatalog;
class QvLedgerloom;

void RegisterCsaWriter(FinPacCatalog& catalog);

// A debit line and a credit line for the non-zero amounts of curRec (a
// record or a summarized entry).
void CSA(QvLedgerloom& window);

}  // namespace qvl
