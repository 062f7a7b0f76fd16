#include "writers/classes/global_shop.h"

#include "engine/catalog.h"
#include "platform/vb/text.h"

namespace qvl {

GlobalShop::GlobalShop(QvLedgerloom& window)
    : ClassWriter(window, {.delimiter = "\t", .zeroText = "0", .offsetHands = OffsetHands::Amounts}) {}

void GlobalShop::WriteLine(bool) {
  Output({
      Plain(vb::Left(Account(), 15)),
      Plain(RecordDate(Value(InputRecord::kDate), "/")),
      Plain(Net().ToText()),
      Plain(""),
      Plain(""),
  });
}

layout::Layout GlobalShop::WindowLayout() const {
  return MessageLineLayout("*.txt",
                           {"123456789012345 01/01/2012  99999999.99     ", "987654321054321 03/27/2012  5.50        ",
                            "151515151515151 03/27/2012  -85.50        "});
}

void RegisterGlobalShop(FinPacCatalog& catalog) { catalog.HooksOf("GlobalShop").makeWriter = MakeWriter<GlobalShop>; }

}  // namespace qvl
