#pragma once
// The writer classes whose journal is a workbook, attached to their package
// list entries.
namespace qvl {

class FinPacCatalog;

void RegisterWorkbookClasses(FinPacCatalog& catalog);

}  // namespace qvl
