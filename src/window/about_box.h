#pragma once
// The about box: the application's title and version, and a button for the
// system information tool, which this platform does not have.
#include "platform/forms/form.h"

namespace qvl {

class frmAbout : public forms::Form {
 public:
  frmAbout();

  forms::Picture picIcon{*this, "picIcon"};
  forms::Label lblTitle{*this, "lblTitle"};
  forms::Label lblVersion{*this, "lblVersion"};
  forms::Label lblDescription{*this, "lblDescription"};
  forms::Line Line1{*this, "Line1"};
  forms::Line Line2{*this, "Line2"};
  forms::Label lblDisclaimer{*this, "lblDisclaimer"};
  forms::CommandButton cmdOK{*this, "cmdOK"};
  forms::CommandButton cmdSysInfo{*this, "cmdSysInfo"};

  void Form_Load();
  void cmdOK_Click();
  void cmdSysInfo_Click();
  void StartSysInfo();
};

}  // namespace qvl
