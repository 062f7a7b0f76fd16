#include "scenario/script.h"

#include <gtest/gtest.h>

namespace qvl::scenario {
namespace {

using Words = std::vector<std::string>;

TEST(ScenarioScript, WordsAreSplitOnBlanksWithQuotesHoldingBlanksAndEmptyTexts) {
  EXPECT_EQ(SplitLine("choose PickFinPac \"AccPac (new)\""), (Words{"choose", "PickFinPac", "AccPac (new)"}));
  EXPECT_EQ(SplitLine("  set   cmboCoNum\t\"\"  "), (Words{"set", "cmboCoNum", ""}));
  EXPECT_EQ(SplitLine("set QvInputFile c:\\in\\gl.txt\r"), (Words{"set", "QvInputFile", "c:\\in\\gl.txt"}));
  // A "#" inside quotes is text; outside it starts a comment.
  EXPECT_EQ(SplitLine("reply \"#12\" # the account"), (Words{"reply", "#12"}));
  EXPECT_TRUE(SplitLine("   # only a comment").empty());
}

TEST(ScenarioScript, ActionsKeepTheirLineNumbers) {
  const std::vector<Action> actions = ParseScript("# a run\ntoday 2026-12-06\n\nanswer 6\r\nreply-cancel");
  ASSERT_EQ(actions.size(), 3u);
  EXPECT_EQ(actions[0].line, 2u);
  EXPECT_EQ(actions[0].args, Words{"2026-12-06"});
  EXPECT_EQ(actions[1].line, 4u);
  EXPECT_EQ(actions[1].verb, "answer");
  EXPECT_EQ(actions[2].verb, "reply-cancel");
  EXPECT_TRUE(actions[2].args.empty());
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

}  // namespace
}  // namespace qvl::scenario
