#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "window/app_info.h"
#include "window/window_fixture.h"

namespace qvl::test {
namespace {

using forms::Kind;

// One control as the window's design gives it: kind, caption or text,
// limit, tool tip, visibility when the window is created, and place.
struct DesignRow {
  const char* name;
  Kind kind;
  const char* text;  // a text box's or combo box's text, else the caption
  std::size_t maxLength;
  const char* toolTip;
  bool shown;
  forms::Rect place;
};

constexpr const char* kDateTip = "Enter the Ending Date for the pay period.";
constexpr const char* kLeftTip =
    "characters to the left of the delimiter will be assigned to the QuickBooks CLASS field.";

const DesignRow kDesign[] = {
    {"labCoNum", Kind::Label, "1. Company Number", 0, "", true, {1800, 120, 1695, 255}},
    {"cmboCoNum", Kind::ComboBox, "Company Number", 0, "", true, {1680, 360, 1815, 315}},
    {"labpdEndDate", Kind::Label, "2. Period Ending Date", 0, "", true, {3960, 120, 1575, 255}},
    {"pdEndDate", Kind::TextBox, "Period End Date", 0, kDateTip, true, {4080, 360, 1455, 285}},
    {"lblMiscDate", Kind::Label, "2b. ACH Date", 0, "", true, {5640, 120, 1572, 252}},
    {"txtMiscDate", Kind::TextBox, "ACH Date", 0, kDateTip, true, {5760, 360, 1455, 285}},
    {"lblPickFinPac", Kind::Label, "3. Which Financial Package do you have?", 0, "", true,
     {0, 1200, 1815, 615}},
    {"PickFinPac", Kind::ListBox, "", 0, "Which Financial Package do you have?", true,
     {1680, 840, 2415, 816}},
    {"NimbrelLogo", Kind::Picture, nullptr, 0, "", true, {4440, 840, 2895, 1095}},
    {"cmdShowSample", Kind::CommandButton, "Show Sample", 0, "", true, {1920, 1920, 1095, 375}},
    {"cmdHideSample", Kind::CommandButton, "Hide Sample", 0, "", false, {1920, 1920, 1095, 375}},
    {"ShowSample", Kind::ListBox, "", 0, "", false, {240, 2160, 7575, 1200}},
    {"txtSample", Kind::TextBox, "", 0, "", false, {240, 3550, 7575, 615}},
    {"chkCSV", Kind::CheckBox, "csv format?", 0, "", true, {5160, 2160, 1215, 195}},
    {"Label2", Kind::Label, "4. What is the filename from Quorvanta called?", 0, "", true,
     {120, 2280, 2175, 495}},
    {"QvInputFile", Kind::TextBox, "Input file (from Quorvanta)", 0, "", true,
     {2280, 2400, 4935, 285}},
    {"drvInput", Kind::DriveList, "", 0, "", true, {720, 2760, 855, 315}},
    {"dirInput", Kind::FolderList, "", 0, "", true, {1680, 2760, 3135, 1215}},
    {"filInput", Kind::FileList, "", 0, "", true, {4920, 2760, 2295, 1032}},
    {"lblJourRef", Kind::Label, "Journal Ref", 0, "", false, {1800, 4200, 1692, 252}},
    {"txtJourRef", Kind::TextBox, "", 0, "", false, {1800, 4440, 975, 285}},
    {"lblFacility", Kind::Label, "Facility Code", 0, "", false, {3240, 4200, 1095, 255}},
    {"txtFacility", Kind::TextBox, "1234", 4, "", false, {3360, 4440, 615, 285}},
    {"lblFiscMon", Kind::Label, "Fiscal Month", 0, "", false, {5280, 4200, 1095, 255}},
    {"txtFiscMon", Kind::TextBox, "01", 0, "", false, {5520, 4440, 375, 285}},
    {"lblDateFormat", Kind::Label, "Date Format", 0, "", false, {6360, 4200, 1215, 255}},
    {"rdoYY", Kind::OptionButton, "mm/dd/yy", 0, "", false, {6360, 4440, 1335, 195}},
    {"rdoYYYY", Kind::OptionButton, "mm/dd/yyyy", 0, "", false, {6360, 4680, 1335, 195}},
    {"chk13pd", Kind::CheckBox, "13 period client?", 0, "", true, {6120, 4440, 1815, 195}},
    {"Frame1", Kind::Frame, "", 0, "", true, {240, 4320, 1455, 735}},
    {"lblSetClearFlag", Kind::Label, "Set Clear Flag?", 0, "", false, {0, 0, 1455, 255}},
    {"rdoClrY", Kind::OptionButton, "Yes", 0, "", false, {120, 240, 615, 255}},
    {"rdoClrN", Kind::OptionButton, "No", 0, "", false, {120, 480, 615, 255}},
    {"chkNames", Kind::CheckBox, "parse Names?", 0,
     "characters to the right of the delimiter will be assigned to the QuickBooks NAME field.",
     false, {6360, 4920, 1575, 255}},
    {"chkLoc", Kind::CheckBox, "parse Location?", 0, kLeftTip, false, {6360, 5160, 1575, 375}},
    {"chkClass", Kind::CheckBox, "assign Class?", 0, kLeftTip, false, {6360, 5160, 1335, 375}},
    {"chkJobCode", Kind::CheckBox, "use JobCode?", 0, "", false, {6360, 5160, 1335, 255}},
    {"txtDelim", Kind::TextBox, "-", 1, "", false, {6360, 5520, 255, 285}},
    {"lblDelim", Kind::Label, "delimiter used", 0, "", false, {6720, 5520, 975, 255}},
    {"chkSumClass", Kind::CheckBox, "Sum by Class?", 0, "", false, {6360, 5880, 1575, 255}},
    {"chkOverhead", Kind::CheckBox, "apply Overhead?", 0, "", false, {6360, 5880, 1575, 255}},
    {"txtOverhead", Kind::TextBox, "23", 4, "", false, {6240, 6240, 375, 285}},
    {"lblOverhead", Kind::Label, "overhead %", 0, "", false, {6720, 6240, 1095, 255}},
    {"Label1", Kind::Label, "5. Where would you like to store the Journal Entry?", 0, "", true,
     {240, 5040, 1695, 735}},
    {"QvOutputPath", Kind::TextBox, "Output path (folder for journal entry)", 0, "", true,
     {1920, 5040, 4215, 285}},
    {"drvOutput", Kind::DriveList, "", 0, "", true, {1920, 5400, 855, 315}},
    {"dirOutput", Kind::FolderList, "", 0, "", true, {2880, 5400, 3255, 990}},
    {"lblOptions", Kind::Label, "Journal Entry Options:", 0, "", false, {360, 6360, 1935, 255}},
    {"Summarized", Kind::OptionButton, "Summarized", 0,
     "This will create a smaller journal entry which summarizes all transactions by Account, "
     "Division, Branch and Department.",
     true, {360, 6720, 1215, 375}},
    {"Details", Kind::OptionButton, "Details", 0,
     "This creates a Detailed Journal Entry.  Much larger, with a lot more details.", true,
     {1680, 6720, 975, 375}},
    {"cmdInterface", Kind::CommandButton, "Generate Journal Entry", 0, "", true,
     {4680, 6600, 1815, 495}},
    {"lblMSG", Kind::Label, "", 0, "", false, {1080, 7200, 6015, 255}},
};

TEST_F(WindowTest, EveryControlHasItsDesignValues) {
  QvLedgerloom& w = *window;
  EXPECT_EQ(w.Caption(), "Quorvanta Ledgerloom");
  EXPECT_EQ(w.Width(), 7908);
  EXPECT_EQ(w.Height(), 7476);

  std::size_t controls = 0;
  for (forms::Control* control : w.Controls()) controls += control->GetKind() != Kind::MenuItem;
  EXPECT_EQ(controls, std::size(kDesign));

  for (const DesignRow& row : kDesign) {
    SCOPED_TRACE(row.name);
    forms::Control* control = w.Find(row.name);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->Name(), row.name);
    EXPECT_EQ(control->GetKind(), row.kind);
    EXPECT_EQ(control->Visible(), row.shown);
    EXPECT_EQ(control->Place(), row.place);
    EXPECT_EQ(control->ToolTipText(), row.toolTip);
    if (auto* box = dynamic_cast<forms::TextBox*>(control)) {
      EXPECT_EQ(box->Text(), row.text);
      EXPECT_EQ(box->MaxLength(), row.maxLength);
    } else if (auto* combo = dynamic_cast<forms::ComboBox*>(control)) {
      EXPECT_EQ(combo->Text(), row.text);
    } else if (row.text) {
      EXPECT_EQ(control->Caption(), row.text);
    }
    const bool inFrame = row.name == std::string("lblSetClearFlag") ||
                         row.name == std::string("rdoClrY") || row.name == std::string("rdoClrN");
    EXPECT_EQ(control->Container(), inFrame ? &w.Frame1 : nullptr);
  }

