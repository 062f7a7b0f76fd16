#pragma once
// The package list: its entries, and its Click handler, which puts the
// window back into its neutral state and then lays it out for the chosen
// package (a built-in layout, or the package's writer object).
//
// The entries, and the writer factories of the class entries, come from the
// catalog the window's runs dispatch on, so a run finds the writer object
// that choosing its entry made.
namespace qvl {

class QvLedgerloom;

// Fills the list with the catalog's entries, in the catalog's order.
void FillPackageList(QvLedgerloom& window);

// The neutral state every layout starts from. It restores only what it
// names: captions that a layout gave other controls, and every value, stay.
void ResetPackageLayout(QvLedgerloom& window);

// The Click handler of the list; also run directly once at start-up.
void PickFinPac_Click(QvLedgerloom& window);

}  // namespace qvl
