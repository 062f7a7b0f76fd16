// Every writer family attaches its code to the package catalog here.
#include "engine/packages.h"
#include "writers/builtin/accpac.h"
#include "writers/classes/writer_classes.h"

namespace qvl {

void RegisterWriters(FinPacCatalog& catalog) {
  RegisterAccPacWriters(catalog);
  RegisterWriterClasses(catalog);
}

}  // namespace qvl
