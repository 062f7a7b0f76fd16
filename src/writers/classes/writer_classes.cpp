#include "writers/classes/writer_classes.h"

#include "writers/classes/accpac_zelvik.h"
#include "writers/classes/ack.h"
#include "writers/classes/adp.h"
#include "writers/classes/aswa.h"
#include "writers/classes/bbaud780.h"
#include "writers/classes/corrand.h"
#include "writers/classes/global_shop.h"
#include "writers/classes/infinium.h"
#include "writers/classes/ips.h"
#include "writers/classes/mas500.h"
#include "writers/classes/netsuite2.h"
#include "writers/classes/pem.h"
#include "writers/classes/sampro.h"
#include "writers/classes/sap_island.h"
#include "writers/classes/sap_v2.h"
#include "writers/classes/seven_hills.h"
#include "writers/classes/sunderland.h"
#include "writers/classes/trident.h"
#include "writers/classes/y_vision.h"

namespace qvl {

void RegisterWriterClasses(FinPacCatalog& catalog) {
  RegisterAccPacZelvik(catalog);
  RegisterAck(catalog);
  RegisterADP(catalog);
  RegisterAswa(catalog);
  RegisterBBaud780(catalog);
  RegisterCorrand(catalog);
  RegisterGlobalShop(catalog);
  RegisterInfinium(catalog);
  RegisterIPS(catalog);
  RegisterMAS500(catalog);
  RegisterNetSuite2(catalog);
  RegisterPEM(catalog);
  RegisterSamPro(catalog);
  RegisterSAPIsland(catalog);
  RegisterTrident(catalog);
  RegisterSAPv2(catalog);
  RegisterSevenHills(catalog);
  RegisterSunderland(catalog);
  RegisterYVision(catalog);
}

}  // namespace qvl
