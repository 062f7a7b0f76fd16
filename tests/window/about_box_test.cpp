#include <gtest/gtest.h>

#include "window/window_fixture.h"

namespace qvl::test {
namespace {

TEST_F(WindowTest, TheAboutBoxOpensWithoutBlockingTheWindowAndOkClosesIt) {
  QvLedgerloom& w = *window;
  frmAbout& about = w.aboutBox;
  EXPECT_FALSE(about.Loaded());
  w.About.Click();
  EXPECT_TRUE(about.Visible());
  EXPECT_EQ(about.Caption(), "About QvLedgerloom");
  EXPECT_EQ(about.lblVersion.Caption(), "Version 71.0.0");  // set when it loads
  // Non-modal: the main window's handlers still run while it is open.
  w.cmdShowSample.Click();
  EXPECT_TRUE(w.ShowSample.Visible());
  about.cmdSysInfo.Click();
  EXPECT_EQ(boxes.Transcript(), "MSGBOX QvLedgerloom | System Information Is Unavailable At This Time | OK -> 1\n");
  EXPECT_TRUE(about.Visible());
  about.cmdOK.Click();
  EXPECT_FALSE(about.Loaded());
  EXPECT_FALSE(about.Visible());
  w.About.Click();
  EXPECT_TRUE(about.Visible());
}

}  // namespace
}  // namespace qvl::test
