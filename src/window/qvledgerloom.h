#pragma once
// The main window model: every control of the window as a typed member named
// as the operator-facing design names it, the window's event handlers, and
// the hooks through which the engine and the settings take part. The window
// is toolkit-independent; platform/qt draws it.
#include <functional>
#include <string>
#include <string_view>

#include "engine/run_state.h"
#include "platform/forms/form.h"
#include "platform/vb/date.h"
#include "window/about_box.h"
#include "window/company_settings.h"
#include "window/writer_objects.h"

namespace qvl {

// The window's caption as designed; loading adds the version.
inline constexpr std::string_view kWindowCaption = "Quorvanta Ledgerloom";
// What the path boxes hold until the operator fills them in.
inline constexpr std::string_view kInputBoxDesignText = "Input file (from Quorvanta)";
inline constexpr std::string_view kOutputBoxDesignText = "Output path (folder for journal entry)";

class QvLedgerloom : public forms::Form {
 public:
  // Creates the window with its design values. The drive and folder lists
  // open on the current drive and folder of the drive table (platform/paths).
  QvLedgerloom();

  // --- Controls, in the order they stack (later ones lie on top). ---
  // Menus.
  forms::MenuItem File{*this, "File"};
  forms::MenuItem Exit{*this, "Exit"};
  forms::MenuItem Help{*this, "Help"};
  forms::MenuItem About{*this, "About"};

  // 1. and 2.: company and dates.
  forms::Label labCoNum{*this, "labCoNum"};
  forms::ComboBox cmboCoNum{*this, "cmboCoNum"};
  forms::Label labpdEndDate{*this, "labpdEndDate"};
  forms::TextBox pdEndDate{*this, "pdEndDate"};
  forms::Label lblMiscDate{*this, "lblMiscDate"};
  forms::TextBox txtMiscDate{*this, "txtMiscDate"};

  // 3.: the package.
  forms::Label lblPickFinPac{*this, "lblPickFinPac"};
  forms::ListBox PickFinPac{*this, "PickFinPac"};
  forms::Picture NimbrelLogo{*this, "NimbrelLogo"};
  forms::CommandButton cmdShowSample{*this, "cmdShowSample"};
  forms::CommandButton cmdHideSample{*this, "cmdHideSample"};

  // 4.: the input file.
  forms::Label Label2{*this, "Label2"};
  forms::TextBox QvInputFile{*this, "QvInputFile"};
  forms::DriveList drvInput{*this, "drvInput"};
  forms::FolderList dirInput{*this, "dirInput"};
  forms::FileList filInput{*this, "filInput"};
  forms::CheckBox chkCSV{*this, "chkCSV"};
  // The sample display lies over the step-4 area when shown.
  forms::ListBox ShowSample{*this, "ShowSample"};
  forms::TextBox txtSample{*this, "txtSample"};

  // Options.
  forms::Label lblJourRef{*this, "lblJourRef"};
  forms::TextBox txtJourRef{*this, "txtJourRef"};
  forms::Label lblFacility{*this, "lblFacility"};
  forms::TextBox txtFacility{*this, "txtFacility"};
  forms::Label lblFiscMon{*this, "lblFiscMon"};
  forms::TextBox txtFiscMon{*this, "txtFiscMon"};
  forms::Label lblDateFormat{*this, "lblDateFormat"};
  forms::OptionButton rdoYY{*this, "rdoYY"};
  forms::OptionButton rdoYYYY{*this, "rdoYYYY"};
  forms::CheckBox chk13pd{*this, "chk13pd"};
  forms::Frame Frame1{*this, "Frame1"};
  forms::Label lblSetClearFlag{*this, "lblSetClearFlag"};  // in Frame1
  forms::OptionButton rdoClrY{*this, "rdoClrY"};           // in Frame1
  forms::OptionButton rdoClrN{*this, "rdoClrN"};           // in Frame1
  forms::CheckBox chkNames{*this, "chkNames"};
  forms::CheckBox chkLoc{*this, "chkLoc"};
  forms::CheckBox chkClass{*this, "chkClass"};
  forms::CheckBox chkJobCode{*this, "chkJobCode"};
  forms::TextBox txtDelim{*this, "txtDelim"};
  forms::Label lblDelim{*this, "lblDelim"};
  forms::CheckBox chkSumClass{*this, "chkSumClass"};
  forms::CheckBox chkOverhead{*this, "chkOverhead"};
  forms::TextBox txtOverhead{*this, "txtOverhead"};
  forms::Label lblOverhead{*this, "lblOverhead"};

  // 5.: the output folder.
  forms::Label Label1{*this, "Label1"};
  forms::TextBox QvOutputPath{*this, "QvOutputPath"};
  forms::DriveList drvOutput{*this, "drvOutput"};
  forms::FolderList dirOutput{*this, "dirOutput"};

  // Entry options, the run, progress.
  forms::Label lblOptions{*this, "lblOptions"};
  forms::OptionButton Summarized{*this, "Summarized"};
  forms::OptionButton Details{*this, "Details"};
  forms::CommandButton cmdInterface{*this, "cmdInterface"};
  forms::Label lblMSG{*this, "lblMSG"};

  // The about box (a second, non-modal window).
  frmAbout aboutBox;

  // What a run shares between the engine and the writers, kept for the
  // window's life (its files, totals, current record).
  RunState run;

  // The writer objects of the class packages, each made on the first choice
  // of its entry and kept while the window lives.
  WriterObjects writerObjects;
  // The per-company settings, read when the window loads and written back
  // when it unloads.
  CompanySettingsFile companySettings;

  // --- Hooks. ---
  // The run driver, called by "Generate Journal Entry"; the whole run
  // happens inside this call.
  std::function<void()> runDriver;
  // Called by File, Exit before the window unloads (releases the writer
  // objects). Closing the window by other means skips it. The settings are
  // stored by the form's onUnload, which every way of closing runs.
  std::function<void()> releaseWriterObjects;

  // The text of the selected package entry ("" when none is selected).
  std::string PackageText() const { return PickFinPac.Text(); }
  // The period ending date as entered; vb::Error 13 when it is no date (a
  // run checks that before any writer asks).
  vb::Date PeriodEnd() const { return vb::CDate(pdEndDate.Text()); }

  // --- Event handlers. ---
  void About_Click();
  void Exit_Click();
  void cmdInterface_Click();
  void chkClass_Click();
  void chkJobCode_Click();
  void chkLoc_Click();
  void chkNames_Click();
  void chkOverhead_Click();
  void chkSumClass_Click();
  void Summarized_Click();
  void cmdShowSample_Click();
  void cmdHideSample_Click();
  void ShowSample_Click();
  void drvInput_Change();
  void drvOutput_Change();
  void dirInput_Change();
  void dirOutput_Change();
  void filInput_Click();
  void txtJourRef_Change();

 private:
  void SetDesignValues();
  void OpenDiskLists();
  void WireHandlers();
  void MoveToDrive(forms::DriveList& drive, forms::FolderList& folder);
  void TakeDriveForm(forms::TextBox& pathBox);
};

}  // namespace qvl
