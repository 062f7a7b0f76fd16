#include "writers/classes/writer_classes.h"

#include "writers/classes/accpac_zelvik.h"
#include "writers/classes/aswa.h"
#include "writers/classes/bbaud780.h"
#include "writers/classes/corrand.h"
#include "writers/classes/infinium.h"
#include "writers/classes/ips.h"
#include "writers/classes/mas500.h"
#include "writers/classes/netsuite2.h"
#include "writers/classes/pem.h"
#include "writers/classes/sampro.h"
#include "writers/classes/sap_island.h"
#include "writers/classes/trident.h"

namespace qvl {

void RegisterWriterClasses(FinPacCatalog& catalog) {
  RegisterAccPacZelvik(catalog);
  RegisterAswa(catalog);
  RegisterBBaud780(catalog);
  RegisterCorrand(catalog);
  RegisterInfinium(catalog);
  RegisterIPS(catalog);
  RegisterMAS500(catalog);
  RegisterNetSuite2(catalog);
  RegisterPEM(catalog);
  RegisterSamPro(catalog);
  RegisterSAPIsland(catalog);
  RegisterTrident(catalog);
}

}  // namespace qvl
