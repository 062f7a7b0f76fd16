// Every writer family attaches its code to the package catalog here.
#include "engine/packages.h"
#include "writers/builtin/accpac.h"
#include "writers/builtin/accpac_draymor.h"
#include "writers/builtin/adp_interface.h"
#include "writers/builtin/ai5.h"
#include "writers/builtin/blackbaud.h"
#include "writers/builtin/certipay.h"
#include "writers/builtin/comma_input.h"
#include "writers/builtin/csa.h"
#include "writers/builtin/fiserv_if3.h"
#include "writers/builtin/fixed_bank_files.h"
#include "writers/builtin/jd_edwards.h"
#include "writers/builtin/jonas.h"
#include "writers/builtin/juris.h"
#include "writers/builtin/keane.h"
#include "writers/builtin/mapics.h"
#include "writers/builtin/mas90_v4x_v50_v80.h"
#include "writers/builtin/meditech.h"
#include "writers/builtin/mnp.h"
#include "writers/builtin/netsuite.h"
#include "writers/builtin/nuvision.h"
#include "writers/builtin/oracle_fringe.h"
#include "writers/builtin/pathlinks.h"
#include "writers/builtin/peachtree.h"
#include "writers/builtin/platinum.h"
#include "writers/builtin/quickbooks.h"
#include "writers/builtin/sage_bw_gold.h"
#include "writers/builtin/sap.h"
#include "writers/builtin/sc.h"
#include "writers/builtin/self_reading.h"
#include "writers/builtin/shelby.h"
#include "writers/builtin/solomon.h"
#include "writers/builtin/timberline.h"
#include "writers/builtin/turning_point.h"
#include "writers/builtin/veridian.h"
#include "writers/builtin/whole_file.h"
#include "writers/builtin/workbook_journals.h"
#include "writers/classes/writer_classes.h"
#include "writers/workbook/workbook_classes.h"

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
  RegisterAdpInterfaceWriters(catalog);
  RegisterAI5Writer(catalog);
  RegisterFiservIF3Writer(catalog);
  RegisterFixedBankFileWriters(catalog);
  RegisterKeaneWriter(catalog);
  RegisterMapicsWriter(catalog);
  RegisterMeditechWriter(catalog);
  RegisterSelfReadingWriters(catalog);
  RegisterAIMsiWriter(catalog);
  RegisterEpicorWriter(catalog);
  RegisterLASRWriter(catalog);
  RegisterWholeFileWriters(catalog);
  RegisterQuickBooksWriters(catalog);
  RegisterPathlinksWriter(catalog);
  RegisterSapWriters(catalog);
  RegisterTimberlineWriter(catalog);
  RegisterTurningPointWriter(catalog);
  RegisterVeridianWriter(catalog);
  RegisterPeachTreeWriter(catalog);
  RegisterPlatinumWriter(catalog);
  RegisterSageBWGoldWriter(catalog);
  RegisterShelbyWriters(catalog);
  RegisterSolomonWriters(catalog);
  RegisterNuVisionWriter(catalog);
  RegisterOracleFringeWriter(catalog);
  RegisterSCWriter(catalog);
  RegisterWriterClasses(catalog);
  RegisterWorkbookClasses(catalog);
}

}  // namespace qvl
