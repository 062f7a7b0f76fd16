// The field rules of the whole-file writers at their edges, and their runs
// one after the other in one session: nothing of a run is left for the next.
#include <gtest/gtest.h>

#include <filesystem>

#include "engine/run_fixture.h"
#include "platform/vb/error.h"
#include "writers/builtin/whole_file.h"

namespace qvl::test {
namespace {

using Lines = std::vector<std::string>;

TEST(ClubSelectFields, SegmentsFillFromTheLastAndMoreThanFourAreRefused) {
  const std::pair<const char*, ClubSegments> cases[] = {
      {"1061", {"", "", "", "1061"}},
      {"20 30", {"", "", "20", "30"}},
      {"10 20 30", {"", "10", "20", "30"}},
      {"10 20 30 40", {"10", "20", "30", "40"}},
      {"  20 30   ", {"", "", "20", "30"}},
      {"10  20", {"", "10", "", "20"}},  // two blanks: an empty segment between them
      {"", {"", "", "", ""}},
  };
  for (const auto& [account, segments] : cases) EXPECT_EQ(ClubSelectSegments(account), segments) << account;
  EXPECT_THROW(ClubSelectSegments("1 2 3 4 5"), vb::Error);
  EXPECT_THROW(ClubSelectSegments("10 20 30  40"), vb::Error);
}

TEST(ClubSelectFields, FiscalPeriodStartsInNovember) {
  const int periods[] = {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2};
  for (int month = 1; month <= 12; ++month) EXPECT_EQ(ClubSelectFiscalPeriod(month), periods[month - 1]) << month;
}

TEST(IntuitFields, AmountsCarryTheirSignAfterThem) {
  const std::pair<const char*, const char*> cases[] = {
      {"125.5", "125.50+"}, {"-125.5", "125.50-"}, {"0", ".00+"},           {".75", ".75+"},
      {"-.75", ".75-"},     {"1234567.8", "1234567.80+"}, {"0.005", ".01+"},
  };
  for (const auto& [amount, text] : cases) EXPECT_EQ(IntuitSignedAmount(vb::CCur(amount)), text) << amount;
}

TEST(IntuitFields, OnlyTwoDigitsFromOneOnNameAFund) {
  const std::pair<const char*, int> cases[] = {
      {"01-00-00-1104", 1}, {"99", 99}, {"07", 7}, {"00-00-00-1203", 0}, {"AB-00", 0},
      {"7", 0},             {"1.", 0},  {"-1", 0}, {"", 0},
  };
  for (const auto& [text, fund] : cases) EXPECT_EQ(IntuitFund(text), fund) << text;
}

TEST(Mas90Fields, V32AccountIsCutBeforeItsDashesGo) {
  const struct {
    const char* account;
    std::size_t length;
    const char* written;
  } cases[] = {
      {"4000", 9, "400000000"},       {"1000-01", 9, "100001000"},
      {"1000-01-001", 9, "100001000"}, {"  4000  ", 15, "400000000000000"},
      {"1234567890123", 9, "123456789"}, {"1234567890123", 12, "123456789012"},
  };
  for (const auto& c : cases) EXPECT_EQ(Mas90V32Account(c.account, c.length), c.written) << c.account;
}

TEST(Mas90Fields, V32LengthIsANumberFrom9To15RoundedHalfToEven) {
  const std::pair<const char*, int> cases[] = {
      {"9", 9},   {"15", 15},  {"9.4", 9}, {"9.5", 10},  {"10.5", 10}, {" 12 ", 12},
      {"8", 0},   {"16", 0},   {"8.5", 0}, {"15.5", 0},  {"-9", 0},    {"abc", 0},
      {"", 0},    {"40000", 0}, {"99999999999999999999", 0}, {"1e3", 0},
  };
  for (const auto& [answer, length] : cases) EXPECT_EQ(Mas90V32Length(answer), length) << answer;
}

TEST(Mas90Fields, V43AccountLosesDotsDashesAndThenBlanksToNineCharacters) {
  const std::pair<const char*, const char*> cases[] = {
      {"12.345.678-90", "234567890"}, {"1061 000 XYZ9", "61000XYZ9"}, {"123 456 78", "12345678"},
      {"12 3456", "12 3456"},        {"  5000  ", "5000"},           {"1-2.3", "123"},
      // Blanks go only from an account longer than nine characters.
      {"1.23 45 78", "123 45 78"},   {"123 45 789", "12345789"},
  };
  for (const auto& [account, cleaned] : cases) EXPECT_EQ(Mas90V43Account(account), cleaned) << account;
}

using WholeFileRunTest = WritersRunTest;

// Runs one after the other in one session: each journal ends its own last
// detail line, whatever the run before left pending.
TEST_F(WholeFileRunTest, CMSEndsEachRunsLastDetailLineOnItsOwn) {
  const struct {
    Lines records;
    Lines details;
  } runs[] = {
      {{Record("1", "1.00", ".00"), Record("2", "2.00", ".00"), Record("3", ".00", "3.00")},
       {"D;1;;D;1.00;", "D;2;;D;2.00;", "D;3;;C;3.00"}},
      {{Record("4", "5.00", "5.00")}, {"D;4;;D;5.00;", "D;4;;C;5.00"}},
      {{Record("5", "-1.00", "abc"), Record("6", ".00", ".00")}, {}},
      {{Record("7", "7.00", "7.00"), Record("8", ".00", "-7.00")}, {"D;7;;D;7.00;", "D;7;;C;7.00"}},
  };
  for (const auto& r : runs) {
    Prepare("CMS", r.records);
    Run();
    Lines expected = {"H;11/30/2026;PR;Quorvanta Payroll;"};
    expected.insert(expected.end(), r.details.begin(), r.details.end());
    EXPECT_EQ(JournalLines(), expected);
    EXPECT_EQ(LastTitle(), kInBalance);
  }

  // A run the disk stops after many detail lines, the last of them still
  // waiting for its end: the next run's journal starts clean all the same.
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  std::filesystem::remove(c / "gl" / "Audit_trail.txt");
  std::filesystem::create_symlink("/dev/full", c / "gl" / "Audit_trail.txt");
  Prepare("CMS", Lines(20000, Record("9", "1.00", ".00")));
  Run();
  ASSERT_FALSE(window->run.Ready);
  const std::string stopped = Shown().back();
  ASSERT_EQ(stopped.rfind("QvLedgerloom - CMS | The CMS Journal Entry was stopped by an error:", 0), 0u) << stopped;
  ASSERT_EQ(stopped.substr(stopped.size() - 10), "\rDisk full");
  std::filesystem::remove(c / "gl" / "Audit_trail.txt");
  Prepare("CMS", {Record("1", "1.00", "1.00")});
  Run();
  EXPECT_EQ(JournalLines(), (Lines{"H;11/30/2026;PR;Quorvanta Payroll;", "D;1;;D;1.00;", "D;1;;C;1.00"}));
  EXPECT_EQ(LastTitle(), kInBalance);
}

class IntuitRunTest : public WritersRunTest {
 protected:
  void PrepareIntuit(const std::vector<std::string>& records, const std::string& wcFile) {
    Prepare("Intuit Fundware", records, "c:\\out");
    std::filesystem::create_directories(c / "GL");
    std::filesystem::create_directories(c / "WC");
    std::filesystem::create_directories(c / "out");
    std::filesystem::copy_file(c / "gl" / "gl.txt", c / "GL" / "x.txt", std::filesystem::copy_options::overwrite_existing);
    WriteBytes(c / "WC" / "x.txt", wcFile);
    window->QvInputFile.SetText("c:\\GL\\x.txt");
  }
  Lines OutLines() const { return SplitLines(ReadBytes(c / "out" / "123113026.txt")); }
};

// The second run totals its own fund table and workers' compensation file.
TEST_F(IntuitRunTest, EachRunStartsFromEmptyTables) {
  std::size_t shownBefore = 0;
  for (int run = 0; run < 2; ++run) {
    PrepareIntuit({Record("02-00-00-6101", "5.00", ".00"), Record("        6130", "1.00", ".00")},
                  "a;b;020000;d;e;f;g;h;i;j;k;l;1.00\r\n");
    Run();
    EXPECT_EQ(OutLines(), (Lines{"DIV=123||||||", "1|PAYRL|11302026||||", "4|02-00-00-6101|||||5.00+",
                                 "4|02-00-00-6130|||||1.00+", "4|02-00-00-2141|Due to/from Cash||||1.00-",
                                 "4|00-00-02-2141|Due to/from||||1.00+", "4|02-00-00-2141|Due to/from Cash||||5.00-",
                                 "4|00-00-02-2141|Due to/from||||5.00+", "4|00-00-00-6101|Salaries & Wages||||5.00-",
                                 "4|00-00-00-6101|Salaries & Wages||||5.00+"}))
        << run;
    EXPECT_EQ(Shown()[shownBefore], "QvLedgerloom | 020000 1.00\rWorkers Comp Total: 1.00");
    shownBefore = boxes.Shown().size();
  }
}

// Without a blank-account record no workers' compensation line is written;
// a record that nets to zero writes nothing; with no fund the salaries
// lines still close the journal.
TEST_F(IntuitRunTest, NoBlankAccountRecordNoWorkersCompensationLines) {
  PrepareIntuit({Record("00-00-00-1104", "3.00", "3.00"), Record("AB-00-00-1000", ".50", ".00")},
                "a;b;020000;d;e;f;g;h;i;j;k;l;1.00\r\n");
  Run();
  EXPECT_EQ(OutLines(), (Lines{"DIV=123||||||", "1|PAYRL|11302026||||", "4|AB-00-00-1000|||||.50+",
                               "4|00-00-00-6101|Salaries & Wages||||.00-",
                               "4|00-00-00-6101|Salaries & Wages||||.00+"}));
  EXPECT_EQ(ReadBytes(c / "out" / "Audit_trail.txt"), "");
}

TEST_F(IntuitRunTest, WorkersCompensationFileEdges) {
  const struct {
    const char* wcFile;
    bool runs;
    Lines shown;
  } cases[] = {
      // Empty: told so, and the run goes on with no entries.
      {"", true, {"QvLedgerloom | No records found in file:c:\\WC\\x.txt", "QvLedgerloom | Workers Comp Total: .00"}},
      // A short line would drop what follows it: the run stops before any file is created.
      {"a;b;020000;d;e;f;g;h;i;j;k;l;1.00\r\na;b;030000;d\r\na;b;040000;d;e;f;g;h;i;j;k;l;2.00\r\n",
       false,
       {"QvLedgerloom - Intuit Fundware | The Intuit Fundware Journal Entry was stopped by an error:\r\r"
        "c:\\WC\\x.txt, line 2\rThe line holds fewer than 13 values separated by \";\"."}},
      // Amounts that are no number count as 0; the thirteenth value is the rest of the line.
      {"a;b;020000;d;e;f;g;h;i;j;k;l;x\r\na;b;030000;d;e;f;g;h;i;j;k;l;2.00;9\r\n",
       true,
       {"QvLedgerloom | 020000 .00\r030000 .00\rWorkers Comp Total: .00"}},
  };
  for (const auto& c : cases) {
    const auto before = static_cast<std::ptrdiff_t>(boxes.Shown().size());
    std::filesystem::remove_all(this->c / "out");
    PrepareIntuit({Record("01-00-00-1104", "1.00", "1.00")}, c.wcFile);
    Run();
    Lines shown = Shown();
    shown.erase(shown.begin(), shown.begin() + before);
    if (c.runs) {
      ASSERT_FALSE(shown.empty());
      EXPECT_EQ(shown.back().substr(0, std::string(kInBalance).size()), kInBalance);
      shown.pop_back();
    }
    EXPECT_EQ(shown, c.shown) << c.wcFile;
    EXPECT_EQ(std::filesystem::exists(this->c / "out" / "123113026.txt"), c.runs) << c.wcFile;
  }
}

// The length is asked again at every run, and lines take the new one.
TEST_F(WholeFileRunTest, Mas90V32AsksTheLengthAtEveryRun) {
  for (const auto& [answers, account] : {std::pair<Lines, std::string>{{"40000", "12"}, "400000000000"},
                                         std::pair<Lines, std::string>{{"9"}, "400000000"}}) {
    Prepare("MAS90 v3.2", {Record("4000", "1.00", ".00"), Record("4000", ".00", "1.00")});
    for (const std::string& a : answers) boxes.QueueReply(a);
    Run();
    const Lines lines = JournalLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].substr(0, 39), account + std::string(39 - account.size(), ' '));
    EXPECT_EQ(lines[0].substr(98), "            1");
    EXPECT_EQ(lines[1].substr(98), "        -1.00");
    EXPECT_EQ(LastTitle(), kInBalance);
  }
}

