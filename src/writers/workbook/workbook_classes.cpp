#include "writers/workbook/workbook_classes.h"

#include "writers/workbook/eprise.h"
#include "writers/workbook/rms61003.h"
#include "writers/workbook/sapv71.h"
#include "writers/workbook/syteline.h"

namespace qvl {

void RegisterWorkbookClasses(FinPacCatalog& catalog) {
  RegisterEPrise(catalog);
  RegisterRMS61003(catalog);
  RegisterSAPv71(catalog);
  RegisterSyteLine(catalog);
}

}  // namespace qvl
