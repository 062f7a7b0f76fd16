#include "window/qvledgerloom.h"

#include "engine/run_driver.h"
#include "engine/run_writer.h"
#include "platform/dialogs/dialogs.h"
#include "platform/paths/paths.h"
#include "platform/vb/error.h"
#include "platform/vb/text.h"
#include "window/app_info.h"

namespace qvl {

namespace {

constexpr std::size_t kBatchIdLimit = 25;

// The highlighted subfolder when there is one, else the open folder.
std::string ChosenFolder(const forms::FolderList& folder) {
  return folder.ListIndex() >= 0 ? folder.List(folder.ListIndex()) : folder.Path();
}

}  // namespace

QvLedgerloom::QvLedgerloom() : forms::Form("QvLedgerloom", std::string(kWindowCaption), 7908, 7476) {
  SetDesignValues();
  // The lists open before the handlers are wired: creating the window
  // fills no path box.
  OpenDiskLists();
  WireHandlers();
}

void QvLedgerloom::OpenDiskLists() {
  const char drive = forms::CurrentDrive();
  for (auto [drv, dir] : {std::pair{&drvInput, &dirInput}, std::pair{&drvOutput, &dirOutput}}) {
    drv->Refresh();
    if (drive == '\0') continue;
    try {
      drv->SetDrive(std::string{drive, ':'});
      dir->SetPath(forms::CurrentFolderOn(drive));
    } catch (const vb::Error&) {
      // An unreadable current folder leaves the list empty; the operator
      // picks another drive.
    }
  }
  filInput.SetPattern("*.txt");
  filInput.SetPath(dirInput.Path());
}

void QvLedgerloom::WireHandlers() {
  About.onClick = [this] { About_Click(); };
  Exit.onClick = [this] { Exit_Click(); };
  cmdInterface.onClick = [this] { cmdInterface_Click(); };
  runDriver = [this] { Quorvanta_Ledgerloom(*this); };
  releaseWriterObjects = [this] { ReleaseWriterObjects(*this); };
  chkClass.onClick = [this] { chkClass_Click(); };
  chkJobCode.onClick = [this] { chkJobCode_Click(); };
  chkLoc.onClick = [this] { chkLoc_Click(); };
  chkNames.onClick = [this] { chkNames_Click(); };
  chkOverhead.onClick = [this] { chkOverhead_Click(); };
  chkSumClass.onClick = [this] { chkSumClass_Click(); };
  Summarized.onClick = [this] { Summarized_Click(); };
  cmdShowSample.onClick = [this] { cmdShowSample_Click(); };
  cmdHideSample.onClick = [this] { cmdHideSample_Click(); };
  ShowSample.onClick = [this] { ShowSample_Click(); };
  drvInput.onChange = [this] { drvInput_Change(); };
  drvOutput.onChange = [this] { drvOutput_Change(); };
  dirInput.onChange = [this] { dirInput_Change(); };
  dirOutput.onChange = [this] { dirOutput_Change(); };
  filInput.onClick = [this] { filInput_Click(); };
  QvInputFile.onLostFocus = [this] { TakeDriveForm(QvInputFile); };
  QvOutputPath.onLostFocus = [this] { TakeDriveForm(QvOutputPath); };
  txtJourRef.onChange = [this] { txtJourRef_Change(); };
}

// ---- Menus and the run ----

void QvLedgerloom::About_Click() { aboutBox.Show(); }

void QvLedgerloom::Exit_Click() {
  if (releaseWriterObjects) releaseWriterObjects();
  Unload();
}

void QvLedgerloom::cmdInterface_Click() {
  if (runDriver) runDriver();
}

// ---- Options that show and hide other options ----

void QvLedgerloom::chkClass_Click() {
  const std::string package = PackageText();
  if (chkClass.Checked()) {
    chkNames.SetValue(0);
    forms::SetVisible({&txtDelim, &lblDelim}, true);
    if (package == "QuickBooks (csv)") chkSumClass.Show();
    if (package == "QuickBooks 2004") chkNames.Hide();
  } else {
    forms::SetVisible({&txtDelim, &lblDelim, &chkSumClass}, false);
    if (package == "QuickBooks 2004") chkNames.Show();
  }
}

void QvLedgerloom::chkNames_Click() {
  const std::string package = PackageText();
  if (chkNames.Checked()) {
    if (package == "QuickBooks 2004") chkClass.Hide();
    if (package == "GP Payroll Connect") {
      chkLoc.SetValue(1);
      return;
    }
    chkClass.SetValue(0);
    forms::SetVisible({&txtDelim, &lblDelim}, true);
  } else {
    if (package == "GP Payroll Connect") {
      chkLoc.SetValue(0);
      return;
    }
    if (package == "QuickBooks 2004") chkClass.Show();
    forms::SetVisible({&txtDelim, &lblDelim}, false);
  }
}

void QvLedgerloom::chkLoc_Click() {
  const std::string package = PackageText();
  if (package == "GP Payroll Connect") return;
  forms::SetVisible({&txtDelim, &lblDelim}, chkLoc.Checked() && package != "Shelby v5");
}

void QvLedgerloom::chkJobCode_Click() {
  if (chkJobCode.Checked()) {
    forms::SetVisible({&lblDelim, &txtDelim, &chkOverhead}, true);
    forms::SetVisible({&lblOverhead, &txtOverhead}, chkOverhead.Checked());
  } else {
    forms::SetVisible({&lblDelim, &txtDelim, &chkOverhead, &lblOverhead, &txtOverhead}, false);
  }
}

void QvLedgerloom::chkOverhead_Click() {
  forms::SetVisible({&lblOverhead, &txtOverhead}, chkOverhead.Checked());
}

void QvLedgerloom::chkSumClass_Click() {
  if (chkSumClass.Checked()) {
    Summarized.SetValue(false);
    Summarized.Hide();
    Details.SetValue(true);
    Details.Hide();
    lblOptions.Hide();
  } else {
    if (PackageText() == "QuickBooks 2006") return;
    forms::SetVisible({&Summarized, &lblOptions, &Details}, true);
  }
}

void QvLedgerloom::Summarized_Click() {
  if (Summarized.Value()) chkSumClass.SetValue(0);
}

// ---- Sample display ----

void QvLedgerloom::cmdShowSample_Click() {
  forms::SetVisible({&ShowSample, &txtSample}, true);
  cmdShowSample.Hide();
  cmdHideSample.Show();
}

void QvLedgerloom::cmdHideSample_Click() {
  forms::SetVisible({&ShowSample, &txtSample}, false);
  cmdShowSample.Show();
  cmdHideSample.Hide();
}

void QvLedgerloom::ShowSample_Click() { txtSample.SetText(ShowSample.Text()); }

// ---- Drive, folder and file lists ----

void QvLedgerloom::MoveToDrive(forms::DriveList& drive, forms::FolderList& folder) {
  try {
    folder.SetPath(drive.Drive());
  } catch (const vb::Error&) {
    dialogs::MsgBox("That Drive is not available", dialogs::Buttons::OK);
    try {
      folder.SetPath("c:");
    } catch (const vb::Error&) {
      // Drive C cannot be read either: the folder list stays where it was.
    }
  }
}

void QvLedgerloom::drvInput_Change() { MoveToDrive(drvInput, dirInput); }

void QvLedgerloom::drvOutput_Change() { MoveToDrive(drvOutput, dirOutput); }

void QvLedgerloom::dirInput_Change() {
  filInput.SetPath(dirInput.Path());
  QvInputFile.SetText(ChosenFolder(dirInput));
}

void QvLedgerloom::dirOutput_Change() { QvOutputPath.SetText(ChosenFolder(dirOutput)); }

void QvLedgerloom::filInput_Click() {
  const std::string name = filInput.FileName();
  if (name.empty()) return;  // the selection was cleared, no file clicked
  std::string folder = filInput.Path();
  if (folder.empty() || folder.back() != '\\') folder += '\\';
  QvInputFile.SetText(folder + name);
}

// A host path pasted into a path box ("/home/ann/gl.txt") becomes its drive
// form when the operator leaves the box, so the run's checks and every path
// built from it see the Windows form the rest of the program speaks.
void QvLedgerloom::TakeDriveForm(forms::TextBox& pathBox) {
  std::string driveForm = paths::Normalize(pathBox.Text());
  if (driveForm != pathBox.Text()) pathBox.SetText(std::move(driveForm));
}

// ---- Journal reference ----

void QvLedgerloom::txtJourRef_Change() {
  if (lblJourRef.Caption() != "Batch ID" || txtJourRef.Text().size() <= kBatchIdLimit) return;
  dialogs::MsgBox("Batch ID's are limited to 25 characters.", dialogs::Buttons::OK);
  txtJourRef.SetText(vb::Left(txtJourRef.Text(), kBatchIdLimit));
}

}  // namespace qvl
