#pragma once
// Comma journals under a line of column titles, one line per amount with the
// word Debit or Credit: "Blackbaud" and "Financial Edge".
namespace qvl {

class FinPacCatalog;
class QvLedgerloom;

void RegisterBlackbaudWriters(FinPacCatalog& catalog);

// One line for curRec's net amount, none when it nets to zero ("Blackbaud").
void Blackbaud(QvLedgerloom& window);
// A debit line and a credit line for curRec's amounts ("Financial Edge").
void FinancialEdge(QvLedgerloom& window);

}  // namespace qvl
