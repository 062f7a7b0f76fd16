// "Oracle Fringe": how mapping cells match segments, the workbook name an
// answer gives, runs over a mapping workbook of our own (a second run in one
// session included), and the runs that end early.
#include "writers/builtin/oracle_fringe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/run_fixture.h"
#include "platform/workbook/workbook.h"

namespace qvl::test {
namespace {

using workbook::CellValue;

TEST(OracleFringeMapping, NumberCellsMatchSegmentsOfTheirNumberAndOtherCellsTheirText) {
  struct Case {
    CellValue cell;
    std::string segment;
    bool matches;
  } cases[] = {
      {CellValue::Number(1), "01", true},          {CellValue::Number(6299), "6299", true},
      {CellValue::Number(0), "000000", true},      {CellValue::Number(1), "1a", false},
      {CellValue::Number(0), "", false},           {CellValue::Text("01"), "01", true},
      {CellValue::Text("01"), "1", false},         {CellValue::Text("00000     "), "00000", false},
      {CellValue::Text("ab"), "AB", false},        {CellValue(), "", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.cell.ToText() + " / [" + c.segment + "]");
    EXPECT_EQ(SegmentMatches(c.cell, c.segment), c.matches);
  }
}

TEST(OracleFringeMapping, TheAnswerNamesAWorkbook) {
  const std::pair<std::string, std::string> cases[] = {
      {"GL Map", "GL Map.xls"},   {"", "GL Map.xls"},           {"   ", "GL Map.xls"},
      {" map ", "map.xls"},       {"map.xlsx", "map.xlsx"},     {"maps.xls.old", "maps.xls.old"},
  };
  for (const auto& [answer, name] : cases) EXPECT_EQ(MappingWorkbookName(answer), name) << answer;
}

class OracleFringeTest : public WritersRunTest {
 protected:
  // A mapping workbook in the input folder: a heading row, then one row per
  // entry of six segments to match and six to write. The heading is a
  // client's example row, the segments of every line it would match mapped
  // to 7s: it is never a mapping row.
  void WriteMap(const std::vector<std::vector<std::string>>& rows) {
    const workbook::Application app = workbook::Application::Create();
    const workbook::Worksheet sheet = app.Workbooks().Add().Worksheets(1);
    const std::vector<std::string> heading = {"'01", "6299", "'1200", "'01",  "'000000", "'00000", "G",
                                              "H",   "'77", "'7777", "'7777", "'77",     "'777777", "'77777"};
    for (std::size_t col = 0; col < heading.size(); ++col)
      sheet.Cells(1, static_cast<int>(col + 1)).Value(heading[col]);
    for (std::size_t r = 0; r < rows.size(); ++r)
      for (std::size_t col = 0; col < rows[r].size(); ++col)
        sheet.Cells(static_cast<int>(r + 2), static_cast<int>(col + 1)).Value(rows[r][col]);
    app.ActiveWorkbook().SaveAs("c:\\gl\\GL Map.xls");
    app.Quit();
  }
  // The operator answers the mapping prompt with nothing, or cancels it.
  void PrepareLines(const std::vector<std::string>& segmentsAndAmounts, const std::string& rate,
                    bool cancelPrompt = false) {
    Prepare("Oracle Fringe", {});
    std::string input;
    for (const std::string& s : segmentsAndAmounts) input += "123,20261130,01,02,03," + s + "\r\n";
    WriteBytes(c / "gl" / "gl.txt", input);
    window->txtOverhead.SetText(rate);
    window->txtFacility.SetText("0000");
    if (cancelPrompt)
      boxes.QueueCancel();
    else
      boxes.QueueReply("");
    boxes.QueueAnswer(dialogs::kYes);
  }
};

const std::vector<std::string> kWages = {"'01", "6299", "'1200", "'01", "'000000", "'00000", "G", "H",
                                         "'01", "'6299", "'1200", "'01", "'000000", "'00000     "};
const std::vector<std::string> kWagesAgain = {"'01", "6299", "'1200", "'01", "'000000", "'00000", "", "",
                                              "'99", "'9999", "'9999", "'99", "'999999", "'99999"};

TEST_F(OracleFringeTest, LinesTakeTheUpperMappingRowAndTheirAmountsAtTheRate) {
  WriteMap({kWages, kWagesAgain});
  PrepareLines({"01,6299,1200,01,000000,00000,0,100.00,.00", "01,6299,1200,01,000000,00000,0,0.02,abc",
                "01,6299,1201,01,000000,00000,0,100.00,.00", "01,6299,1200,01,000000,00000,0,.00, 10.05 "},
               "23");
  Run();
  EXPECT_EQ(JournalLines(), (std::vector<std::string>{"01,6299,1200,01,000000,00000     ,0000,23.00,.00",
                                                      "01,6299,1200,01,000000,00000     ,0000,.00,.00",
                                                      "01,6299,1200,01,000000,00000     ,0000,.00,2.31",
                                                      "01,6299,3015,05,000000,00000,0000,0.00,20.69"}));
  EXPECT_EQ(LastTitle(), kInBalance);
  EXPECT_EQ(window->lblMSG.Caption(), "");

  // A later run at another rate: its total starts from nothing and may be a
  // credit, and the journal still balances by its closing line. Cancel at
  // the mapping prompt takes "GL Map.xls" as an empty answer does.
  PrepareLines({"01,6299,1200,01,000000,00000,0,.00,50.00"}, "10", true);
  Run();
  EXPECT_EQ(JournalLines(), (std::vector<std::string>{"01,6299,1200,01,000000,00000     ,0000,.00,5.00",
                                                      "01,6299,3015,05,000000,00000,0000,0.00,-5.00"}));
  EXPECT_EQ(Audit(),
            "                  01,6299,1200,01,00.00           5.00          \r\n"
            "                  01,6299,3015,05,00.00           -5.00         \r\n");
  EXPECT_EQ(LastTitle(), kInBalance);
}

TEST_F(OracleFringeTest, AnEmptyFirstMappingRowLeavesOnlyTheClosingLine) {
  WriteMap({{"", "6299"}, kWages});
  PrepareLines({"01,6299,1200,01,000000,00000,0,100.00,.00"}, "23");
  Run();
  EXPECT_EQ(JournalLines(), (std::vector<std::string>{"01,6299,3015,05,000000,00000,0000,0.00,.00"}));
  EXPECT_EQ(LastTitle(), kInBalance);
}

TEST_F(OracleFringeTest, ShortLinesAreToldOnceAndMatchOnlyWhatTheyHold) {
  WriteMap({kWages});
  PrepareLines({"01,6299,1200", "01,6299,1200,01,000000,00000,0,10.00", "01,6299"}, "50");
  Run();
  EXPECT_EQ(JournalLines(), (std::vector<std::string>{"01,6299,1200,01,000000,00000     ,0000,5.00,.00",
                                                      "01,6299,3015,05,000000,00000,0000,0.00,5.00"}));
  const std::vector<std::string> shown = Shown();
  EXPECT_EQ(std::count(shown.begin(), shown.end(),
                       "QvLedgerloom | Some lines of the input file hold fewer than 14 values; missing values were taken "
                       "as empty."),
            1);
  EXPECT_EQ(LastTitle(), kInBalance);
}

TEST_F(OracleFringeTest, AMappingFileThatIsNoWorkbookEndsTheRunReportingNothingAsReady) {
  WriteBytes(c / "gl" / "GL Map.xls", "Co,Dept\r\n");
  PrepareLines({"01,6299,1200,01,000000,00000,0,1.00,.00"}, "23");
  const std::size_t before = boxes.Shown().size();
  Run();
  std::vector<std::string> titles;
  for (std::size_t i = before + 1; i < boxes.Shown().size(); ++i) titles.push_back(boxes.Shown()[i].title);
  EXPECT_EQ(titles, (std::vector<std::string>{"OK to Proceed?", "QvLedgerloom"}));
  EXPECT_EQ(boxes.Shown().back().prompt.rfind("The GL Mapping file cannot be read:\r\rc:\\gl\\GL Map.xls\r\r", 0), 0u);
  EXPECT_FALSE(window->run.Ready);
}

// An export without a line, or with blank lines only, is no failure: the
// journal is the closing line of nothing, and the run balances.
TEST_F(OracleFringeTest, AnExportWithoutALineIsTheClosingLineAloneInBalance) {
  for (const char* input : {"", "\r\n  \r\n"}) {
    SCOPED_TRACE(std::string("[") + input + "]");
    WriteMap({kWages});
    PrepareLines({}, "23");
    WriteBytes(c / "gl" / "gl.txt", input);
    const RunOutput out = RunOnce();
    EXPECT_EQ(out.journal, "01,6299,3015,05,000000,00000,0000,0.00,.00\r\n");
    EXPECT_EQ(out.audit, "                  01,6299,3015,05,00.00           .00           \r\n");
    ASSERT_EQ(out.shown.size(), 3u);
    EXPECT_EQ(out.shown[1].rfind("OK to Proceed? | ", 0), 0u);
    EXPECT_EQ(out.shown[2].rfind(std::string(kInBalance) + " | Journal Entry:  c:\\gl\\123113026.txt\r", 0), 0u);
  }
}

}  // namespace
}  // namespace qvl::test
