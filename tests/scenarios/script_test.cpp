#include "scenario/script.h"

#include <gtest/gtest.h>

#include <sstream>

#include "scenario/runner.h"
#include "support/tempdir.h"

namespace qvl::scenario {
namespace {

using Words = std::vector<std::string>;

TEST(ScenarioScript, WordsAreSplitOnBlanksWithQuotesHoldingBlanksAndEmptyTexts) {
  EXPECT_EQ(SplitLine("choose PickFinPac \"AccPac (new)\""), (Words{"choose", "PickFinPac", "AccPac (new)"}));
  EXPECT_EQ(SplitLine("  set   cmboCoNum\t\"\"  "), (Words{"set", "cmboCoNum", ""}));
  EXPECT_EQ(SplitLine("set QvInputFile c:\\in\\gl.txt\r"), (Words{"set", "QvInputFile", "c:\\in\\gl.txt"}));
  // A "#" inside quotes is text; outside it starts a comment.
  EXPECT_EQ(SplitLine("reply \"#12\" # the account"), (Words{"reply", "#12"}));
  EXPECT_EQ(SplitLine("set txtJourRef AB#12 more"), (Words{"set", "txtJourRef", "AB"}));
  EXPECT_EQ(SplitLine("reply \"A B\"#note"), (Words{"reply", "A B"}));
  EXPECT_TRUE(SplitLine("   # only a comment").empty());
}

TEST(ScenarioScript, UnknownActionsWrongArgumentCountsAndOpenQuotesAreRefusedWithTheirLine) {
  const auto refusal = [](std::string_view text) {
    try {
      ParseScript(text);
    } catch (const ScriptError& e) {
      return std::string(e.what());
    }
    return std::string("accepted");
  };
  EXPECT_EQ(refusal("start\npress cmdInterface"), "line 2: unknown action \"press\"");
  EXPECT_EQ(refusal("set QvInputFile"), "line 1: wrong number of arguments for \"set\"");
  EXPECT_EQ(refusal("today 2026-12-06 09:00:00 extra"), "line 1: wrong number of arguments for \"today\"");
  EXPECT_EQ(refusal("\n\nreply \"open"), "line 3: a quote is not closed");
}

TEST(ScenarioRunner, AScriptThatNeverTouchesTheWindowStillLoadsIt) {
  test::TempDir dir;
  std::filesystem::create_directories(dir / "sc" / "expected");
  std::filesystem::create_directories(dir / "sc" / "c" / "temp");
  test::WriteBytes(dir / "sc" / "scenario.txt", "# no window action\ntoday 2026-12-06\n");
  test::WriteBytes(dir / "sc" / "expected" / "transcript.txt",
                   "MSGBOX QvLedgerloom | No default settings file found.\\r\\rFile not found\\r\\r"
                   "A new one will be created in c:\\temp | OK -> 1\n");
  std::ostringstream report;
  EXPECT_EQ(RunScenario(dir / "sc", dir / "work", report), 0) << report.str();
  // The expected folder is compared, never copied.
  EXPECT_FALSE(std::filesystem::exists(dir / "work" / "expected"));
}

}  // namespace
}  // namespace qvl::scenario
