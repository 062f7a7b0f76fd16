#pragma once
// The window's writer objects: at most one per class package, each created
// on the first choice of its entry and kept for as long as the window lives,
// so that the run engine works with the object that choosing the entry made.
#include <map>
#include <memory>

#include "window/finpac_writer.h"

namespace qvl {

class QvLedgerloom;

class WriterObjects {
 public:
  using Factory = std::unique_ptr<FinPacWriter> (*)(QvLedgerloom&);

  WriterObjects();
  ~WriterObjects();
  WriterObjects(const WriterObjects&) = delete;
  WriterObjects& operator=(const WriterObjects&) = delete;

  // The object of the package list entry `index`, or nullptr when none was
  // created yet.
  FinPacWriter* Find(int index) const;
  // The object of the entry, created through `make` when it does not exist
  // yet; nullptr when it does not exist and there is nothing to make it with.
  FinPacWriter* Obtain(int index, Factory make, QvLedgerloom& window);
  // Releases every object (File, Exit does this before the window goes).
  void ReleaseAll();

 private:
  std::map<int, std::unique_ptr<FinPacWriter>> objects_;
};

}  // namespace qvl
