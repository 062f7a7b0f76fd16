#include <gtest/gtest.h>

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

TEST(ScriptedDialogsTest, YesNoBoxesFailWithoutAFittingAnswer) {
  ScriptedDialogs d;
  EXPECT_THROW(d.MsgBox("Nothing queued?", Buttons::YesNo), UnexpectedDialog);
  d.QueueAnswer(kOK);
  EXPECT_THROW(d.MsgBox("A 1 queued?", Buttons::YesNo), UnexpectedDialog);
  d.QueueAnswer(kCancel);
  EXPECT_THROW(d.MsgBox("Cancel on Yes/No?", Buttons::YesNo), UnexpectedDialog);
  d.QueueReply("text");
  EXPECT_THROW(d.MsgBox("A reply queued?", Buttons::YesNoCancel), UnexpectedDialog);
  ASSERT_EQ(d.Shown().size(), 4u);
  for (const auto& box : d.Shown()) EXPECT_TRUE(box.failed);
  EXPECT_TRUE(d.Failed());
  // A failing box takes nothing from the queue.
  EXPECT_EQ(d.Pending(), 3u);
}

TEST(ScriptedDialogsTest, InputBoxesTakeRepliesAndTellCancelApart) {
  ScriptedDialogs d;
  d.QueueReply("4010");
  d.QueueCancel();
  d.QueueReply("");
  EXPECT_EQ(d.InputBox("Account?", "Offset", "1000"), "4010");
  const InputReply cancelled = d.InputBoxReply("Amount?");
  EXPECT_TRUE(cancelled.cancelled);
  EXPECT_EQ(cancelled.text, "");
  const InputReply empty = d.InputBoxReply("Amount?");
  EXPECT_FALSE(empty.cancelled);
  EXPECT_THROW(d.InputBox("More?"), UnexpectedDialog);
  d.QueueAnswer(kYes);
  EXPECT_THROW(d.InputBox("An answer queued?"), UnexpectedDialog);
  EXPECT_EQ(d.Pending(), 1u);  // a failing box takes nothing
}

TEST(ScriptedDialogsTest, TranscriptLines) {
  ScriptedDialogs d;
  d.QueueAnswer(kYes);
  d.QueueCancel();
  d.QueueReply("a\rb");
  d.MsgBox("Journal Entry created.\r\rRecords: 12");
  d.MsgBox("We would like to create the directory \r\rc:\\out\r\n", Buttons::YesNoCancel,
           "OK to Proceed?");
  d.InputBox("Offset account?", "QvLedgerloom - SAP", "1000");
  d.InputBox("Amount?", "T", "");
  EXPECT_THROW(d.MsgBox("Unexpected", Buttons::YesNo), UnexpectedDialog);
  EXPECT_EQ(d.Transcript(),
            "MSGBOX QvLedgerloom | Journal Entry created.\\r\\rRecords: 12 | OK -> 1\n"
            "MSGBOX OK to Proceed? | We would like to create the directory \\r\\rc:\\out\\r\\n | "
            "YesNoCancel -> 6\n"
            "INPUT QvLedgerloom - SAP | Offset account? | 1000 -> <Cancel>\n"
            "INPUT T | Amount? |  -> a\\rb\n"
            "MSGBOX QvLedgerloom | Unexpected | YesNo -> FAILED (no answer queued)\n");
}

TEST(DialogsTest, HourglassGuardRestoresThePointerItFound) {
  ScriptedDialogs d;
  {
    HourglassGuard outer(d);
    EXPECT_TRUE(d.Hourglass());
    {
      HourglassGuard inner(d);
      d.SetHourglass(false);  // work inside restores the normal pointer early
    }
    EXPECT_TRUE(d.Hourglass());
  }
  EXPECT_FALSE(d.Hourglass());
}

TEST(DialogsTest, TheProcessWideInstanceMustBeSetBeforeUse) {
  SetCurrent(nullptr);
  EXPECT_THROW(MsgBox("x"), std::logic_error);
  ScriptedDialogs d;
  SetCurrent(&d);
  d.QueueReply("r");
  EXPECT_EQ(MsgBox("x", Buttons::OK, "T"), kOK);
  EXPECT_EQ(InputBox("y"), "r");
  EXPECT_EQ(d.Shown().size(), 2u);
  SetCurrent(nullptr);
}

}  // namespace
}  // namespace qvl::dialogs
