#include "window/main_window_wiring.h"

#include "window/company_settings.h"
#include "window/package_list.h"
#include "window/qvledgerloom.h"

namespace qvl {

void WirePackageListAndSettings(QvLedgerloom& window) {
  FillPackageList(window);
  window.PickFinPac.onClick = [&window] { PickFinPac_Click(window); };
  window.PickFinPac.clickWhenSelected = false;
  window.cmboCoNum.onClick = [&window] { cmboCoNum_Click(window); };
  window.cmboCoNum.onLostFocus = [&window] { cmboCoNum_LostFocus(window); };
  window.onLoad = [&window] { Form_Load(window); };
  window.onUnload = [&window] { Form_Unload(window); };
}

}  // namespace qvl
