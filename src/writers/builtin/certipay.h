#pragma once
// "CertiPay Advantage": numbered comma lines, one per amount of a record.
namespace qvl {

class FinPacCatalog;
class QvLedgerloom;

void RegisterCertiPayWriter(FinPacCatalog& catalog);

// curRec's debit line and then its credit line, each numbered on from the
// run's last line; amounts that are empty or ".00" give no line.
void CertiPay(QvLedgerloom& window);

}  // namespace qvl
