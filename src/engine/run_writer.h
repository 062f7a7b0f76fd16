#pragma once
// What a run asks of a class package's writer object, beside laying out the
// window: every writer class derives from RunWriter.
#include <string>

#include "window/finpac_writer.h"

namespace qvl {

class QvLedgerloom;
struct FinPacEntry;

class RunWriter : public FinPacWriter {
 public:
  // Reads the whole input and writes the journal; with Balancing true (from
  // Balance) only the offsetting line.
  virtual void Process(bool& Balancing) = 0;
  // One offsetting entry, with the account and the amount as the operator
  // typed them (the amount "0" when it was not a number).
  virtual void Balance(const std::string& Account, const std::string& Amount) = 0;
  // The journal file's extension, for the package that names it itself
  // (empty for every other).
  virtual std::string FileExt() const { return {}; }
};

// The window's object of the entry's package, created the first time (as
// choosing the entry in the list does); null when the package has no writer
// class in this version.
RunWriter* RunWriterOf(QvLedgerloom& window, const FinPacEntry& entry);

// Releases every writer object; File, Exit does so before the window goes.
void ReleaseWriterObjects(QvLedgerloom& window);

}  // namespace qvl