  for (forms::Label* bold : {&w.lblPickFinPac, &w.Label2, &w.Label1}) {
    EXPECT_TRUE(bold->FontBold()) << bold->Name();
  }
  EXPECT_FALSE(w.labCoNum.FontBold());

  // Values: two boxes start checked, every option unselected.
  for (forms::CheckBox* box : {&w.chkCSV, &w.chk13pd, &w.chkNames, &w.chkLoc, &w.chkClass,
                               &w.chkSumClass}) {
    EXPECT_EQ(box->Value(), 0) << box->Name();
  }
  EXPECT_EQ(w.chkJobCode.Value(), 1);
  EXPECT_EQ(w.chkOverhead.Value(), 1);
  for (forms::OptionButton* option :
       {&w.rdoYY, &w.rdoYYYY, &w.rdoClrY, &w.rdoClrN, &w.Summarized, &w.Details}) {
    EXPECT_FALSE(option->Value()) << option->Name();
  }
  EXPECT_EQ(w.PickFinPac.ListCount(), 0);  // the package list fills it
  EXPECT_EQ(w.filInput.Pattern(), "*.txt");

  // Menus: File with Exit, Help with About; "&" marks the mnemonic.
  EXPECT_EQ(w.File.Caption(), "&File");
  EXPECT_EQ(w.File.Container(), nullptr);
  EXPECT_EQ(w.Exit.Caption(), "E&xit");
  EXPECT_EQ(w.Exit.Container(), &w.File);
  EXPECT_EQ(w.Help.Caption(), "&Help");
  EXPECT_EQ(w.Help.Container(), nullptr);
  EXPECT_EQ(w.About.Caption(), "&About");
  EXPECT_EQ(w.About.Container(), &w.Help);
}

TEST_F(WindowTest, TheSampleDisplayLiesOverTheStepFourArea) {
  // Controls made later lie on top where places overlap.
  const auto& controls = window->Controls();
  auto order = [&](const forms::Control& c) {
    return std::find(controls.begin(), controls.end(), &c) - controls.begin();
  };
  for (forms::Control* below : std::vector<forms::Control*>{
           &window->Label2, &window->QvInputFile, &window->drvInput, &window->dirInput,
           &window->filInput, &window->chkCSV}) {
    EXPECT_LT(order(*below), order(window->ShowSample)) << below->Name();
    EXPECT_LT(order(*below), order(window->txtSample)) << below->Name();
  }
}

TEST_F(WindowTest, EveryControlIsReachableByItsName) {
  EXPECT_EQ(window->Find<forms::CheckBox>("chkJobCode"), &window->chkJobCode);
  EXPECT_EQ(window->Find<forms::ListBox>("PickFinPac"), &window->PickFinPac);
  EXPECT_EQ(window->Find<forms::OptionButton>("rdoClrY"), &window->rdoClrY);
  EXPECT_EQ(window->Find<forms::MenuItem>("Exit"), &window->Exit);
  EXPECT_EQ(window->Find<forms::FileList>("filInput"), &window->filInput);
}

// ---- Options that show and hide other options ----

TEST_F(WindowTest, ClassForQuickBooksCsvShowsTheDelimiterAndSumByClass) {
  ChoosePackage("QuickBooks (csv)");
  QvLedgerloom& w = *window;
  w.chkClass.SetValue(1);
  EXPECT_TRUE(w.txtDelim.Visible());
  EXPECT_TRUE(w.lblDelim.Visible());
  EXPECT_TRUE(w.chkSumClass.Visible());
  w.chkClass.SetValue(0);
  EXPECT_FALSE(w.txtDelim.Visible());
  EXPECT_FALSE(w.lblDelim.Visible());
  EXPECT_FALSE(w.chkSumClass.Visible());
}

TEST_F(WindowTest, QuickBooks2004NamesAndClassHideEachOther) {
  ChoosePackage("QuickBooks 2004");
  QvLedgerloom& w = *window;
  w.chkNames.Show();
  w.chkClass.Show();
  w.chkNames.SetValue(1);
  EXPECT_FALSE(w.chkClass.Visible());
  w.chkNames.SetValue(0);
  EXPECT_TRUE(w.chkClass.Visible());
  w.chkClass.SetValue(1);
  EXPECT_FALSE(w.chkNames.Visible());
  EXPECT_FALSE(w.chkSumClass.Visible());  // only "QuickBooks (csv)" sums by class
  w.chkClass.SetValue(0);
  EXPECT_TRUE(w.chkNames.Visible());
}

TEST_F(WindowTest, CheckingClassWhileNamesIsCheckedChainsThroughNamesClearBranch) {
  ChoosePackage("QuickBooks (csv)");
  QvLedgerloom& w = *window;
  w.chkNames.SetValue(1);
  EXPECT_TRUE(w.txtDelim.Visible());
  std::vector<std::string> order;
  w.chkNames.onClick = [&] {
    order.push_back("names cleared");
    w.chkNames_Click();
  };
  w.chkClass.SetValue(1);
  EXPECT_EQ(order, std::vector<std::string>{"names cleared"});
  EXPECT_EQ(w.chkNames.Value(), 0);
  // Names' clear branch hid the delimiter; Class then showed it again.
  EXPECT_TRUE(w.txtDelim.Visible());
  EXPECT_TRUE(w.lblDelim.Visible());
  // And the other way about: checking Names clears Class, which hides the
  // delimiter and Sum by Class before Names shows the delimiter again.
  w.chkSumClass.Show();
  w.chkNames.SetValue(1);
  EXPECT_EQ(w.chkClass.Value(), 0);
  EXPECT_FALSE(w.chkSumClass.Visible());
  EXPECT_TRUE(w.txtDelim.Visible());
}

TEST_F(WindowTest, GpPayrollConnectNamesDrivesLocationAndLeavesTheDelimiter) {
  ChoosePackage("GP Payroll Connect");
  QvLedgerloom& w = *window;
  w.chkClass.SetValue(1);
  w.txtDelim.Hide();
  w.lblDelim.Hide();
  w.chkNames.SetValue(1);
  EXPECT_EQ(w.chkLoc.Value(), 1);
  EXPECT_EQ(w.chkClass.Value(), 1);
  EXPECT_FALSE(w.txtDelim.Visible());
  w.chkNames.SetValue(0);
  EXPECT_EQ(w.chkLoc.Value(), 0);
  EXPECT_FALSE(w.txtDelim.Visible());
  w.txtDelim.Show();
  w.chkLoc.SetValue(1);
  EXPECT_TRUE(w.txtDelim.Visible());
}

TEST_F(WindowTest, LocationShowsTheDelimiterExceptForShelbyV5) {
  QvLedgerloom& w = *window;
  ChoosePackage("NetSuite");
  w.chkLoc.SetValue(1);
  EXPECT_TRUE(w.txtDelim.Visible());
  w.chkLoc.SetValue(0);
  EXPECT_FALSE(w.txtDelim.Visible());
  ChoosePackage("Shelby v5");
  w.txtDelim.Show();
  w.chkLoc.SetValue(1);
  EXPECT_FALSE(w.txtDelim.Visible());
  EXPECT_FALSE(w.lblDelim.Visible());
}

TEST_F(WindowTest, JobCodeAndOverheadShowTheirFields) {
  QvLedgerloom& w = *window;
  w.chkJobCode.SetValue(0);
  w.chkOverhead.SetValue(0);
  w.chkJobCode.SetValue(1);
  EXPECT_TRUE(w.txtDelim.Visible());
  EXPECT_TRUE(w.lblDelim.Visible());
  EXPECT_TRUE(w.chkOverhead.Visible());
  EXPECT_FALSE(w.txtOverhead.Visible());
  w.chkOverhead.SetValue(1);
  EXPECT_TRUE(w.txtOverhead.Visible());
  EXPECT_TRUE(w.lblOverhead.Visible());
  w.chkJobCode.SetValue(0);
  for (forms::Control* c : std::vector<forms::Control*>{&w.lblDelim, &w.txtDelim, &w.chkOverhead,
                                                         &w.lblOverhead, &w.txtOverhead}) {
    EXPECT_FALSE(c->Visible()) << c->Name();
  }
  w.chkJobCode.SetValue(1);  // overhead still checked: its percent shows again
  EXPECT_TRUE(w.txtOverhead.Visible());
  w.chkOverhead.SetValue(0);
  EXPECT_FALSE(w.txtOverhead.Visible());
  EXPECT_FALSE(w.lblOverhead.Visible());
}

TEST_F(WindowTest, SumByClassTakesOverTheEntryOptionsUntilCleared) {
  QvLedgerloom& w = *window;
  w.lblOptions.Show();
  w.Summarized.SetValue(true);
  w.chkSumClass.SetValue(1);
  EXPECT_FALSE(w.Summarized.Value());
  EXPECT_FALSE(w.Summarized.Visible());
  EXPECT_TRUE(w.Details.Value());
  EXPECT_FALSE(w.Details.Visible());
  EXPECT_FALSE(w.lblOptions.Visible());
  w.chkSumClass.SetValue(0);
  EXPECT_TRUE(w.Summarized.Visible());
  EXPECT_TRUE(w.Details.Visible());
  EXPECT_TRUE(w.lblOptions.Visible());
  EXPECT_TRUE(w.Details.Value());  // the selection stays

  ChoosePackage("QuickBooks 2006");
  w.chkSumClass.SetValue(1);
  w.chkSumClass.SetValue(0);
  EXPECT_FALSE(w.Summarized.Visible());
  EXPECT_FALSE(w.Details.Visible());
  EXPECT_FALSE(w.lblOptions.Visible());
}

TEST_F(WindowTest, SelectingSummarizedClearsSumByClassBeforeTheSetterReturns) {
  QvLedgerloom& w = *window;
  w.chkSumClass.SetValue(1);
  w.Summarized.SetValue(true);
  EXPECT_EQ(w.chkSumClass.Value(), 0);
  // The clear branch of Sum by Class ran inside: the options show again.
  EXPECT_TRUE(w.Summarized.Visible());
  EXPECT_TRUE(w.lblOptions.Visible());
  EXPECT_FALSE(w.Details.Value());
}

// ---- Option groups ----

TEST_F(WindowTest, DateFormatAndEntryOptionsShareOneGroup) {
  QvLedgerloom& w = *window;
  w.Summarized.SetValue(true);
  w.rdoYY.SetValue(true);
  EXPECT_FALSE(w.Summarized.Value());
  EXPECT_FALSE(w.Details.Value());
  w.Details.SetValue(true);
  EXPECT_FALSE(w.rdoYY.Value());
  w.rdoYYYY.SetValue(true);
  EXPECT_FALSE(w.Details.Value());
  w.Summarized.SetValue(true);
  EXPECT_FALSE(w.rdoYYYY.Value());
}

TEST_F(WindowTest, ClearFlagOptionsFormTheirOwnGroupInsideTheFrame) {
  QvLedgerloom& w = *window;
  w.Summarized.SetValue(true);
  w.rdoClrY.SetValue(true);
  EXPECT_TRUE(w.Summarized.Value());
  w.rdoClrN.SetValue(true);
  EXPECT_FALSE(w.rdoClrY.Value());
  EXPECT_TRUE(w.Summarized.Value());
  w.Details.SetValue(true);
  EXPECT_TRUE(w.rdoClrN.Value());
}

// ---- Sample display ----

TEST_F(WindowTest, SampleButtonsAlternateAndAClickedLineFillsTheSampleText) {
  QvLedgerloom& w = *window;
  w.ShowSample.AddItem("\"1000\",\"12.50\"");
  w.ShowSample.AddItem("\"2000\",\"-12.50\"");
  w.cmdShowSample.Click();
  EXPECT_TRUE(w.ShowSample.Visible());
  EXPECT_TRUE(w.txtSample.Visible());
  EXPECT_FALSE(w.cmdShowSample.Visible());
  EXPECT_TRUE(w.cmdHideSample.Visible());
  w.ShowSample.SetListIndex(1);
  EXPECT_EQ(w.txtSample.Text(), "\"2000\",\"-12.50\"");
  w.cmdHideSample.Click();
  EXPECT_FALSE(w.ShowSample.Visible());
  EXPECT_FALSE(w.txtSample.Visible());
  EXPECT_TRUE(w.cmdShowSample.Visible());
  EXPECT_FALSE(w.cmdHideSample.Visible());
}

// ---- Journal reference ----

TEST_F(WindowTest, ABatchIdIsCutTo25CharactersWithOneMessage) {
  QvLedgerloom& w = *window;
  w.lblJourRef.SetCaption("Batch ID");
  w.txtJourRef.SetText(std::string(25, 'B'));
  EXPECT_TRUE(boxes.Shown().empty());
  w.txtJourRef.SetText(std::string(25, 'B') + "X");
  EXPECT_EQ(w.txtJourRef.Text(), std::string(25, 'B'));
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Transcript(),
            "MSGBOX QvLedgerloom | Batch ID's are limited to 25 characters. | OK -> 1\n");
}

