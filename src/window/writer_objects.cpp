#include "window/writer_objects.h"

namespace qvl {

FinPacWriter::~FinPacWriter() = default;

WriterObjects::WriterObjects() = default;
WriterObjects::~WriterObjects() = default;

FinPacWriter* WriterObjects::Find(int index) const {
  auto it = objects_.find(index);
  return it == objects_.end() ? nullptr : it->second.get();
}

FinPacWriter* WriterObjects::Obtain(int index, Factory make, QvLedgerloom& window) {
  if (FinPacWriter* existing = Find(index)) return existing;
  if (make == nullptr) return nullptr;
  std::unique_ptr<FinPacWriter> made = make(window);
  FinPacWriter* object = made.get();
  if (object != nullptr) objects_[index] = std::move(made);
  return object;
}

void WriterObjects::ReleaseAll() { objects_.clear(); }

}  // namespace qvl
