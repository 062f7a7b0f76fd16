// Every writer family attaches its code to the package catalog here.
#include "engine/packages.h"
#include "writers/builtin/accpac.h"
#include "writers/builtin/accpac_draymor.h"
#include "writers/builtin/blackbaud.h"
#include "writers/builtin/certipay.h"
#include "writers/builtin/comma_input.h"
#include "writers/builtin/csa.h"
#include "writers/builtin/jd_edwards.h"
#include "writers/builtin/jonas.h"
#include "writers/builtin/juris.h"
#include "writers/builtin/mas90_v4x_v50_v80.h"
#include "writers/builtin/mnp.h"
#include "writers/builtin/netsuite.h"
#include "writers/builtin/nuvision.h"
#include "writers/builtin/oracle_fringe.h"
#include "writers/builtin/sc.h"
#include "writers/classes/writer_classes.h"

namespace qvl {

void RegisterWriters(FinPacCatalog& catalog) {
  RegisterAccPacWriters(catalog);
  RegisterAccPacDraymorWriter(catalog);
  RegisterCommaInputWriters(catalog);
  RegisterJDEdwardsWriter(catalog);
  RegisterJurisWriter(catalog);
  RegisterJonasWriter(catalog);
  RegisterMas90V4xV50V80Writers(catalog);
  RegisterMNPWriter(catalog);
  RegisterNetSuiteWriter(catalog);
  RegisterBlackbaudWriters(catalog);
  RegisterCertiPayWriter(catalog);
  RegisterCsaWriter(catalog);
  RegisterNuVisionWriter(catalog);
  RegisterOracleFringeWriter(catalog);
  RegisterSCWriter(catalog);
  RegisterWriterClasses(catalog);
}

}  // namespace qvl