TEST_F(WindowTest, AJournalReferenceTakesAnyLength) {
  QvLedgerloom& w = *window;
  w.txtJourRef.SetText(std::string(40, 'J'));
  w.lblJourRef.SetCaption("Batch Id");  // not exactly "Batch ID"
  w.txtJourRef.SetText(std::string(41, 'J'));
  EXPECT_EQ(w.txtJourRef.Text().size(), 41u);
  EXPECT_TRUE(boxes.Shown().empty());
}

// ---- Menus and the run ----

TEST_F(WindowTest, GenerateCallsTheRunDriverInside) {
  QvLedgerloom& w = *window;
  w.cmdInterface.Click();  // no driver wired: nothing happens
  int runs = 0;
  w.runDriver = [&] { ++runs; };
  w.cmdInterface.Click();
  EXPECT_EQ(runs, 1);
}

TEST_F(WindowTest, ExitReleasesTheWritersThenUnloads) {
  QvLedgerloom& w = *window;
  std::vector<std::string> log;
  w.releaseWriterObjects = [&] { log.push_back("release"); };
  w.onUnload = [&] { log.push_back(w.Loaded() ? "unload" : "unload after the fact"); };
  w.Show();
  w.Exit.Click();
  EXPECT_EQ(log, (std::vector<std::string>{"release", "unload"}));
  EXPECT_FALSE(w.Loaded());
  // Closing by other means skips the release.
  log.clear();
  w.Show();
  w.Unload();
  EXPECT_EQ(log, std::vector<std::string>{"unload"});
}

TEST(AppInfoTest, CaptionCarriesMajorAndMinorVersion) {
  EXPECT_EQ(CaptionWithVersion("Quorvanta Ledgerloom"), "Quorvanta Ledgerloom - v71.0");
  EXPECT_EQ(VersionText(), "Version 71.0.0");
}

}  // namespace
}  // namespace qvl::test
