#pragma once
// "MAPICS XA6.0": 91-character lines with a debit side and a credit side.
namespace qvl {

class FinPacCatalog;

void RegisterMapicsWriter(FinPacCatalog& catalog);

}  // namespace qvl
