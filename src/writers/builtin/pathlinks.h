#pragma once
// "Pathlinks": one tab-separated line of nine values per record, with line
// ends between lines only: the file ends without one.
namespace qvl {

class FinPacCatalog;
class QvLedgerloom;

void RegisterPathlinksWriter(FinPacCatalog& catalog);

// The line of the record in curRec, after a line end when a line stands
// before it in the journal.
void Pathlinks(QvLedgerloom& window);

}  // namespace qvl
