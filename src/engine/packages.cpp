#include "engine/packages.h"

#include "engine/run_state.h"

namespace qvl {

const FinPacCatalog& Packages() {
  static const FinPacCatalog catalog = [] {
    FinPacCatalog c;
    RegisterWriters(c);
    return c;
  }();
  return catalog;
}

const FinPacCatalog& CatalogOf(const RunState& run) {
  return run.catalog != nullptr ? *run.catalog : Packages();
}

}  // namespace qvl
