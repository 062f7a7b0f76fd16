#pragma once
// The program's package catalog: the list's entries with every writer
// family's code attached.
#include "engine/catalog.h"

namespace qvl {

struct RunState;

// Built on first use: the catalog's entries, then RegisterWriters.
const FinPacCatalog& Packages();
// The catalog a run dispatches on: the run's own when a test set one, else
// Packages().
const FinPacCatalog& CatalogOf(const RunState& run);

// Attaches the writers, entry steps, header and trailer records and writer
// factories of every writer family to their entries. Each family adds its
// registration function to it.
void RegisterWriters(FinPacCatalog& catalog);

}  // namespace qvl
