#pragma once
// "Keane Accounting": one line of ten blank-separated values per record, in
// a file named after the period end with the facility code as extension.
namespace qvl {

class FinPacCatalog;

void RegisterKeaneWriter(FinPacCatalog& catalog);

}  // namespace qvl
