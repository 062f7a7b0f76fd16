#include "writers/builtin/fixed_bank_files.h"

namespace qvl {

void RegisterFixedBankFileWriters(FinPacCatalog& catalog) {
  RegisterPlumasBankWriter(catalog);
  RegisterRealWorldWriter(catalog);
  RegisterReynoldsWriter(catalog);
  RegisterSOSWriter(catalog);
  RegisterSparakWriter(catalog);
}

}  // namespace qvl
