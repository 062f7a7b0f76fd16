#include <gtest/gtest.h>

#include <string>

#include "platform/dialogs/scripted_dialogs.h"

namespace qvl::dialogs {
namespace {

TEST(ScriptedDialogsTest, AnOkBoxTakesAQueuedOneOnlyWhenItIsNext) {
  ScriptedDialogs d;
  d.QueueAnswer(kYes);
  EXPECT_EQ(d.MsgBox("first"), kOK);  // answered without taking the 6
  EXPECT_EQ(d.Pending(), 1u);
  EXPECT_EQ(d.MsgBox("Go on?", Buttons::YesNo), kYes);
  d.QueueAnswer(kOK);
  d.QueueAnswer(kNo);
  EXPECT_EQ(d.MsgBox("second"), kOK);  // takes the 1
  EXPECT_EQ(d.Pending(), 1u);
  EXPECT_EQ(d.MsgBox("Again?", Buttons::YesNoCancel), kNo);
  EXPECT_EQ(d.Pending(), 0u);
  EXPECT_FALSE(d.Failed());
}

TEST(ScriptedDialogsTest, BoxesFailWithoutAFittingAnswerAndTakeNothing) {
  ScriptedDialogs d;
  EXPECT_THROW(d.MsgBox("Nothing queued?", Buttons::YesNo), UnexpectedDialog);
  d.QueueAnswer(kOK);
  EXPECT_THROW(d.MsgBox("A 1 queued?", Buttons::YesNo), UnexpectedDialog);
  d.QueueReply("text");
  EXPECT_THROW(d.MsgBox("A reply queued?", Buttons::YesNoCancel), UnexpectedDialog);
  EXPECT_THROW(d.InputBox("An answer queued?"), UnexpectedDialog);
  EXPECT_TRUE(d.Failed());
  EXPECT_EQ(d.Pending(), 2u);
  const std::string transcript = d.Transcript();
  EXPECT_EQ(transcript.substr(0, transcript.find('\n')),
            "MSGBOX QvLedgerloom | Nothing queued? | YesNo -> FAILED (no answer queued)");
}

}  // namespace
}  // namespace qvl::dialogs
