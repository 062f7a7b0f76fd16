#pragma once
// "SAP": one comma line per record with a net amount, the direction written
// as a word. "SAP Rev. 1.0": a header line, then one tab-separated item line
// per record (or summarized entry) with the posting key 40 or 50.
namespace qvl {

class FinPacCatalog;
class QvLedgerloom;

void RegisterSapWriters(FinPacCatalog& catalog);

// The "SAP" line of the record in curRec, or nothing when its net is zero.
void SAP(QvLedgerloom& window);
// The "SAP Rev. 1.0" item line of the record in curRec.
void SAPrev10(QvLedgerloom& window);

}  // namespace qvl
