#include "writers/builtin/comma_input.h"

namespace qvl {

void RegisterCommaInputWriters(FinPacCatalog& catalog) {
  RegisterBlackbaudV760Writer(catalog);
  RegisterBMSIWriter(catalog);
  RegisterFalconWriter(catalog);
  RegisterFiservFFSWriter(catalog);
  RegisterFTIWriter(catalog);
  RegisterGPPayrollConnectWriter(catalog);
  RegisterNorthstarWriter(catalog);
}

}  // namespace qvl
