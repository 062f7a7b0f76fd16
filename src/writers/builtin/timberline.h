#pragma once
// "Timberline": one comma line of nine fields per record (or summarized
// record) with the net amount in the last.
namespace qvl {

class FinPacCatalog;
class QvLedgerloom;

void RegisterTimberlineWriter(FinPacCatalog& catalog);

void Timberline(QvLedgerloom& window);

}  // namespace qvl
