// The main window's own handlers: options that show and hide other options,
// handlers that run inside other handlers, and the option groups.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "window/window_fixture.h"

namespace qvl::test {
namespace {

bool Shown(std::initializer_list<const forms::Control*> controls) {
  for (const forms::Control* c : controls) {
    if (!c->Visible()) return false;
  }
  return true;
}
bool Hidden(std::initializer_list<const forms::Control*> controls) {
  for (const forms::Control* c : controls) {
    if (c->Visible()) return false;
  }
  return true;
}

TEST_F(WindowTest, ClassNamesAndLocationShowTheDelimiterAsTheirPackageWants) {
  QvLedgerloom& w = *window;
  ChoosePackage("QuickBooks (csv)");
  w.chkClass.SetValue(1);
  EXPECT_TRUE(Shown({&w.txtDelim, &w.lblDelim, &w.chkSumClass}));
  w.chkClass.SetValue(0);
  EXPECT_TRUE(Hidden({&w.txtDelim, &w.lblDelim, &w.chkSumClass}));

  ChoosePackage("QuickBooks 2004");  // names and class hide each other
  w.chkNames.Show();
  w.chkClass.Show();
  w.chkNames.SetValue(1);
  EXPECT_FALSE(w.chkClass.Visible());
  w.chkNames.SetValue(0);
  w.chkClass.SetValue(1);
  EXPECT_FALSE(w.chkNames.Visible());
  EXPECT_FALSE(w.chkSumClass.Visible());  // only "QuickBooks (csv)" sums by class
  w.chkClass.SetValue(0);
  EXPECT_TRUE(w.chkNames.Visible());

  ChoosePackage("GP Payroll Connect");  // names drive location and leave the delimiter
  w.chkClass.SetValue(1);
  w.txtDelim.Hide();
  w.chkNames.SetValue(1);
  EXPECT_EQ(w.chkLoc.Value(), 1);
  EXPECT_EQ(w.chkClass.Value(), 1);
  EXPECT_FALSE(w.txtDelim.Visible());
  w.chkNames.SetValue(0);
  EXPECT_EQ(w.chkLoc.Value(), 0);

  ChoosePackage("NetSuite");
  w.chkLoc.SetValue(1);
  EXPECT_TRUE(w.txtDelim.Visible());
  w.chkLoc.SetValue(0);
  EXPECT_FALSE(w.txtDelim.Visible());
  ChoosePackage("Shelby v5");
  w.txtDelim.Show();
  w.chkLoc.SetValue(1);
  EXPECT_TRUE(Hidden({&w.txtDelim, &w.lblDelim}));
}

TEST_F(WindowTest, CheckingClassWhileNamesIsCheckedChainsThroughNamesClearBranch) {
  ChoosePackage("QuickBooks (csv)");
  QvLedgerloom& w = *window;
  w.chkNames.SetValue(1);
  std::vector<std::string> order;
  w.chkNames.onClick = [&] {
    order.push_back("names cleared");
    w.chkNames_Click();
  };
  w.chkClass.SetValue(1);
  EXPECT_EQ(order, std::vector<std::string>{"names cleared"});
  EXPECT_EQ(w.chkNames.Value(), 0);
  // Names' clear branch hid the delimiter; Class then showed it again.
  EXPECT_TRUE(Shown({&w.txtDelim, &w.lblDelim}));
  // And the other way about: checking Names clears Class, which hides the
  // delimiter and Sum by Class before Names shows the delimiter again.
  w.chkSumClass.Show();
  w.chkNames.SetValue(1);
  EXPECT_EQ(w.chkClass.Value(), 0);
  EXPECT_FALSE(w.chkSumClass.Visible());
  EXPECT_TRUE(w.txtDelim.Visible());
}

TEST_F(WindowTest, JobCodeAndOverheadShowTheirFields) {
  QvLedgerloom& w = *window;
  w.chkJobCode.SetValue(0);
  w.chkOverhead.SetValue(0);
  w.chkJobCode.SetValue(1);
  EXPECT_TRUE(Shown({&w.txtDelim, &w.lblDelim, &w.chkOverhead}));
  EXPECT_FALSE(w.txtOverhead.Visible());
  w.chkOverhead.SetValue(1);
  EXPECT_TRUE(Shown({&w.txtOverhead, &w.lblOverhead}));
  w.chkJobCode.SetValue(0);
  EXPECT_TRUE(Hidden({&w.lblDelim, &w.txtDelim, &w.chkOverhead, &w.lblOverhead, &w.txtOverhead}));
  w.chkJobCode.SetValue(1);  // overhead still checked: its percent shows again
  EXPECT_TRUE(w.txtOverhead.Visible());
  w.chkOverhead.SetValue(0);
  EXPECT_TRUE(Hidden({&w.txtOverhead, &w.lblOverhead}));
}

TEST_F(WindowTest, SumByClassTakesOverTheEntryOptionsUntilClearedOrSummarizedIsSelected) {
  QvLedgerloom& w = *window;
  w.lblOptions.Show();
  w.Summarized.SetValue(true);
  w.chkSumClass.SetValue(1);
  EXPECT_FALSE(w.Summarized.Value());
  EXPECT_TRUE(w.Details.Value());
  EXPECT_TRUE(Hidden({&w.Summarized, &w.Details, &w.lblOptions}));
  w.chkSumClass.SetValue(0);
  EXPECT_TRUE(Shown({&w.Summarized, &w.Details, &w.lblOptions}));
  EXPECT_TRUE(w.Details.Value());  // the selection stays

  // Selecting Summarized clears Sum by Class before the setter returns.
  w.chkSumClass.SetValue(1);
  w.Summarized.SetValue(true);
  EXPECT_EQ(w.chkSumClass.Value(), 0);
  EXPECT_TRUE(Shown({&w.Summarized, &w.lblOptions}));
  EXPECT_FALSE(w.Details.Value());

  ChoosePackage("QuickBooks 2006");  // its layout keeps the options hidden
  w.chkSumClass.SetValue(1);
  w.chkSumClass.SetValue(0);
  EXPECT_TRUE(Hidden({&w.Summarized, &w.Details, &w.lblOptions}));
}

TEST_F(WindowTest, DateFormatAndEntryOptionsShareOneGroupTheClearFlagHasItsOwn) {
  QvLedgerloom& w = *window;
  w.Summarized.SetValue(true);
  w.rdoYY.SetValue(true);
  EXPECT_FALSE(w.Summarized.Value());
  w.Details.SetValue(true);
  EXPECT_FALSE(w.rdoYY.Value());
  w.rdoYYYY.SetValue(true);
  EXPECT_FALSE(w.Details.Value());
  w.Summarized.SetValue(true);
  EXPECT_FALSE(w.rdoYYYY.Value());

  w.rdoClrY.SetValue(true);
  EXPECT_TRUE(w.Summarized.Value());
  w.rdoClrN.SetValue(true);
  EXPECT_FALSE(w.rdoClrY.Value());
  w.Details.SetValue(true);
  EXPECT_TRUE(w.rdoClrN.Value());
}

TEST_F(WindowTest, ABatchIdIsCutTo25CharactersWithOneMessageAJournalReferenceIsNot) {
  QvLedgerloom& w = *window;
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

}  // namespace
}  // namespace qvl::test
