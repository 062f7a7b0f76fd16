#include "engine/run_writer.h"

#include "engine/catalog.h"
#include "window/qvledgerloom.h"

namespace qvl {

RunWriter* RunWriterOf(QvLedgerloom& window, const FinPacEntry& entry) {
  FinPacWriter* object = window.writerObjects.Obtain(entry.index, entry.hooks.makeWriter, window);
  return dynamic_cast<RunWriter*>(object);
}

void ReleaseWriterObjects(QvLedgerloom& window) { window.writerObjects.ReleaseAll(); }

}  // namespace qvl
