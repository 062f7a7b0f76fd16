#include "writers/classes/y_vision.h"

#include "engine/catalog.h"
#include "platform/vb/format.h"
#include "window/qvledgerloom.h"

namespace qvl {

YVision::YVision(QvLedgerloom& window)
    : ClassWriter(window, {.zeroText = "0.00",
                           .emptyAmountsAreZero = true,
                           .trimOffsetAccount = true,
                           .offsetHands = OffsetHands::AmountsAndAccount}) {}

void YVision::WriteLine(bool offsetting) {
  if (!offsetting) {
    window().lblMSG.SetCaption("Processing file...");
    if (Net().IsZero()) return;
  }
  Output({
      Quoted(Account()),
      Quoted("Payroll"),
      Quoted(vb::Format(PeriodEnd(), "mmm") + "Pay"),  // the period's month, however it was typed
      Quoted(RecordDate(Value(InputRecord::kDate), "/")),
      Plain(Net().ToText()),
      Plain(""),
  });
  // An offsetting pass ends as a run does.
  if (offsetting) EndRun();
}

void YVision::EndRun() { window().lblMSG.SetCaption("Processing Complete!"); }

layout::Layout YVision::WindowLayout() const {
  return MessageLineLayout("*.csv", {"01-0101-0100,Jan. Payroll,Payroll recap,02/01/2010,-132.94,",
                                     "01-0101-0200,Jan. Payroll,Payroll recap,02/01/2010,-17.78,",
                                     "01-0101-2110,Jan. Payroll,Payroll recap,02/01/2010,7322.00,",
                                     "01-0101-2115,Jan. Payroll,Payroll recap,02/01/2010,1393.71,",
                                     "01-0101-2140,Jan. Payroll,Payroll recap,02/01/2010,782.80,"});
}

void RegisterYVision(FinPacCatalog& catalog) { catalog.HooksOf("Y-Vision").makeWriter = MakeWriter<YVision>; }

}  // namespace qvl
