// "MNP" record dates and closing line, and the "NetSuite" locations table,
// at the edges the scenarios leave out.
#include <gtest/gtest.h>

#include "engine/run_fixture.h"
#include "writers/builtin/netsuite.h"

namespace qvl::test {
namespace {

using Lines = std::vector<std::string>;

using MNPTest = WritersRunTest;

// The cases run one after the other in one session: each run's journal holds
// its own lines and one closing line, also when no record gave a line.
TEST_F(MNPTest, RecordDatesWithTheirFourDigitYearAndOneThatIsNoDateStopsTheRun) {
  const struct {
    const char* date;
    const char* credits;
    bool stops;
    Lines journal;
  } cases[] = {
      {"20240229", ".00", false, {R"("1","2/29/2024","P/R","022924PR",,"1000",1)", "Imported,,,,,,"}},
      {"19991231", ".00", false, {R"("1","12/31/1999","P/R","123199PR",,"1000",1)", "Imported,,,,,,"}},
      {"20261130", "1.00", false, {"Imported,,,,,,"}},
      {"20260229", ".00", true, {}},
      {"2026113 ", "1.00", true, {}},
  };
  for (const auto& c : cases) {
    Prepare("MNP", {Dated(Record("1000", "1.00", c.credits), c.date)});
    if (!c.stops && c.journal.size() > 1) boxes.QueueAnswer(dialogs::kNo);
    const std::size_t before = boxes.Shown().size();
    Run();
    EXPECT_EQ(JournalLines("123113026.csv"), c.journal) << c.date;
    if (!c.stops) continue;
    // Nothing claims success.
    const Lines shown = Shown();
    EXPECT_EQ(Lines(shown.begin() + static_cast<std::ptrdiff_t>(before), shown.end()),
              Lines{std::string("QvLedgerloom - MNP | The MNP Journal Entry was stopped by an error:\r\r"
                                "c:\\gl\\gl.txt, record 1\rThe record's date \"") +
                    c.date + "\" is not a date."});
    EXPECT_FALSE(window->run.Ready);
  }
}

TEST(NetLocation, CodesAreComparedWithoutBlanksAndAnEmptyCodeEndsTheTable) {
  const NetLocTable table = {{"20", "Boston"}, {" 30 ", "Denver"}, {"ab", "Lower"}, {"", ""}, {"40", "Never"}};
  const std::pair<std::string, std::string> cases[] = {
      {"20", "Boston"}, {"30  ", "Denver"}, {"ab", "Lower"}, {"AB", "AB"},
      {"40", "40"},     {"99 ", "99 "},
  };
  for (const auto& [code, name] : cases) EXPECT_EQ(NetLocation(table, code), name) << code;
}

using NetSuiteTest = WritersRunTest;

// A second run reads its own locations file: nothing of the first file's
// table is left over.
TEST_F(NetSuiteTest, EachRunReadsItsOwnLocationsFile) {
  WriteBytes(c / "gl" / "First.txt", "20,Boston\r\n30,Denver\r\n");
  WriteBytes(c / "gl" / "Second.txt", "\"20\",\"Austin\"\r\n");
  for (const auto& [file, names] : {std::pair<std::string, Lines>{"First.txt", {"Boston", "Denver"}},
                                    std::pair<std::string, Lines>{"Second.txt", {"Austin", "30"}}}) {
    window->dirInput.SetPath("c:\\gl");  // (before the input box, which it empties)
    Prepare("NetSuite", {Record("6100-20", "1.00", ".00"), Record("6100-30", ".00", "1.00")});
    window->chkLoc.SetValue(1);
    window->txtDelim.SetText("-");
    boxes.QueueReply(file);
    Run();
    const Lines lines = JournalLines("123113026.csv");
    ASSERT_EQ(lines.size(), 3u) << ::testing::PrintToString(Shown());
    EXPECT_EQ(lines[1], "6100,1.00,.00,Quorvanta Payroll,,,," + names[0]);
    EXPECT_EQ(lines[2], "6100,.00,1.00,Quorvanta Payroll,,,," + names[1]);
  }
}

TEST_F(NetSuiteTest, AnEmptyDelimiterLeavesTheAccountWhole) {
  WriteBytes(c / "gl" / "Locations.txt", "20,Boston\r\n");
  window->dirInput.SetPath("c:\\gl");
  Prepare("NetSuite", {Record("6100-20", ".00", ".00")});
  window->chkLoc.SetValue(1);
  window->txtDelim.SetText("");
  boxes.QueueReply("Locations.txt");
  Run();
  EXPECT_EQ(JournalLines("123113026.csv"), (Lines{"Account,Debit,Credit,Memo,Entity,Class,Department,Location",
                                                 "6100-20,.00,.00,Quorvanta Payroll,,,,"}));
}

// Cancel names the input folder itself, which is no locations file.
TEST_F(NetSuiteTest, ACancelledLocationsPromptWritesNothing) {
  window->dirInput.SetPath("c:\\gl");
  Prepare("NetSuite", {Record("6100-20", "1.00", ".00")});
  window->chkLoc.SetValue(1);
  boxes.QueueCancel();
  Run();
  EXPECT_EQ(boxes.Shown().back().title, "Trouble with Locations File");
  EXPECT_EQ(boxes.Shown().back().prompt, "c:\\gl\\");
  EXPECT_FALSE(std::filesystem::exists(c / "gl" / "123113026.csv"));
  EXPECT_FALSE(std::filesystem::exists(c / "gl" / "Audit_trail.txt"));
  EXPECT_FALSE(window->run.Ready);
}

}  // namespace
}  // namespace qvl::test
