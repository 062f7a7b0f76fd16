#pragma once
// "AI5": fixed 80-character records with overpunched signed amounts.
namespace qvl {

class FinPacCatalog;

void RegisterAI5Writer(FinPacCatalog& catalog);

}  // namespace qvl
