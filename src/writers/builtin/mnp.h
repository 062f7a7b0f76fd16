#pragma once
// "MNP": one comma line per record with a non-zero net amount, closed by the
// line "Imported,,,,,,".
namespace qvl {

class FinPacCatalog;
class QvLedgerloom;

void RegisterMNPWriter(FinPacCatalog& catalog);

// The line of the record in curRec, or nothing when its net amount is zero.
void MNP(QvLedgerloom& window);

}  // namespace qvl
