#pragma once
// The run's way to the window's writer object of a class package.
#include "window/finpac_writer.h"

namespace qvl {

class QvLedgerloom;
struct FinPacEntry;

// The window's object of the entry's package, created the first time (as
// choosing the entry in the list does); null when the package has no writer
// class in this version.
FinPacWriter* RunWriterOf(QvLedgerloom& window, const FinPacEntry& entry);

// Releases every writer object; File, Exit does so before the window goes.
void ReleaseWriterObjects(QvLedgerloom& window);

}  // namespace qvl
