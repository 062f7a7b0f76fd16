#pragma once
// "AccPac Draymor": the journal is a workbook of two worksheets, the batch
// header "Journal_Headers" and the detail rows "Journal_Details". The text
// journal file is created under its usual name and left empty; the audit
// trail gets one tab-separated line per record.
namespace qvl {

class FinPacCatalog;
class QvLedgerloom;

void RegisterAccPacDraymorWriter(FinPacCatalog& catalog);

// One record of curRec: a detail row for a non-zero debit, then one for a
// non-zero credit, on the active worksheet of the run's workbook, and the
// record's audit line. Raises vb::Error 91 when no workbook of the package is
// open (before the run builds it, or once it is saved).
void AccPacDraymor(QvLedgerloom& window);

}  // namespace qvl
