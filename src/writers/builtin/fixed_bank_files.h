#pragma once
// Fixed-width journals that keep counts and totals of their own: "Plumas
// Bank" (bank transfer records between a header and a trailer), "Real World
// (Passport)" (records held until the input is read, under a control record),
// "Reynolds & Reynolds" (print lines and three closing lines), "SOS" (three
// files) and "Sparak". One file per package.
namespace qvl {

class FinPacCatalog;
class QvLedgerloom;

void RegisterFixedBankFileWriters(FinPacCatalog& catalog);

void RegisterPlumasBankWriter(FinPacCatalog& catalog);
void RegisterRealWorldWriter(FinPacCatalog& catalog);
void RegisterReynoldsWriter(FinPacCatalog& catalog);
void RegisterSOSWriter(FinPacCatalog& catalog);
void RegisterSparakWriter(FinPacCatalog& catalog);

// The detail records of curRec, counted for the trailer.
void PlumasBank(QvLedgerloom& window);
// Builds curRec's record and keeps it until the whole input is read.
void RealWorld(QvLedgerloom& window);
// Reads and writes every line of input file 1.
void RandR(QvLedgerloom& window);
// The post records of curRec to the detail file.
void SOS(QvLedgerloom& window);
// curRec's line, numbered with RecCount.
void Sparak(QvLedgerloom& window);

}  // namespace qvl
