#pragma once
// Three entries of the MAS90 family: "MAS90 v4.x" (comma lines with an ISO
// date and an entry number), "MAS90 v5.0" (three tab-separated fields) and
// "MAS90 SageBW v8.0" (comma lines with fixed numeric masks and an optional
// column-heading line).
namespace qvl {

class FinPacCatalog;
class QvLedgerloom;

void RegisterMas90V4xV50V80Writers(FinPacCatalog& catalog);

// One line for the record (or summarized entry) in curRec.
void MAS90v4x(QvLedgerloom& window);
void MAS90v50(QvLedgerloom& window);
void MAS90SageBWv80(QvLedgerloom& window);

}  // namespace qvl
