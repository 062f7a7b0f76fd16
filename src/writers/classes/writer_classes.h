#pragma once
// The writer classes' packages: each class's writer object, header and
// trailer records attached to its package list entry.
namespace qvl {

class FinPacCatalog;

void RegisterWriterClasses(FinPacCatalog& catalog);

}  // namespace qvl
