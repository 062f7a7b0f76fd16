#pragma once
// "Fiserv IF3": a bank's general-ledger interface file of 150-character
// records with a header and a trailer of counts and totals.
namespace qvl {

class FinPacCatalog;

void RegisterFiservIF3Writer(FinPacCatalog& catalog);

}  // namespace qvl
