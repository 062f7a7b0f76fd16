#pragma once
// "GlobalShop": comma lines of nine values in; a tab journal out: for every
// input line the account cut to 15 characters, the line's date, the signed
// net amount and two empty fields.
#include "writers/classes/class_writer.h"

namespace qvl {

class FinPacCatalog;

class GlobalShop final : public ClassWriter {
 public:
  explicit GlobalShop(QvLedgerloom& window);

 private:
  void WriteLine(bool offsetting) override;
  layout::Layout WindowLayout() const override;
};

void RegisterGlobalShop(FinPacCatalog& catalog);

}  // namespace qvl