// The entry number starts at 1 in every run.
TEST_F(WholeFileRunTest, Mas90V43NumbersEachRunFromOne) {
  for (int run = 0; run < 2; ++run) {
    Prepare("MAS90 v4.3", {"123,20261130,01,02,03,5000,0,1.00,.00\r\n123,20261130,01,02,03,2100,0,bad,1.00\r\n"});
    Run();
    EXPECT_EQ(JournalLines(), (Lines{"5000,,11/30/26,PR,1,1,PR,PR11,1.00", "2100,,11/30/26,PR,1,2,PR,PR11,-1.00"}));
    EXPECT_EQ(LastTitle(), kInBalance);
  }
}

// A line that does not hold the export's values stops the run naming it.
TEST_F(WholeFileRunTest, Mas90V43AndMIPNameTheLineThatHoldsTooFewValues) {
  for (const std::string package : {"MAS90 v4.3", "MIP"}) {
    Prepare(package, {"123,20261130,01,02,03,5000,0,1.00,.00\r\n123,20261130,5000,1.00\r\n"});
    window->Summarized.SetValue(package == "MIP");
    const std::size_t before = boxes.Shown().size();
    Run();
    ASSERT_EQ(boxes.Shown().size(), before + 1) << package;
    EXPECT_NE(Shown().back().find("c:\\gl\\gl.txt, line 2"), std::string::npos) << Shown().back();
    EXPECT_FALSE(window->run.Ready);
  }
}

