#pragma once
// The AccPac family: "AccPac AdvSeries CE v5.2", "AccPac (new)" and
// "AccPac (old)".
namespace qvl {

class FinPacCatalog;
class QvLedgerloom;

void RegisterAccPacWriters(FinPacCatalog& catalog);

// One record of curRec: a debit line and a credit line for its non-zero
// amounts ("AccPac AdvSeries CE v5.2").
void AccPacV52(QvLedgerloom& window);
// One line per record or summarized entry ("AccPac (new)", "AccPac (old)").
void AccPacNew(QvLedgerloom& window);
void AccPacOld(QvLedgerloom& window);

}  // namespace qvl
