#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "window/window_fixture.h"

namespace qvl::test {
namespace {

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

TEST_F(WindowTest, ABatchIdIsCutTo25CharactersWithOneMessageAJournalReferenceIsNot) {
  QvLedgerloom& w = *window;
  w.txtJourRef.SetText(std::string(40, 'J'));
  w.lblJourRef.SetCaption("Batch Id");  // not exactly "Batch ID"
  w.txtJourRef.SetText(std::string(41, 'J'));
  EXPECT_EQ(w.txtJourRef.Text().size(), 41u);
  EXPECT_TRUE(boxes.Shown().empty());

  w.lblJourRef.SetCaption("Batch ID");
  w.txtJourRef.SetText(std::string(25, 'B'));
  EXPECT_TRUE(boxes.Shown().empty());
  w.txtJourRef.SetText(std::string(25, 'B') + "X");
  EXPECT_EQ(w.txtJourRef.Text(), std::string(25, 'B'));
  EXPECT_EQ(boxes.Transcript(), "MSGBOX QvLedgerloom | Batch ID's are limited to 25 characters. | OK -> 1\n");
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

}  // namespace
}  // namespace qvl::test
