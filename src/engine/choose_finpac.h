#pragma once
// The run step: the run variables from the window, the checks in their fixed
// order, the journal file's extension and name, and the dispatch to the
// chosen package.
namespace qvl {

class QvLedgerloom;

// A failed check shows its message, clears Ready and returns before anything
// is opened or created; otherwise the chosen package's entry runs.
void ChooseFinPac(QvLedgerloom& window);

// The second stage alone: the entry of ChosenPackage runs, or the operator is
// told the package must be chosen (or is not available in this version).
void DispatchPackage(QvLedgerloom& window);

}  // namespace qvl
