#include "writers/classes/writer_classes.h"

#include "writers/classes/accpac_zelvik.h"
#include "writers/classes/aswa.h"
#include "writers/classes/infinium.h"
#include "writers/classes/mas500.h"
#include "writers/classes/pem.h"

namespace qvl {

void RegisterWriterClasses(FinPacCatalog& catalog) {
  RegisterAccPacZelvik(catalog);
  RegisterAswa(catalog);
  RegisterInfinium(catalog);
  RegisterMAS500(catalog);
  RegisterPEM(catalog);
}

}  // namespace qvl
