#pragma once
// One press of "Generate Journal Entry": the run from its checks to the
// closing of its files.
namespace qvl {

class QvLedgerloom;

// Resets the run totals, shows the hourglass, runs ChooseFinPac and, while
// Ready holds, the balance check and the closing of the files. Any failure
// ends the run with one message naming the package and the reason; the
// files are then closed without trailers and nothing is reported as ready
// for posting. The pointer is normal again afterwards.
void Quorvanta_Ledgerloom(QvLedgerloom& window);

// Warns once per run when curRec's account, without surrounding blanks, is
// longer than MaxAcctLen. The record is not changed.
void CheckMaxLength(QvLedgerloom& window);

}  // namespace qvl
