// The loop drivers that no package of this version runs end to end yet.
#include "engine/call_patterns.h"

#include <gtest/gtest.h>

#include "engine/write_output.h"
#include "platform/files/text_stream.h"
#include "platform/vb/text.h"
#include "run_fixture.h"

namespace qvl::test {
namespace {

std::vector<std::string> seen;
void Collect(QvLedgerloom& w) {
  seen.push_back(vb::Trim(w.run.curRec.account()) + " " + vb::Trim(w.run.curRec.debits()));
}

class CallPatternTest : public RunTest {
 protected:
  void OpenInput(const std::string& package, const std::string& bytes) {
    seen.clear();
    WriteBytes(c / "in.txt", bytes);
    window->run.entry = catalog.Find(package);
    window->run.INFile = "c:\\in.txt";
    if (ReadsText(*window->run.entry, window->Summarized.Value(), window->chkCSV.Value() == 1))
      window->run.Files.OpenText(1, "c:\\in.txt");
    else
      window->run.Files.OpenRecords(1, "c:\\in.txt");
  }
};

TEST_F(CallPatternTest, ACommaLoopHandsOnEveryLineAndTellsShortAndLongLinesApartOnceEach) {
  OpenInput("BMSI", "1,2,3\r\n4,5\r\n\r\n6,7,8,9\r\n10,11\r\n12,13,14,15\r\n16,17,18");
  std::vector<std::vector<std::string>> lines;
  CommaRecordLoop(*window, 3, [&](const std::vector<std::string>& v) { lines.push_back(v); });
  EXPECT_EQ(lines, (std::vector<std::vector<std::string>>{
                       {"1", "2", "3"}, {"4", "5", ""}, {"6", "7", "8"}, {"10", "11", ""}, {"12", "13", "14"},
                       {"16", "17", "18"}}));
  EXPECT_EQ(Shown(), (std::vector<std::string>{
                         "QvLedgerloom | Some lines of the input file hold fewer than 3 values; missing values "
                         "were taken as empty.",
                         "QvLedgerloom | Some lines of the input file hold more than 3 values; the values after "
                         "the first 3 were not read."}));
}

TEST_F(CallPatternTest, StoredRecordsAreAllSummarizedEvenWhenTheInputIsAtItsEnd) {
  // Two records alike in every field: the second merges into the first
  // instead of being dropped.
  OpenInput("Solomon v6", Record("1000", "5.00", ".00") + Record("1000", "5.00", ".00") + Record("2000", "1.00", ".00"));
  const std::vector<InputRecord> stored = StoreInput(*window);
  ASSERT_EQ(stored.size(), 3u);
  window->Summarized.SetValue(true);
  WriteStored(*window, stored, Collect);
  EXPECT_EQ(seen, (std::vector<std::string>{"1000 10", "2000 1.00"}));
}

void WriteRecord(QvLedgerloom& w) {
  w.run.Build_OutRec = vb::Trim(w.run.curRec.account());
  WriteOutputRec(w);
}

TEST_F(CallPatternTest, ALineWrittenAfterTheSummaryPassCountsItsOwnAmounts) {
  OpenInput("AccPac (new)", Record("1000", "5.00", ".00") + Record("1000", "2.50", ".00"));
  window->run.entry = catalog.Find("AccPac (new)");
  window->run.a = files::CreateTextFile("c:\\journal.txt");
  window->run.b = files::CreateTextFile("c:\\audit.txt");
  window->Summarized.SetValue(true);
  SummarizingRecordLoop(*window, WriteRecord);
  EXPECT_EQ(window->run.Audit_Total, vb::CCur("7.5"));
  // A closing line that carries an amount of its own, written once the
  // merged lines are out: it is not one of them.
  window->run.curRec.SetText(Record("2100", ".00", "7.50"));
  WriteRecord(*window);
  EXPECT_TRUE(window->run.Audit_Total.IsZero());
  EXPECT_EQ(window->run.Credit_Amount, vb::CCur("7.5"));
}

}  // namespace
}  // namespace qvl::test
