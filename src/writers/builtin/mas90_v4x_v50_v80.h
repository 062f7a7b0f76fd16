#pragma once
// Three entries of the MAS90 family: "MAS90 v4.x" (comma lines with an ISO
// date and an entry number), "MAS90 v5.0" (three tab-separated fields) and
// "MAS90 SageBW v8.0" (comma lines with fixed numeric masks and an optional
// column-heading line).
#include "platform/vb/currency.h"

namespace qvl {

class FinPacCatalog;
class QvLedgerloom;
struct RunState;

void RegisterMas90V4xV50V80Writers(FinPacCatalog& catalog);

// One line for the record (or summarized entry) in curRec.
void MAS90v4x(QvLedgerloom& window);
void MAS90v50(QvLedgerloom& window);
void MAS90SageBWv80(QvLedgerloom& window);

// The MAS90 lines' amount: an amount text of curRec that is no number is
// put into the record as "0" (the audit trail shows it so); the line is
// counted (RecCount) and counts toward the balance. Debits minus credits.
vb::Currency Mas90CountedNet(RunState& run);

}  // namespace qvl
