// Every writer family attaches its code to the package catalog here.
#include "engine/packages.h"
#include "writers/builtin/accpac.h"
#include "writers/builtin/accpac_draymor.h"
#include "writers/builtin/adp_interface.h"
#include "writers/builtin/ai5.h"
#include "writers/builtin/fiserv_if3.h"
#include "writers/builtin/keane.h"
#include "writers/builtin/mapics.h"
#include "writers/builtin/meditech.h"
#include "writers/classes/writer_classes.h"

namespace qvl {

void RegisterWriters(FinPacCatalog& catalog) {
  RegisterAccPacWriters(catalog);
  RegisterAccPacDraymorWriter(catalog);
  RegisterAdpInterfaceWriters(catalog);
  RegisterAI5Writer(catalog);
  RegisterFiservIF3Writer(catalog);
  RegisterKeaneWriter(catalog);
  RegisterMapicsWriter(catalog);
  RegisterMeditechWriter(catalog);
  RegisterWriterClasses(catalog);
}

}  // namespace qvl
