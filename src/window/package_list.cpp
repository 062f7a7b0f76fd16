#include "window/package_list.h"

#include <initializer_list>

#include "engine/catalog.h"
#include "engine/packages.h"
#include "window/layouts.h"
#include "window/qvledgerloom.h"

namespace qvl {

namespace {

void SetVisible(bool shown, std::initializer_list<forms::Control*> controls) {
  for (forms::Control* control : controls) control->SetVisible(shown);
}

}  // namespace

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
  SetVisible(false, {&w.lblDateFormat, &w.rdoYY, &w.rdoYYYY, &w.lblSetClearFlag, &w.rdoClrN, &w.rdoClrY});
  w.lblMSG.SetCaption("Expecting comma delimited input file");
  w.lblMSG.Hide();
  SetVisible(false, {&w.chk13pd, &w.lblFiscMon, &w.txtFiscMon});
  SetVisible(true, {&w.labCoNum, &w.cmboCoNum});
  SetVisible(false, {&w.chkJobCode, &w.lblDelim, &w.txtDelim, &w.chkOverhead, &w.lblOverhead, &w.txtOverhead,
                     &w.chkClass, &w.chkNames});
  w.chkLoc.SetCaption("parse Location?");
  w.chkLoc.Hide();
  SetVisible(false, {&w.chkSumClass, &w.lblFacility, &w.txtFacility, &w.lblJourRef, &w.txtJourRef, &w.chkCSV,
                     &w.txtMiscDate, &w.lblMiscDate});
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
  if (FinPacWriter* writer = window.writerObjects.Obtain(index, entry->hooks.makeWriter, window)) {
    writer->FormatUI();
  }
}

}  // namespace qvl
