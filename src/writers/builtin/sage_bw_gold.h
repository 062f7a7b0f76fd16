#pragma once
// "Sage BusinessWorks Gold": one comma line per ledger line (or summarized
// line) whose net amount is not zero, in the regular layout or, with "Alt
// Format?" checked, the alternate one.
namespace qvl {

class FinPacCatalog;
class QvLedgerloom;

void RegisterSageBWGoldWriter(FinPacCatalog& catalog);

void SageBWGold(QvLedgerloom& window);

}  // namespace qvl
