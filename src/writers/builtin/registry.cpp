// Every writer family attaches its code to the package catalog here.
#include "engine/packages.h"
#include "writers/builtin/accpac.h"
#include "writers/builtin/accpac_draymor.h"
#include "writers/classes/writer_classes.h"
#include "writers/workbook/workbook_classes.h"

namespace qvl {

void RegisterWriters(FinPacCatalog& catalog) {
  RegisterAccPacWriters(catalog);
  RegisterAccPacDraymorWriter(catalog);
  RegisterWriterClasses(catalog);
  RegisterWorkbookClasses(catalog);
}

}  // namespace qvl
