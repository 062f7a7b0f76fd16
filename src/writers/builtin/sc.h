#pragma once
// "SC": the journal is a workbook of one worksheet, "Journal Entry", with a
// bold, underlined and centred title row of ten columns and one row per
// record. The text journal of the usual name and the audit trail are created
// and stay empty; nothing counts toward the balance.
namespace qvl {

class FinPacCatalog;
class QvLedgerloom;

void RegisterSCWriter(FinPacCatalog& catalog);

// The record in curRec (its account trimmed in place) as row RecCount + 1 of
// the run's worksheet. Raises vb::Error 91 when no workbook of the package is
// open (before the run builds it, or once it is saved).
void SC(QvLedgerloom& window);

}  // namespace qvl
