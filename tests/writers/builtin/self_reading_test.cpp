// The field rules of the writers that read the comma export themselves, and
// the runs the scenarios leave out: bad lines, refusals, second runs.
#include "writers/builtin/self_reading.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/run_fixture.h"

namespace qvl::test {
namespace {

// Fourteen Oracle values: six levels and date, the six segments, hours and amounts.
std::string OracleLine(const std::string& segment, const std::string& rest) {
  return "2994,20080611,,,,01," + segment + ",3015,05,000000,00000," + rest + "\r\n";
}

class SelfReadingTest : public WritersRunTest {
 protected:
  std::string Box(std::size_t i) const { return i < Shown().size() ? Shown()[i] : std::string(); }
};

TEST_F(SelfReadingTest, OrionWritesDebitsAsTheyAreSignedAndCreditsNegative) {
  struct Case {
    const char* debits;
    const char* credits;
    const char* amounts;
  };
  const Case cases[] = {
      {"1.00", "0.00", "0000000001.00,-0000000000.00"},
      {"", "125.5", "0000000000.00,-0000000125.50"},
      {"12345678901.5", "12A", "12345678901.50,-0000000000.00"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.debits) + " " + c.credits);
    RunOver("Orion", {CommaLine("2340", c.debits, c.credits)});
    EXPECT_EQ(JournalLines(), std::vector<std::string>{"0001,11,0001,2340,,," + std::string(c.amounts)});
  }
}

TEST_F(SelfReadingTest, OrionNamesABadLineAndNumbersASecondRunFromOne) {
  RunOver("Orion", {CommaLine("1000", "1.00", ""), "123,20261130,1000,1.00\r\n", CommaLine("2000", "", "1.00")});
  EXPECT_EQ(Box(0), "QvLedgerloom - Orion | The Orion Journal Entry was stopped by an error:\r\rc:\\gl\\gl.txt, "
                    "line 2\rThe line does not hold the 9 values of the export.");
  ASSERT_EQ(Shown().size(), 1u);

  boxes = dialogs::ScriptedDialogs();
  RunOver("Orion", {CommaLine("1000", "1.00", ""), CommaLine("2000", "", "1.00")});
  EXPECT_EQ(JournalLines(), (std::vector<std::string>{"0001,11,0001,1000,,,0000000001.00,-0000000000.00",
                                                      "0002,11,0002,2000,,,0000000000.00,-0000000001.00"}));
  EXPECT_EQ(LastTitle(), kInBalance);
}

TEST_F(SelfReadingTest, OracleFindsTheSecondPostingByPosition) {
  struct Case {
    const char* name;
    std::string line;
    std::vector<std::string> lines;  // the lines of the second posting
  };
  const Case cases[] = {
      // The first amount's text also begins the line.
      {"repeated text", OracleLine("6202", "2994,2994,20080611,,,,01,6203,3015,05,000000,00000,7.00"),
       {"2994,20080611,,,,01,6203,3015,05,000000,00000,0000,7.00,.00,.00",
        "2994,20080611,,,,01,6206,3015,05,000000,00000,0000,.00,7.00,.00"}},
      // An empty value where the second posting starts.
      {"empty company", OracleLine("6202", "1.00,,20080611,,,,01,6203,3015,05,000000,00000, 2.50 "),
       {",20080611,,,,01,6203,3015,05,000000,00000,0000,2.50,.00,.00",
        ",20080611,,,,01,6206,3015,05,000000,00000,0000,.00,2.50,.00"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    boxes = dialogs::ScriptedDialogs();
    boxes.QueueReply("0000");
    RunOver("Oracle", {c.line, OracleLine("9999", ".00,1.00,.00")});
    const std::vector<std::string> lines = JournalLines("123.txt");
    ASSERT_EQ(lines.size(), 4u);  // nothing after the closing line
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 2, lines.end()), c.lines);
  }
}

TEST_F(SelfReadingTest, OracleRefusesAShortSecondPostingAndWritesAnEmptyInputAsAnEmptyJournal) {
  boxes.QueueReply("0000");
  RunOver("Oracle", {OracleLine("6202", "5.00,2994,20080611,01,6203,5.00")});
  EXPECT_NE(Box(1).find("line 1\rThe line does not hold the 12 values of the second posting."), std::string::npos);
  ASSERT_EQ(Shown().size(), 2u);

  boxes = dialogs::ScriptedDialogs();
  boxes.QueueReply("");
  RunOver("Oracle", {"\r\n"});
  EXPECT_EQ(Journal("123.txt"), "");
  EXPECT_EQ(LastTitle(), kInBalance);
}

TEST_F(SelfReadingTest, ProduceProSplitsTheAccountAtItsFirstTwoDashes) {
  struct Case {
    const char* account;
    const char* parts;
  };
  const Case cases[] = {
      {"10-10-10", "100000,10,10"},    // a repeated segment stays
      {"1-1-1-1", "10000,1,1-1"},
      {"-5-7", "0000,5,7"},
      {"12--000", "120000,,0"},
      {"2090-3", "20900000,3,0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.account);
    RunOver("Produce Pro", {CommaLine(c.account, "1.00", "1.00")});
    EXPECT_EQ(JournalLines("123113026.csv"), std::vector<std::string>{"20261130,202611,," + std::string(c.parts) + ",.00"});
  }
}

TEST_F(SelfReadingTest, ProduceProWritesTheNetAndCountsIt) {
  struct Case {
    const char* debits;
    const char* credits;
    const char* amount;
  };
  const Case cases[] = {
      {"14029.59", "", "14029.59"}, {"0", "806.81", "-806.81"}, {"abc", "5", "-5.00"}, {"12345678.9", ".00", "12345678.90"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.amount);
    boxes = dialogs::ScriptedDialogs();
    boxes.QueueAnswer(dialogs::kNo);
    RunOver("Produce Pro", {CommaLine("1-2-3", c.debits, c.credits)});
    EXPECT_EQ(JournalLines("123113026.csv"), std::vector<std::string>{"20261130,202611,,10000,2,3," + std::string(c.amount)});
    EXPECT_NE(Box(0).find("off by: " + std::string(c.amount[0] == '-' ? "-$" : "$")), std::string::npos);
  }
}

TEST_F(SelfReadingTest, VADARRWarnsOnceOfShortLinesAndNeverReusesAValue) {
  RunOver("VADARR", {CommaLine("1000", "5.00", ".00"), "123,20261130,01,02,03,2000\r\n", "123,20261130,01\r\n"});
  EXPECT_EQ(JournalLines(), (std::vector<std::string>{"\"1000              \"\t5.00", "\"2000              \"\t.00",
                                                      "\"                  \"\t.00"}));
  ASSERT_EQ(Shown().size(), 2u);
  EXPECT_EQ(LastTitle(), kInBalance);
}

TEST_F(SelfReadingTest, ASecondRunInOneSessionWritesWhatTheFirstWrote) {
  for (const char* package : {"VADARR", "Produce Pro", "Orion"}) {
    SCOPED_TRACE(package);
    boxes = dialogs::ScriptedDialogs();
    Prepare(package, {CommaLine("1000-1-2", "5.00", ".00"), CommaLine("2000", ".00", "5.00")});
    Run();
    const std::string name = window->run.OUTFile.substr(6);
    const std::string journal = Journal(name);
    const std::string audit = Audit();
    ASSERT_EQ(SplitLines(journal).size(), 2u);
    Run();
    EXPECT_EQ(Journal(name), journal);
    EXPECT_EQ(Audit(), audit);
    EXPECT_EQ(Shown(), std::vector<std::string>(2, Shown()[0]));
  }
}

TEST_F(SelfReadingTest, YardiSystemsNumbersGroupsAndFillsTheAccountPart) {
  struct Case {
    std::vector<std::string> accounts;
    std::vector<std::string> written;  // journal number, group, account part
  };
  const Case cases[] = {
      {{"993E 7005", "993E 7006", "1750A", "993E 1"},
       {"1 993E 0000007005", "1 993E 0000007006", "2 1750A 0000000000", "3 993E 0000000001"}},
      {{"12", "12345678901234567"}, {"1 12 0000000000", "2 12345 678901234567"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.accounts[0]);
    std::vector<std::string> records;
    for (const std::string& a : c.accounts) records.push_back(Record(a, "1.00", ""));
    // Two runs in one session: the numbering starts again.
    for (int run = 0; run < 2; ++run) {
      boxes = dialogs::ScriptedDialogs();
      boxes.QueueReply(" 11/1/2026 ");
      boxes.QueueAnswer(dialogs::kNo);
      RunOver("Yardi Systems", records);
      std::vector<std::string> written;
      for (const std::string& line : JournalLines("123113026.csv")) {
        std::vector<std::string> f;
        for (std::size_t at = 0, end = 0; end != std::string::npos; at = end + 1)
          f.push_back(line.substr(at, (end = line.find(',', at)) == std::string::npos ? end : end - at));
        ASSERT_EQ(f.size(), 16u);
        EXPECT_EQ(f[14], "11/1/2026-11/30/2026");
        written.push_back(f[1] + " " + f[8] + " " + f[10]);
      }
      EXPECT_EQ(written, c.written);
    }
  }
}

TEST_F(SelfReadingTest, YardiRefusesBeforeAnyFileIsCreated) {
  struct Case {
    const char* package;
    const char* input;  // the input file's name
    const char* reply;  // "" : no prompt expected
    const char* message;
  };
  const Case cases[] = {
      {"Yardi Systems", "gl.txt", "2026-11-01", "Invalid Start Date | Format must be mm/dd/yyyy"},
      {"Yardi csv Input", "PR041307.txt", "11/31/2026", "Invalid Start Date | Format must be mm/dd/yyyy"},
      {"Yardi csv Input", "PR133107.txt", "", "QvLedgerloom - Yardi csv Input | The input file name must end"},
      {"Yardi csv Input", "PR4107.txt", "", "QvLedgerloom - Yardi csv Input | The input file name must end"},
      {"Yardi csv Input", "PR041307.csv", "", "QvLedgerloom - Yardi csv Input | The input file name must end"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.input);
    std::filesystem::remove_all(this->c / "gl");
    std::filesystem::create_directories(this->c / "gl");
    boxes = dialogs::ScriptedDialogs();
    if (*c.reply) boxes.QueueReply(c.reply);
    Prepare(c.package, {"ELPASEO-1120,,NetPay,0,1.00,.00\r\n"});
    std::filesystem::rename(this->c / "gl" / "gl.txt", this->c / "gl" / c.input);
    window->QvInputFile.SetText(std::string("c:\\gl\\") + c.input);
    Run();
    EXPECT_EQ(Box(*c.reply ? 1 : 0).substr(0, std::string(c.message).size()), c.message);
    EXPECT_FALSE(std::filesystem::exists(this->c / "gl" / "123113026.csv"));
    EXPECT_FALSE(std::filesystem::exists(this->c / "gl" / "Audit_trail.txt"));
  }
}

TEST_F(SelfReadingTest, YardiCsvInputNamesABadLineAndTakesNoOffsettingEntry) {
  std::filesystem::create_directories(c / "gl");
  boxes.QueueReply("11/01/2026");
  Prepare("Yardi csv Input", {});
  WriteBytes(c / "gl" / "PR113026.txt", "A-1,,Wages,0,5.00,\r\nA-2,,Short\r\n");
  window->QvInputFile.SetText("c:\\gl\\PR113026.txt");
  Run();
  EXPECT_NE(Box(1).find("PR113026.txt, line 2\rThe line does not hold the 6 values of the export."), std::string::npos);
  ASSERT_EQ(Shown().size(), 2u);

  boxes = dialogs::ScriptedDialogs();
  boxes.QueueReply("11/01/2026");
  QueueOffset("9999", "-5.00");
  boxes.QueueAnswer(dialogs::kNo);
  WriteBytes(c / "gl" / "PR113026.txt", "A-1,,Wages,0,5.00,\r\n");
  Run();
  EXPECT_EQ(JournalLines("123113026.csv"),
            std::vector<std::string>{"J,1,,,11/30/2026,11/30,1130PR,PR Wages,A,5,1,,,,11/01/2026-11/30/2026,0"});
  EXPECT_EQ(Box(5), "QvLedgerloom | Unknown software package.\r\rEntry NOT ADDED to Journal.");
}

class WCGLTest : public SelfReadingTest {
 protected:
  void Sources(const std::string& tags, const std::string& wc) {
    WriteBytes(c / "gl" / "GL Tag Info.csv", tags);
    WriteBytes(c / "gl" / "WC File.txt", wc);
  }
  static std::string WC(const std::string& branch, const std::string& department, const std::string& amount) {
    return "x," + branch + "," + department + ",a,b,c,d,e,f,g,h,i,j,k,l," + amount;
  }
};

TEST_F(WCGLTest, ASecondRunTotalsOnlyItsOwnLinesAndCRLFFilesAreReadWhole) {
  Prepare("WC-GL Generator", {"6170,20071018,,,,1,0,1.00,.00\r\n"});
  Sources("01;65;A\r\n01;66;B\r\n", WC("01", "65", "2.50") + "\r\n" + WC("01", "66", "1.25") + "\r\n");
  Run();
  const std::vector<std::string> first = JournalLines();
  EXPECT_EQ(first, (std::vector<std::string>{"6170,20071018,,,,A,0.00,2.50,0.00", "6170,20071018,,,,B,0.00,1.25,0.00",
                                             "6170,20071018,,,,01-00-000-21100,0.00,0.00,3.75"}));
  Run();
  EXPECT_EQ(JournalLines(), first);
  EXPECT_EQ(LastTitle(), kInBalance);
}

// Every source is read and split before any file is created: a missing
// source or a bad line in one leaves an earlier journal and audit trail as
// they were.
TEST_F(WCGLTest, MissingOrBadSourcesAreReportedAndNothingIsClaimed) {
  struct Case {
    const char* name;
    const char* tags;  // nullptr: no tag file
    std::string wc;  // "" : no workers' compensation file
    std::string export_;
    const char* message;
  };
  const Case cases[] = {
      {"no wc file", "01,65,A\r\n", "", "6170,20071018\r\n", "This file is needed and cannot be read:\r\rc:\\gl\\WC File.txt"},
      {"short tag row", "01;65;A\n01;65\n", WC("01", "65", "1.00"), "6170,20071018,,,,1,0,1.00,.00\r\n",
       "c:\\gl\\GL Tag Info.csv, line 2\rThe line does not hold a branch, a department and an account."},
      {"short wc line", "01,65,A\r\n", WC("01", "65", "1.00") + "\n01,65,2.00\n", "6170,20071018,,,,1,0,1.00,.00\r\n",
       "The WC-GL Generator Journal Entry was stopped by an error:\r\rc:\\gl\\WC File.txt, line 2\rThe line does "
       "not hold the 16 values of the workers' compensation file."},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    std::filesystem::remove_all(c / "gl");
    std::filesystem::create_directories(c / "gl");
    boxes = dialogs::ScriptedDialogs();
    Prepare("WC-GL Generator", {k.export_});
    if (k.tags != nullptr) WriteBytes(c / "gl" / "GL Tag Info.csv", k.tags);
    if (!k.wc.empty()) WriteBytes(c / "gl" / "WC File.txt", k.wc);
    WriteBytes(c / "gl" / "123113026.txt", "journal of an earlier run\r\n");
    WriteBytes(c / "gl" / "Audit_trail.txt", "audit trail of an earlier run\r\n");
    Run();
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_NE(Box(0).find(k.message), std::string::npos);
    EXPECT_FALSE(window->run.Ready);
    EXPECT_EQ(Journal(), "journal of an earlier run\r\n");
    EXPECT_EQ(Audit(), "audit trail of an earlier run\r\n");
  }
}

}  // namespace
}  // namespace qvl::test
