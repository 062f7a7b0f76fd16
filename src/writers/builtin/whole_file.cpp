#include "writers/builtin/whole_file.h"

namespace qvl {

void RegisterWholeFileWriters(FinPacCatalog& catalog) {
  RegisterClubSelectWriter(catalog);
  RegisterCMSWriter(catalog);
  RegisterIntuitWriter(catalog);
  RegisterMas90V32V42V43Writers(catalog);
  RegisterMIPWriter(catalog);
}

}  // namespace qvl
