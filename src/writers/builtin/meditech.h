#pragma once
// "Meditech": a batch of records typed by their first two characters.
namespace qvl {

class FinPacCatalog;

void RegisterMeditechWriter(FinPacCatalog& catalog);

}  // namespace qvl
