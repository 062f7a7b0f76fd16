#include "writers/builtin/self_reading.h"

namespace qvl {

void RegisterSelfReadingWriters(FinPacCatalog& catalog) {
  RegisterOracleWriter(catalog);
  RegisterOrionWriter(catalog);
  RegisterProduceProWriter(catalog);
  RegisterVADARRWriter(catalog);
  RegisterWCGLGeneratorWriter(catalog);
  RegisterYardiWriters(catalog);
}

}  // namespace qvl
