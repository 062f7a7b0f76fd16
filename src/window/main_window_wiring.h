#pragma once
// Connects the package list, the company list and the window's load and
// unload to their handlers.
namespace qvl {

class QvLedgerloom;

// Fills the package list and sets the handlers of the package list (Click),
// the company list (Click, LostFocus) and the window (load, unload). Call it
// once, before the window is shown.
void WirePackageListAndSettings(QvLedgerloom& window);

}  // namespace qvl
