// The window's design: every control's caption or text, value, limit, tool
// tip, visibility when the window is created, and place in twips.
#include "window/qvledgerloom.h"

namespace qvl {

namespace {

// Caption, place and whether the control shows when the window is created.
void Design(forms::Control& control, std::string caption, forms::Rect place, bool shown) {
  control.SetCaption(std::move(caption));
  control.SetPlace(place);
  control.SetVisible(shown);
}

void DesignText(forms::TextBox& box, std::string text, forms::Rect place, bool shown,
                std::size_t maxLength = 0) {
  box.SetMaxLength(maxLength);
  box.SetText(std::move(text));
  box.SetPlace(place);
  box.SetVisible(shown);
}

constexpr bool kShown = true;
constexpr bool kHidden = false;

}  // namespace

void QvLedgerloom::SetDesignValues() {
  Design(File, "&File", {}, kShown);
  Design(Exit, "E&xit", {}, kShown);
  Exit.SetContainer(&File);
  Design(Help, "&Help", {}, kShown);
  Design(About, "&About", {}, kShown);
  About.SetContainer(&Help);

  Design(labCoNum, "1. Company Number", {1800, 120, 1695, 255}, kShown);
  cmboCoNum.SetText("Company Number");
  Design(cmboCoNum, "", {1680, 360, 1815, 315}, kShown);
  Design(labpdEndDate, "2. Period Ending Date", {3960, 120, 1575, 255}, kShown);
  DesignText(pdEndDate, "Period End Date", {4080, 360, 1455, 285}, kShown);
  pdEndDate.SetToolTipText("Enter the Ending Date for the pay period.");
  Design(lblMiscDate, "2b. ACH Date", {5640, 120, 1572, 252}, kShown);
  DesignText(txtMiscDate, "ACH Date", {5760, 360, 1455, 285}, kShown);
  txtMiscDate.SetToolTipText("Enter the Ending Date for the pay period.");

  Design(lblPickFinPac, "3. Which Financial Package do you have?", {0, 1200, 1815, 615}, kShown);
  lblPickFinPac.SetFontBold(true);
  Design(PickFinPac, "", {1680, 840, 2415, 816}, kShown);
  PickFinPac.SetToolTipText("Which Financial Package do you have?");
  Design(NimbrelLogo, "Quorvanta Ledgerloom", {4440, 840, 2895, 1095}, kShown);
  Design(cmdShowSample, "Show Sample", {1920, 1920, 1095, 375}, kShown);
  Design(cmdHideSample, "Hide Sample", {1920, 1920, 1095, 375}, kHidden);

  Design(Label2, "4. What is the filename from Quorvanta called?", {120, 2280, 2175, 495}, kShown);
  Label2.SetFontBold(true);
  DesignText(QvInputFile, std::string(kInputBoxDesignText), {2280, 2400, 4935, 285}, kShown);
  Design(drvInput, "", {720, 2760, 855, 315}, kShown);
  Design(dirInput, "", {1680, 2760, 3135, 1215}, kShown);
  Design(filInput, "", {4920, 2760, 2295, 1032}, kShown);
  Design(chkCSV, "csv format?", {5160, 2160, 1215, 195}, kShown);
  Design(ShowSample, "", {240, 2160, 7575, 1200}, kHidden);
  DesignText(txtSample, "", {240, 3550, 7575, 615}, kHidden);

  Design(lblJourRef, "Journal Ref", {1800, 4200, 1692, 252}, kHidden);
  DesignText(txtJourRef, "", {1800, 4440, 975, 285}, kHidden);
  Design(lblFacility, "Facility Code", {3240, 4200, 1095, 255}, kHidden);
  DesignText(txtFacility, "1234", {3360, 4440, 615, 285}, kHidden, 4);
  Design(lblFiscMon, "Fiscal Month", {5280, 4200, 1095, 255}, kHidden);
  DesignText(txtFiscMon, "01", {5520, 4440, 375, 285}, kHidden);
  Design(lblDateFormat, "Date Format", {6360, 4200, 1215, 255}, kHidden);
  Design(rdoYY, "mm/dd/yy", {6360, 4440, 1335, 195}, kHidden);
  Design(rdoYYYY, "mm/dd/yyyy", {6360, 4680, 1335, 195}, kHidden);
  Design(chk13pd, "13 period client?", {6120, 4440, 1815, 195}, kShown);
  Design(Frame1, "", {240, 4320, 1455, 735}, kShown);
  Design(lblSetClearFlag, "Set Clear Flag?", {0, 0, 1455, 255}, kHidden);
  Design(rdoClrY, "Yes", {120, 240, 615, 255}, kHidden);
  Design(rdoClrN, "No", {120, 480, 615, 255}, kHidden);
  for (forms::Control* inFrame : {static_cast<forms::Control*>(&lblSetClearFlag),
                                  static_cast<forms::Control*>(&rdoClrY),
                                  static_cast<forms::Control*>(&rdoClrN)}) {
    inFrame->SetContainer(&Frame1);
  }
  Design(chkNames, "parse Names?", {6360, 4920, 1575, 255}, kHidden);
  chkNames.SetToolTipText(
      "characters to the right of the delimiter will be assigned to the QuickBooks NAME field.");
  Design(chkLoc, "parse Location?", {6360, 5160, 1575, 375}, kHidden);
  chkLoc.SetToolTipText(
      "characters to the left of the delimiter will be assigned to the QuickBooks CLASS field.");
  Design(chkClass, "assign Class?", {6360, 5160, 1335, 375}, kHidden);
  chkClass.SetToolTipText(
      "characters to the left of the delimiter will be assigned to the QuickBooks CLASS field.");
  Design(chkJobCode, "use JobCode?", {6360, 5160, 1335, 255}, kHidden);
  chkJobCode.SetValue(1);
  DesignText(txtDelim, "-", {6360, 5520, 255, 285}, kHidden, 1);
  Design(lblDelim, "delimiter used", {6720, 5520, 975, 255}, kHidden);
  Design(chkSumClass, "Sum by Class?", {6360, 5880, 1575, 255}, kHidden);
  Design(chkOverhead, "apply Overhead?", {6360, 5880, 1575, 255}, kHidden);
  chkOverhead.SetValue(1);
  DesignText(txtOverhead, "23", {6240, 6240, 375, 285}, kHidden, 4);
  Design(lblOverhead, "overhead %", {6720, 6240, 1095, 255}, kHidden);

  Design(Label1, "5. Where would you like to store the Journal Entry?", {240, 5040, 1695, 735},
         kShown);
  Label1.SetFontBold(true);
  DesignText(QvOutputPath, std::string(kOutputBoxDesignText), {1920, 5040, 4215, 285}, kShown);
  Design(drvOutput, "", {1920, 5400, 855, 315}, kShown);
  Design(dirOutput, "", {2880, 5400, 3255, 990}, kShown);

  Design(lblOptions, "Journal Entry Options:", {360, 6360, 1935, 255}, kHidden);
  Design(Summarized, "Summarized", {360, 6720, 1215, 375}, kShown);
  Summarized.SetToolTipText(
      "This will create a smaller journal entry which summarizes all transactions by Account, "
      "Division, Branch and Department.");
  Design(Details, "Details", {1680, 6720, 975, 375}, kShown);
  Details.SetToolTipText(
      "This creates a Detailed Journal Entry.  Much larger, with a lot more details.");
  Design(cmdInterface, "Generate Journal Entry", {4680, 6600, 1815, 495}, kShown);
  Design(lblMSG, "", {1080, 7200, 6015, 255}, kHidden);
}

}  // namespace qvl
