// Every writer family attaches its code to the package catalog here.
#include "engine/packages.h"
#include "writers/builtin/accpac.h"
#include "writers/builtin/accpac_draymor.h"
#include "writers/builtin/blackbaud.h"
#include "writers/builtin/certipay.h"
#include "writers/builtin/csa.h"
#include "writers/classes/writer_classes.h"

namespace qvl {

void RegisterWriters(FinPacCatalog& catalog) {
  RegisterAccPacWriters(catalog);
  RegisterAccPacDraymorWriter(catalog);
  RegisterBlackbaudWriters(catalog);
  RegisterCertiPayWriter(catalog);
  RegisterCsaWriter(catalog);
  RegisterWriterClasses(catalog);
}

}  // namespace qvl
