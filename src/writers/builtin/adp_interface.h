#pragma once
// "ADP/GL" and "ADP/KVS": the fixed-width pay interface file.
namespace qvl {

class FinPacCatalog;

void RegisterAdpInterfaceWriters(FinPacCatalog& catalog);

}  // namespace qvl
