#include "engine/run_writer.h"

#include "engine/catalog.h"
#include "window/qvledgerloom.h"

namespace qvl {

FinPacWriter* RunWriterOf(QvLedgerloom& window, const FinPacEntry& entry) {
  return window.writerObjects.Obtain(entry.index, entry.hooks.makeWriter, window);
}

void ReleaseWriterObjects(QvLedgerloom& window) { window.writerObjects.ReleaseAll(); }

}  // namespace qvl
