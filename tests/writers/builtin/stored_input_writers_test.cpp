// "PeachTree", "Platinum", "Sage BusinessWorks Gold", the Shelby entries and
// "Solomon": the edges of each package's own field rules, amounts too wide
// for their fields, and a second run in one session.
#include <gtest/gtest.h>

#include "engine/run_fixture.h"
#include "platform/vb/text.h"
#include "writers/builtin/peachtree.h"
#include "writers/builtin/shelby.h"
#include "writers/builtin/solomon.h"

namespace qvl::test {
namespace {

using Lines = std::vector<std::string>;
using StoredInputWritersTest = WritersRunTest;

// A record whose amount fields hold the texts exactly as given (blanks
// included), 14 characters each.
std::string RawRecord(const std::string& account, const std::string& debits, const std::string& credits) {
  return Record(account, "", "").substr(0, 59) + debits + credits + "\r\n";
}

// The journal's amount column (the 0-based comma field) of each line.
Lines Column(const Lines& lines, std::size_t field) {
  Lines values;
  for (const std::string& line : lines) {
    std::size_t at = 0;
    for (std::size_t n = 0; n < field; ++n) at = line.find(',', at) + 1;
    values.push_back(line.substr(at, line.find(',', at) - at));
  }
  return values;
}

TEST(ShelbyAccountTest, PartsBeforeTheBlanksAndTheMainAccountFilledToNine) {
  struct Case {
    std::string account, part1, part2, part3, main;
  };
  for (const Case& c : std::vector<Case>{
           {"12345", "001", "000", "000", "000012345"},
           {"321 12345", "321", "000", "000", "000012345"},
           {"001 002 321 12345", "001", "002", "321", "000012345"},
           {"  321   12-45", "321", "000", "000", "000012-45"},  // blanks around and doubled
           {"1234567890123", "001", "000", "000", "1234567890123"},  // longer than nine: whole
       }) {
    const ShelbyAccount parts = SplitShelbyAccount(c.account);
    EXPECT_EQ((Lines{parts.part1, parts.part2, parts.part3, parts.main}), (Lines{c.part1, c.part2, c.part3, c.main}))
        << c.account;
  }
}

TEST(SplitTest, SolomonAccountsAndPeachTreeDelimitersSplitAtTheFirstOccurrenceOnly) {
  struct SolomonCase {
    std::string account;
    char separator;
    std::string main, sub;
  };
  for (const SolomonCase& c : std::vector<SolomonCase>{{"611000-CR000", '-', "611000", "CR000"},
                                                        {"611000", '-', "611000", ""},
                                                        {" 611000 - CR000 ", '-', "611000", "CR000"},
                                                        {"61-10-00", '-', "61", "10-00"},
                                                        {"0130 1101", ' ', "0130", "1101"}}) {
    const SolomonAccount parts = SplitSolomonAccount(c.account, c.separator);
    EXPECT_EQ(parts.main + "|" + parts.sub, c.main + "|" + c.sub) << c.account;
  }
  struct PeachCase {
    std::string account, delimiter, left, after;
  };
  for (const PeachCase& c : std::vector<PeachCase>{{"10001-J100L", "-", "10001", "J100L"},
                                                    {"10001", "-", "10001", ""},
                                                    {"10001-J1", "", "10001-J1", ""},  // no delimiter splits nothing
                                                    {"A::B::C", "::", "A", "B::C"},
                                                    {"10001xJ1", "X", "10001xJ1", ""}}) {  // case counts
    std::string account = c.account;
    const std::string after = SplitOff(account, c.delimiter);
    EXPECT_EQ(account + "|" + after, c.left + "|" + c.after) << c.account;
  }
  EXPECT_TRUE(EndsInIndicator("J100L", "L"));
  EXPECT_FALSE(EndsInIndicator("J100l", "L"));
  EXPECT_FALSE(EndsInIndicator("L", "LL"));
  EXPECT_TRUE(EndsInIndicator("", ""));  // an empty indicator ends every text
}

TEST_F(StoredInputWritersTest, PlatinumWritesOneSignedAmountAndTheNetOfARecordWithBothSides) {
  struct Case {
    std::string debits, credits, amount;
  };
  const std::vector<Case> cases{{".00", "7355.72", "-7355.72"}, {"100.00", "40.00", "60.00"},
                                {"40.00", "100.00", "-60"},      {"abc", "5.00", "-5"},
                                {"abc", "xyz", "0"},             {"50.00", "50.00", "0.00"}};
  std::vector<std::string> records;
  Lines expected{"ACCT,/T:P11/D:11/30/26,JRNL,DESC"};
  for (const Case& c : cases) {
    records.push_back(Record("1000", c.debits, c.credits));
    expected.push_back("1000," + c.amount + ",Dv:01 Br:02 Dp:03,Quorvanta Payroll");
  }
  Prepare("Platinum", records);
  boxes.QueueAnswer(dialogs::kNo);
  Run();
  EXPECT_EQ(JournalLines(), expected);
  // The lines add up to what the run counts: -7355.72 + 60 - 60 - 5.
  EXPECT_EQ(Shown()[0].substr(0, 74), "Journal Entry is OUT OF Balance! | Debits & Credits are off by: -$7,360.72");
}

TEST_F(StoredInputWritersTest, SageAmountsFillTheirElevenCharactersAndAWiderOneStopsTheRun) {
  struct Case {
    std::string debits, credits, field;  // empty field: refused
  };
  for (const Case& c : std::vector<Case>{{"99999999.99", ".00", "99999999.99"},
                                         {".00", "9999999.99", "-9999999.99"},
                                         {".00", "99999999.99", ""}}) {
    boxes = {};
    Prepare("Sage BusinessWorks Gold", {Record("1000", c.debits, c.credits)});
    boxes.QueueAnswer(dialogs::kNo);
    Run();
    if (c.field.empty()) {
      EXPECT_EQ(Shown(), (Lines{"QvLedgerloom - Sage BusinessWorks Gold | The Sage BusinessWorks Gold Journal Entry "
                                "was stopped by an error:\r\rc:\\gl\\gl.txt, record 1\rThe amount -99999999.99 does "
                                "not fit its field of 11 characters."}));
      EXPECT_TRUE(JournalLines().empty());
      EXPECT_FALSE(window->run.Ready);
    } else {
      EXPECT_EQ(JournalLines(), (Lines{"1,11/30/26,13,Quorvant,Co:123 Div:01 Br:02 Dept:03,1000," + c.field}));
    }
  }
}

TEST_F(StoredInputWritersTest, SageCountsEveryRecordAndWarnsAboutLongAccountsAgainInASecondRun) {
  for (int run = 0; run < 2; ++run) {
    boxes = {};
    Prepare("Sage BusinessWorks Gold",
            {Record("123456789012345", "5.00", "5.00"), Record("1000", "5.00", ".00"), Record("2000", ".00", "5.00")});
    window->chkNames.SetValue(1);
    Run();
    EXPECT_EQ(JournalLines(), (Lines{R"(1,11/30/26,GEN,"PR","WE20261130",1000,       5.00)",
                                     R"(1,11/30/26,GEN,"PR","WE20261130",2000,      -5.00)"}));
    EXPECT_EQ(window->run.RecCount, 3);
    ASSERT_EQ(Shown().size(), 2u) << run;
    EXPECT_EQ(Shown()[0].substr(0, 70), "QvLedgerloom | The maximum length for Account numbers in Sage Business");
    EXPECT_EQ(LastTitle(), kInBalance);
  }
}

TEST_F(StoredInputWritersTest, ShelbyTakesTheCreditsAsReadWhereverTheyStandInTheirField) {
  window->txtFiscMon.SetText("04");
  Prepare("Shelby Systems", {RawRecord("1000", vb::PadRight(".00", 14), vb::PadRight("95.00", 14)),
                             RawRecord("1000", vb::PadLeft(".00", 14), vb::PadLeft("543.21", 14)),
                             RawRecord("1000", vb::PadLeft("12.50", 14), vb::PadRight("2.50", 14)),
                             RawRecord("1000", vb::PadLeft("", 14), vb::PadLeft("1.00", 14)),
                             RawRecord("1000", vb::PadLeft("99999999.99", 14), vb::PadLeft("", 14))});
  boxes.QueueAnswer(dialogs::kNo);
  Run();
  EXPECT_EQ(Column(JournalLines("GLTRN2000.txt"), 7),
            (Lines{"\"-9500\"", "\"-54321\"", "\"1000\"", "\"-100\"", "\"9999999999\""}));
  EXPECT_EQ(ShelbyCents("-543.21"), "-54321");
  EXPECT_EQ(ShelbyCents(".00"), "0");
}

TEST_F(StoredInputWritersTest, ShelbyV5FirstValueAndDescriptionFollowTheirOptions) {
  const struct {
    int fiveDigits;  // "Use 5 digit field 1"
    int department;  // "Use Dept as Desc."
    std::string first, description;
  } rows[] = {{0, 0, "0", "02 03"}, {0, 1, "0", "03"}, {1, 1, "00000", "03"}};
  for (const auto& row : rows) {
    Prepare("Shelby v5", {Record("1000", "1.00", "1.00")});
    window->txtFiscMon.SetText("04");
    window->chkNames.SetValue(row.fiveDigits);
    window->chkLoc.SetValue(row.department);
    Run();
    EXPECT_EQ(JournalLines("GLTRN2000.TXT"),
              Lines{"\"" + row.first + "\",\"00100004PR61130\",\"000\",\"113026\",\"" + row.description +
                    "\",\"\",\"000000001000\",\"0\",\"\""});
  }
}

// The run stops at the amount, naming the record it came from, or the
// merged line when the amount is a sum of records; nothing is reported in
// balance.
TEST_F(StoredInputWritersTest, AnAmountWiderThanItsFieldStopsTheRunNamingItsRecordOrSummarizedLine) {
  const std::vector<std::string> twoOfAKind = {Record("2000", "1.00", ".00"), Record("1000", "99999999.99", ".00"),
                                               Record("1000", "99999999.99", ".00"), Record("3000", ".00", "5.00")};
  const struct {
    std::string package;
    bool summarized;
    std::vector<std::string> records;
    std::string where;
    std::string amount;  // as refused
    std::size_t width;
    std::string journal;
    std::size_t written;  // lines before the stop
  } rows[] = {
      {"Shelby v5", false, {Record("1000", "1.00", ".00"), Record("1000", "123456789012.5", ".00")},
       "c:\\gl\\gl.txt, record 2", "123456789012.5", 11, "GLTRN2000.TXT", 1},
      {"Shelby v5", true, twoOfAKind, "the summarized line of account 1000", "199999999.98", 11, "GLTRN2000.TXT", 1},
      {"Sage BusinessWorks Gold", true, twoOfAKind, "the summarized line of account 1000", "199999999.98", 11,
       "123113026.txt", 1},
      // The merged credits fill the record's field; their negated sum does not fit the journal's.
      {"PeachTree", true,
       {Record("2000", "1.00", ".00"), Record("1000", ".00", "9999999999.99"), Record("1000", ".00", "9999999999.99")},
       "the summarized line of account 1000", "-19999999999.98", 14, "123.csv", 1},
      // The journal's field takes any width; the merged sum outgrows the record's own.
      {"Solomon", true,
       {Record("2000", "1.00", ".00"), Record("1000", "99999999999.99", ".00"), Record("1000", "99999999999.99", ".00")},
       "the summarized line of account 1000", "199999999999.98", 14, "123113026.txt", 2},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.package + (row.summarized ? " summarized" : ""));
    boxes = {};
    Prepare(row.package, row.records);
    window->Summarized.SetValue(row.summarized);
    window->chkJobCode.SetValue(0);  // PeachTree without job costing asks nothing
    Run();
    EXPECT_EQ(Shown(), (Lines{"QvLedgerloom - " + row.package + " | The " + row.package +
                              " Journal Entry was stopped by an error:\r\r" + row.where + "\rThe amount " +
                              row.amount + " does not fit its field of " + std::to_string(row.width) +
                              " characters."}));
    EXPECT_EQ(JournalLines(row.journal).size(), row.written);
    EXPECT_FALSE(window->run.Ready);
  }
}

TEST_F(StoredInputWritersTest, SolomonLeavesNoDescriptionOfACommaRunToALaterFixedRun) {
  window->chkCSV.SetValue(1);
  // The last line read carries a description, which the fixed run below
  // must not take over.
  Prepare("Solomon", {"123,20261130,01,02,03,611000-CR000,1234.00,.00,Tax Impound\r\n",
                      "123,20261130,01,02,03,700000,.50,abc\r\n",  // too few values: warned, still written
                      "123,20261130,01,02,03,611000,.00,1234.50,\"ER, Medicare\"\r\n"});
  boxes.QueueAnswer(dialogs::kNo);
  Run();
  EXPECT_EQ(JournalLines(), (Lines{"Level0,,PJ,N,202611,B,,,,,1234.5",
                                   "Level1,611000,CR000,PR,11/30/26,Payroll,1234.00,.00,Tax Impound",
                                   "Level1,700000,,PR,11/30/26,Payroll,.50,abc,",
                                   "Level1,611000,,PR,11/30/26,Payroll,.00,1234.50,ER, Medicare"}));
  const std::string warning = "QvLedgerloom | Some lines of the input file hold fewer than 9 values";
  EXPECT_EQ(Shown()[0].substr(0, warning.size()), warning);

  window->chkCSV.SetValue(0);
  boxes = {};
  Prepare("Solomon", {Record("611000-CR000", "10.00", ".00"), Record("611000-CR000", ".00", "10.00")});
  Run();
  EXPECT_EQ(JournalLines(), (Lines{"Level0,,PJ,N,202611,B,,,,,10",
                                   "Level1,611000,CR000,PR,11/30/26,Payroll,10.00,.00,",
                                   "Level1,611000,CR000,PR,11/30/26,Payroll,.00,10.00,"}));
}

TEST_F(StoredInputWritersTest, SolomonV6KeepsEveryRecordOfALongInput) {
  std::vector<std::string> records(10001, Record("0130 1101", "1.00", ".00"));
  records.push_back(Record("2110 101", ".00", "10001.00"));
  Prepare("Solomon v6", records);
  Run();
  const Lines lines = JournalLines();
  ASSERT_EQ(lines.size(), 10003u);
  EXPECT_EQ(lines.back(), "Level1,2110,101,\"PR\",11/30/26,N,.00,10001.00,Payroll");
  EXPECT_EQ(LastTitle(), kInBalance);
}

TEST_F(StoredInputWritersTest, PeachTreeCountsEveryLineTheEntryWillHold) {
  struct Case {
    int jobCode, overhead;
    std::string rate;
    std::vector<std::string> accounts;
    std::string count;
    std::size_t lines, fields;
  };
  for (const Case& c : std::vector<Case>{
           {1, 1, "23", {"5000", "6000-J1L", "7000-J2L"}, "7", 7, 7},
           {1, 1, "23", {"6000-J1L", "5000"}, "4", 4, 7},  // the first record is a labour record too
           {1, 1, "abc", {"6000-J1L", "5000"}, "2", 2, 7},  // a rate that is no number: no burden lines
           // An overhead that rounds to 0 writes no burden lines; the count
           // is taken before any amount is known.
           {1, 1, "0.004", {"6000-J1L", "5000"}, "4", 2, 7},
           {1, 0, "23", {"6000-J1L", "5000"}, "2", 2, 7},
           {0, 0, "23", {"6000-J1L", "5000"}, "2", 2, 6},
       }) {
    boxes = {};
    std::vector<std::string> records;
    for (const std::string& account : c.accounts) records.push_back(Record(account, "100.00", ".00"));
    Prepare("PeachTree", records);
    window->chkJobCode.SetValue(c.jobCode);
    window->chkOverhead.SetValue(c.overhead);
    window->txtOverhead.SetText(c.rate);
    window->txtDelim.SetText("-");
    if (c.jobCode && c.overhead)
      for (const char* answer : {"50420", "89950", "L", "B"}) boxes.QueueReply(answer);
    boxes.QueueAnswer(dialogs::kNo);
    Run();
    const Lines lines = JournalLines("123.csv");
    ASSERT_EQ(lines.size(), c.lines) << c.accounts[0] << " " << c.rate;
    EXPECT_EQ(Column(lines, 2), Lines(c.lines, c.count));
    EXPECT_EQ(std::count(lines[0].begin(), lines[0].end(), ','), static_cast<long>(c.fields - 1));
  }
}

TEST_F(StoredInputWritersTest, PeachTreeAsksWithFreshDefaultsInASecondRunAndCutsLongAccounts) {
  Prepare("PeachTree", {Record("123456789012345678", "abc", ".00"), Record("6000-J1L", "10.00", ".00")});
  window->chkJobCode.SetValue(1);
  window->chkOverhead.SetValue(1);
  window->txtOverhead.SetText("50");
  window->txtDelim.SetText("-");
  for (const char* answer : {"111", "222", "1L", "X"}) boxes.QueueReply(answer);
  boxes.QueueAnswer(dialogs::kNo);
  Run();
  EXPECT_EQ(JournalLines("123.csv"), (Lines{"11/30/2026,Quorvanta Payroll,4,12345678901234567,,0,\"\"",
                                            "11/30/2026,Quorvanta Payroll,4,6000,,10,\"J1L\"",
                                            "11/30/2026,Quorvanta Payroll,4,111,,5,\"JX\"",
                                            "11/30/2026,Quorvanta Payroll,4,222,,-5,"}));
  // A debits text that is no number is written back as ".00".
  EXPECT_EQ(vb::Trim(SplitLines(Audit())[0].substr(36, 14)), ".00");

  // The second run dated mm/dd/yy, burden lines too.
  boxes = {};
  Prepare("PeachTree", {Record("7000-J2L", "10.00", ".00")});
  window->chkJobCode.SetValue(1);
  window->chkOverhead.SetValue(1);
  window->rdoYY.SetValue(true);
  for (const char* answer : {"50420", "89950", "L", "B"}) boxes.QueueReply(answer);
  boxes.QueueAnswer(dialogs::kNo);
  Run();
  EXPECT_EQ(boxes.Shown()[0].defaultText, "50420");
  EXPECT_EQ(boxes.Shown()[2].defaultText, "L");
  EXPECT_EQ(Column(JournalLines("123.csv"), 2), Lines(3, "3"));
  EXPECT_EQ(Column(JournalLines("123.csv"), 0), Lines(3, "11/30/26"));
}

}  // namespace
}  // namespace qvl::test
