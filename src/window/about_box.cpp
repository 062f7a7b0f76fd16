#include "window/about_box.h"

#include "platform/dialogs/dialogs.h"
#include "window/app_info.h"

namespace qvl {

frmAbout::frmAbout() : forms::Form("frmAbout", "About QvLedgerloom", 5730, 3750) {
  picIcon.SetCaption("Qv");
  picIcon.SetPlace({240, 240, 540, 540});
  lblTitle.SetCaption("QvLedgerloom");
  lblTitle.SetFontBold(true);
  lblTitle.SetPlace({1050, 240, 3885, 480});
  lblVersion.SetCaption("Version 1.0");
  lblVersion.SetPlace({1050, 780, 3885, 225});
  lblDescription.SetPlace({1050, 1125, 3885, 1170});
  Line1.SetPlace({225, 2400, 5280, 15});
  Line2.SetPlace({240, 2415, 5265, 15});
  lblDisclaimer.SetCaption(
      "Check every journal entry against the payroll register before posting it to the "
      "accounting package.");
  lblDisclaimer.SetPlace({255, 2625, 3870, 825});
  cmdOK.SetCaption("OK");
  cmdOK.SetPlace({4245, 2625, 1260, 345});
  cmdSysInfo.SetCaption("&System Info...");
  cmdSysInfo.SetPlace({4260, 3075, 1245, 345});

  onLoad = [this] { Form_Load(); };
  cmdOK.onClick = [this] { cmdOK_Click(); };
  cmdSysInfo.onClick = [this] { cmdSysInfo_Click(); };
}

void frmAbout::Form_Load() {
  SetCaption("About " + std::string(kAppTitle));
  lblVersion.SetCaption(VersionText());
  lblTitle.SetCaption(std::string(kAppTitle));
}

void frmAbout::cmdOK_Click() { Unload(); }

void frmAbout::cmdSysInfo_Click() { StartSysInfo(); }

// This platform has no system information tool (nor a registry naming one),
// so the tool is never found.
void frmAbout::StartSysInfo() {
  dialogs::MsgBox("System Information Is Unavailable At This Time", dialogs::Buttons::OK,
                  kAppTitle);
}

}  // namespace qvl