// A comma run after a fixed one, and the fixed one again: each line's net
// counts once in both forms, and the comma account never outlives its run.
TEST_F(WholeFileRunTest, MIPCountsEachRecordOnceInBothForms) {
  const struct {
    bool csv;
    std::string input;
    std::size_t lines;
    const char* total;
    const char* lastAccount;
  } runs[] = {
      {false, Record("5010 03", "4.00", "1.00"), 7, "3", "1240 01"},
      {true, "123,20261130,01,02,03,5010 03,0,4.00,1.00\r\n", 7, "3", "1240 01"},
      {false, Record("5010 01", "2.00", ".00"), 2, "2", "5010 01"},
  };
  for (const auto& r : runs) {
    Prepare("MIP", {r.input});
    window->Summarized.SetValue(r.csv);
    boxes.QueueAnswer(dialogs::kNo);
    Run();
    EXPECT_EQ(JournalLines("123113026.csv").size(), r.lines);
    EXPECT_EQ(window->run.Audit_Total, vb::CCur(r.total));
    EXPECT_EQ(JournalLines("123113026.csv").back().substr(0, 7), r.lastAccount);
  }
}

// Each run takes its own period end into the fiscal period.
TEST_F(WholeFileRunTest, ClubSelectSecondRunTakesItsOwnPeriod) {
  for (const auto& [periodEnd, period] : {std::pair<std::string, std::string>{"11/30/2026", "1"}, {"10/31/2026", "12"}}) {
    Prepare("ClubSelect", {"1,20261120,01,02,03,1061,0,.00,.00\r\n"});
    window->cmboCoNum.SetText("7");
    window->pdEndDate.SetText(periodEnd);
    Run();
    EXPECT_EQ(SplitLines(ReadBytes(c / "gl" / "CCGLTR7.MAS")),
              Lines{"\"\",\"\",\"\",\"1061\",\"26\",\"" + period +
                    "\",\"5\",\"100\",\"11/20/26\",\"Payroll Entry\",\"M/J/WeeklyPrEntry\",\"0\""});
  }
}

}  // namespace
}  // namespace qvl::test
