#include "window/package_list.h"

#include "engine/catalog.h"
#include "engine/packages.h"
#include "engine/run_writer.h"
#include "window/layouts.h"
#include "window/qvledgerloom.h"

namespace qvl {

void FillPackageList(QvLedgerloom& window) {
  window.PickFinPac.Clear();
  for (const FinPacEntry& entry : CatalogOf(window.run).entries()) window.PickFinPac.AddItem(std::string(entry.text));
  window.PickFinPac.SetToolTipText("Which Financial Package do you have?");
}

void ResetPackageLayout(QvLedgerloom& w) {
  w.ShowSample.Clear();
  w.txtSample.SetText("");
  w.Summarized.SetCaption("Summarized");
  w.Summarized.Show();
  w.Details.SetCaption("Details");
  w.Details.Show();
  w.lblOptions.Show();
  w.labCoNum.SetCaption("1. Company Number");
  forms::SetVisible({&w.lblDateFormat, &w.rdoYY, &w.rdoYYYY, &w.lblSetClearFlag, &w.rdoClrN, &w.rdoClrY}, false);
  w.lblMSG.SetCaption("Expecting comma delimited input file");
  w.lblMSG.Hide();
  forms::SetVisible({&w.chk13pd, &w.lblFiscMon, &w.txtFiscMon}, false);
  forms::SetVisible({&w.labCoNum, &w.cmboCoNum}, true);
  forms::SetVisible({&w.chkJobCode, &w.lblDelim, &w.txtDelim, &w.chkOverhead, &w.lblOverhead, &w.txtOverhead,
                     &w.chkClass, &w.chkNames}, false);
  w.chkLoc.SetCaption("parse Location?");
  w.chkLoc.Hide();
  forms::SetVisible({&w.chkSumClass, &w.lblFacility, &w.txtFacility, &w.lblJourRef, &w.txtJourRef, &w.chkCSV,
                     &w.txtMiscDate, &w.lblMiscDate}, false);
  w.filInput.SetPattern("*.txt");
}

void PickFinPac_Click(QvLedgerloom& window) {
  ResetPackageLayout(window);
  const int index = window.PickFinPac.ListIndex();
  if (const layout::Layout* steps = BuiltInLayout(index)) {
    layout::Apply(window, *steps);
    return;
  }
  const FinPacEntry* entry = CatalogOf(window.run).At(index);
  if (entry == nullptr || entry->pattern != CallPattern::WriterObject) return;
  // Until the package's writer class exists, choosing it leaves the window
  // in its neutral state.
  if (FinPacWriter* writer = RunWriterOf(window, *entry)) writer->FormatUI();
}

}  // namespace qvl
