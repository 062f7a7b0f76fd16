#pragma once
// "Acknowledge": comma lines of nine values in; a tab journal out: two
// heading lines, then one line per input line that does not net to zero
// with the account, "JE", the amount without its sign and a debit or
// credit mark.
#include "writers/classes/class_writer.h"

namespace qvl {

class FinPacCatalog;

class Ack final : public ClassWriter {
 public:
  explicit Ack(QvLedgerloom& window);

 private:
  void WriteLine(bool offsetting) override;
  layout::Layout WindowLayout() const override;
};

void RegisterAck(FinPacCatalog& catalog);

}  // namespace qvl
