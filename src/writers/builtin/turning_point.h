#pragma once
// "Turning Point": a line of 20 column names, then one line of 20 quoted
// values per record (or summarized record), numbered from 1.
namespace qvl {

class FinPacCatalog;
class QvLedgerloom;

void RegisterTurningPointWriter(FinPacCatalog& catalog);

void TurningPoint(QvLedgerloom& window);

}  // namespace qvl
