// Every writer family attaches its code to the package catalog here.
#include "engine/packages.h"
#include "writers/builtin/accpac.h"

namespace qvl {

void RegisterWriters(FinPacCatalog& catalog) { RegisterAccPacWriters(catalog); }

}  // namespace qvl
