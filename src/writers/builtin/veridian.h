#pragma once
// "Veridian": a column-title line, then one comma line per record with its
// amounts as read. No line counts toward the balance.
namespace qvl {

class FinPacCatalog;
class QvLedgerloom;

void RegisterVeridianWriter(FinPacCatalog& catalog);

void Veridian(QvLedgerloom& window);

}  // namespace qvl
