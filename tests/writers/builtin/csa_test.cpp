// "CSA": which amounts give lines, the reference asked in each run, and the
// offsetting line after a summarized run.
#include "writers/builtin/csa.h"

#include <gtest/gtest.h>

#include "engine/run_fixture.h"
#include "platform/vb/text.h"

namespace qvl::test {
namespace {

using Lines = std::vector<std::string>;
using CsaTest = WritersRunTest;

const std::string kDescription = vb::PadRight("Imported from Quorvanta", 110);

// The journal line of an account and amount under the reference, for period end 11/30/2026.
std::string Line(const std::string& reference, const std::string& account, const std::string& amount) {
  return "\"" + reference + "\",\"113026\",\"\",\"" + vb::PadRight(account, 11) + "\",\"" + kDescription + "\",\"" +
         amount + "\"";
}

TEST_F(CsaTest, OnlyNonZeroNumbersAreWrittenEachInItsTwoDecimalForm) {
  Prepare("CSA", {Record("1000", "2103", ".00"), Record("1100", "0.00", ".40"), Record("1200", "12A.00", "5"),
                  Record("123456789012345", "1,000.5", "abc"), Record("1300", "", "")});
  boxes.QueueReply("JE01");
  boxes.QueueAnswer(dialogs::kNo);
  Run();
  EXPECT_EQ(JournalLines("G00123K0.GLT"), (Lines{Line("JE01  ", "1000", "2103.00"), Line("JE01  ", "1100", "-.40"),
                                                 Line("JE01  ", "1200", "-5.00"),
                                                 Line("JE01  ", "12345678901", "1000.50")}));
  // The audit trail shows each record as read.
  EXPECT_EQ(SplitLines(Audit())[3],
            "01    02    03    123456789012345          1,000.5           abc");
}

TEST_F(CsaTest, ASecondRunAsksForItsOwnReferenceAndAnOffsetAfterASummaryCountsAsDetailed) {
  Prepare("CSA", {Record("1000", "10.00", ".00"), Record("1000", "5.00", ".00"), Record("2000", ".00", "20.00")});
  window->Summarized.SetValue(true);
  boxes.QueueReply("FIRST");
  QueueOffset("3000", "5");
  Run();
  EXPECT_EQ(JournalLines("G00123K0.GLT"), (Lines{Line("FIRST ", "1000", "15.00"), Line("FIRST ", "2000", "-20.00"),
                                                 Line("FIRST ", "3000", "5.00")}));
  EXPECT_EQ(LastTitle(), kInBalance);
  EXPECT_FALSE(window->Summarized.Value());

  Prepare("CSA", {Record("4000", "7.00", "7.00")});
  boxes.QueueCancel();
  Run();
  EXPECT_EQ(JournalLines("G00123K0.GLT"), (Lines{Line("      ", "4000", "7.00"), Line("      ", "4000", "-7.00")}));
  EXPECT_EQ(LastTitle(), kInBalance);
}

TEST_F(CsaTest, DecliningTheMissingFolderAsksNoReferenceAndWritesNothing) {
  Prepare("CSA", {Record("1000", "10.00", ".00")}, "c:\\gl\\new");
  boxes.QueueAnswer(dialogs::kNo);
  Run();
  EXPECT_EQ(Shown(), (Lines{"OK to Proceed? | We would like to create the directory \r\rc:\\gl\\new\r\rso we can "
                            "store your Journal Entry."}));
  EXPECT_FALSE(std::filesystem::exists(c / "gl" / "new"));
  EXPECT_FALSE(window->run.Ready);
}

}  // namespace
}  // namespace qvl::test
