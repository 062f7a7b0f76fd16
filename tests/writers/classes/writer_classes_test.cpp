// The writer classes: what every class shares (the offsetting amount rules,
// reading the input to its last line, a fresh current record for every line,
// failures that reach the operator), and each package's lines the scenarios
// leave out: short and bad values, offsets, cut fields and later runs.
#include "writers/classes/class_writer.h"

#include <gtest/gtest.h>

#include <tuple>

#include "engine/run_fixture.h"
#include "platform/vb/text.h"

namespace qvl::test {
namespace {

// A standard nine-value line dated 11/30/2026.
std::string Nine(const std::string& account, const std::string& debit, const std::string& credit) {
  return "123,20261130,01,02,03," + account + ",1.00," + debit + "," + credit;
}

class ClassRunTest : public WritersRunTest {
 protected:
  // The input as given, whole (no line end added).
  void PrepareInput(const std::string& package, const std::string& input) { Prepare(package, {input}); }
};

TEST(SplitOffset, EachRulePutsTheTypedAmountOnOneSideAndDebitMinusCreditIsTheAmount) {
  const auto bySign = OffsetSplit::BySign;
  const auto above = OffsetSplit::NegatedCreditAboveZero;
  const auto unlessZero = OffsetSplit::NegatedCreditUnlessZero;
  const std::tuple<const char*, const char*, OffsetSplit, OffsetAmounts> rows[] = {
      {"-250", "0", bySign, {"0", "250"}},
      {"250", "0", bySign, {"250", "0"}},
      {"0", ".00", bySign, {"0", ".00"}},
      {"-1,000.50", "0.00", bySign, {"0.00", "1,000.50"}},  // every "-" goes, not only a leading one
      {"250", ".00", above, {".00", "-250"}},
      {"-250", ".00", above, {"-250", ".00"}},
      {"0", ".00", above, {"0", ".00"}},
      {"50", "0", unlessZero, {"0", "-50"}},
      {"-50.5", "0", unlessZero, {"0", "50.5"}},
      {"0", "0", unlessZero, {"0", "0"}},
  };
  for (const auto& [amount, zero, rule, split] : rows) EXPECT_EQ(SplitOffset(amount, zero, rule), split) << amount;

  for (OffsetSplit rule : {bySign, above, unlessZero}) {
    for (const char* amount : {"-250", "250", "0", "-0.01", "1,234.56", "-.5", "$75"}) {
      const OffsetAmounts split = SplitOffset(amount, ".00", rule);
      EXPECT_EQ(vb::AmountOf(split.debit) - vb::AmountOf(split.credit), vb::AmountOf(amount))
          << amount << " by rule " << static_cast<int>(rule);
    }
  }
}

// ---- Failures ----

TEST_F(ClassRunTest, ARunAfterARunRefusedByACheckStillReportsAndClosesItsJournal) {
  PrepareInput("aswa", Lines({"123,20261130,01,02,03,5000,1,8,40.00,.00"}));
  window->cmboCoNum.SetText(" ");
  Run();
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown()[0].prompt, "Please provide a valid Company Number");
  EXPECT_FALSE(window->run.Ready);

  window->cmboCoNum.SetText("123");
  boxes.QueueAnswer(dialogs::kNo);
  Run();
  EXPECT_EQ(Journal(), "trans #,acct,dept,deb+/cred-\r\n1,5000,1,40\r\n");
  EXPECT_EQ(LastTitle(), "Journal Entry remains OUT of Balance.");
  EXPECT_FALSE(window->run.a.IsOpen());
  EXPECT_FALSE(window->run.Files.IsOpen(1));
}

// The line named is counted in the run that fails, not on from an earlier
// run of the same writer object.
TEST_F(ClassRunTest, AFailureInALineReachesTheOperatorWithTheLineAndNothingIsReportedInBalance) {
  PrepareInput("Infinium", Lines({Nine("1000", "10.00", ".00"), Nine("3000", ".00", "10.00")}));
  Run();
  ASSERT_EQ(LastTitle(), kInBalance);

  PrepareInput("Infinium", Lines({Nine("1000", "10.00", ".00"),
                                  // Each amount fits; their difference does not.
                                  Nine("2000", "900000000000000", "-900000000000000"),
                                  Nine("3000", ".00", "10.00")}));
  EXPECT_EQ(RunOnce("123113026.csv").shown,
            std::vector<std::string>{"QvLedgerloom - Infinium | The Infinium Journal Entry was stopped by an "
                                     "error:\r\rc:\\gl\\gl.txt, line 2\rOverflow"});
  EXPECT_FALSE(window->run.Ready);
  ASSERT_EQ(JournalLines("123113026.csv").size(), 1u);
}

// ---- aswa ----

std::string Ten(const std::string& account, const std::string& seventh, const std::string& debit,
                const std::string& credit) {
  return "123,20261130,01,02,03," + account + "," + seventh + ",8," + debit + "," + credit;
}

const char* kHeader = "trans #,acct,dept,deb+/cred-";

TEST_F(ClassRunTest, AswaShortAndLongLinesAreWarnedOnceInEveryRunAndTakeNothingFromTheNextLine) {
  // Nine values: the credit is missing, so empty; the next line is read
  // on its own. Twelve: the last two are not read.
  PrepareInput("aswa", Lines({"123,20261130,01,02,03,5000,4,8,25.00", "123,20261130,01,02,03,6000,4,8,",
                              Ten("7000", "1", ".00", "25.00"), Ten("8000", "2", "5.00", "5.00") + ",6.00,7.00",
                              Ten("8100", "2", ".00", ".00") + ",x"}));
  const RunOutput first = RunOnce("123113026.txt");
  EXPECT_EQ(JournalLines("123113026.txt"), (std::vector<std::string>{kHeader, "1,5000,4,25", "2,7000,1,-25"}));
  ASSERT_EQ(first.shown.size(), 3u);
  EXPECT_EQ(first.shown[0],
            "QvLedgerloom | Some lines of the input file hold fewer than 10 values; missing values were taken as "
            "empty.");
  EXPECT_EQ(first.shown[1],
            "QvLedgerloom | Some lines of the input file hold more than 10 values; the values after the first 10 "
            "were not read.");
  EXPECT_EQ(first.shown[2].substr(0, first.shown[2].find(" |")), kInBalance);
  // Each run is told again.
  EXPECT_EQ(RunOnce("123113026.txt").shown, first.shown);
}

TEST_F(ClassRunTest, AswaOffsetOfZeroWritesNothing) {
  PrepareInput("aswa", Lines({Ten("5000", "1", "40.00", ".00")}));
  QueueOffset("9999", "0");
  boxes.QueueAnswer(dialogs::kNo);
  Run();
  EXPECT_EQ(JournalLines("123113026.txt"), (std::vector<std::string>{kHeader, "1,5000,1,40"}));
  EXPECT_EQ(SplitLines(Audit()).size(), 1u);
  EXPECT_EQ(LastTitle(), "Journal Entry remains OUT of Balance.");
}

TEST_F(ClassRunTest, AswaSecondRunNumbersFromOneAndItsOffsetTakesItsOwnLastLine) {
  PrepareInput("aswa", Lines({Ten("5000", "1", "40.00", ".00"), Ten("5001", "2", ".00", "10.00"),
                              Ten("5002", "3", "5.00", ".00")}));
  QueueOffset("9999", "-35");
  Run();
  EXPECT_EQ(JournalLines("123113026.txt"),
            (std::vector<std::string>{kHeader, "1,5000,1,40", "2,5001,2,-10", "3,5002,3,5", "1,9999,3,-35"}));

  // A department that is no number is left empty.
  PrepareInput("aswa", Lines({Ten("6000", "abc", "12.50", ".00"), Ten("6001", "", "", "")}));
  QueueOffset("9998", "-12.5");
  Run();
  EXPECT_EQ(JournalLines("123113026.txt"), (std::vector<std::string>{kHeader, "1,6000,,12.5", "1,9998,,-12.5"}));
  EXPECT_EQ(LastTitle(), kInBalance);
}

// ---- AccPac Zelvik ----

const std::vector<std::string> kColumnNames = {
    "RECTYPE,BATCHID,BTCHENTRY,SRCELEDGER,SRCETYPE,FSCSYR,FSCSPERD,JRNLDESC",
    "RECTYPE,BATCHNBR,JOURNALID,TRANSNBR,ACCTID,TRANSAMT,TRANSDESC,TRANSDATE"};

std::vector<std::string> Batch(const std::string& batchLine, const std::vector<std::string>& details) {
  std::vector<std::string> lines = kColumnNames;
  lines.push_back(batchLine);
  lines.insert(lines.end(), details.begin(), details.end());
  return lines;
}

TEST_F(ClassRunTest, ZelvikReadsWholeRecordsAndWarnsOfAnIncompleteLastOne) {
  const std::string records = Record("2050", "1.00", ".00") + Record("2055", ".00", "1.00");
  PrepareInput("AccPac Zelvik", records + Record("2060", "5.00", ".00").substr(0, 45));
  Run();
  EXPECT_EQ(JournalLines("123113026.csv"),
            Batch("1,131,1,GL,JE,2026,11,", {"2,131,1,20,2050,1,,20261130", "2,131,1,40,2055,-1,,20261130"}));
  ASSERT_EQ(boxes.Shown().size(), 2u);
  EXPECT_EQ(boxes.Shown()[0].prompt,
            "The last record of the input file is incomplete and was not read:\r\rc:\\gl\\gl.txt");
  EXPECT_EQ(boxes.Shown()[1].title, kInBalance);
}

TEST_F(ClassRunTest, ZelvikFiscalPeriodHasNoLeadingZero) {
  PrepareInput("AccPac Zelvik", Record("2050", ".00", ".00"));
  window->pdEndDate.SetText("9/5/2026");
  boxes.QueueAnswer(dialogs::kYes);  // more than 60 days old: go on
  Run();
  EXPECT_EQ(JournalLines("123090526.csv"), Batch("1,131,1,GL,JE,2026,9,", {"2,131,1,20,2050,0,,20260905"}));
}

TEST_F(ClassRunTest, ZelvikOffsetAccountIsCutToItsFieldAndLaterRunsNumberAnew) {
  PrepareInput("AccPac Zelvik", Record("2050", "10.00", ".00") + Record("2055", "5.25", ".00"));
  QueueOffset("1234567890123456789012", "-15.25");
  Run();
  EXPECT_EQ(JournalLines("123113026.csv"),
            Batch("1,131,1,GL,JE,2026,11,", {"2,131,1,20,2050,10,,20261130", "2,131,1,40,2055,5.25,,20261130",
                                             "2,131,1,60,123456789012345678,-15.25,,20261130"}));
  EXPECT_EQ(LastTitle(), kInBalance);

  PrepareInput("AccPac Zelvik", Record("3050", "1.00", "1.00"));
  Run();
  EXPECT_EQ(JournalLines("123113026.csv"), Batch("1,131,1,GL,JE,2026,11,", {"2,131,1,20,3050,0,,20261130"}));

  PrepareInput("AccPac Zelvik", "");  // an empty input: the header lines only
  Run();
  EXPECT_EQ(JournalLines("123113026.csv"), Batch("1,131,1,GL,JE,2026,11,", {}));
  EXPECT_EQ(Audit(), "");
}

// ---- Infinium ----

// Every line is read, the last one without its line end included, blank
// lines are passed over, and each line's current record starts empty.
TEST_F(ClassRunTest, InfiniumAccountFillsExactly36CharactersAndBadAmountsCountAsZero) {
  const std::string longAccount = "1234567890123456789012345678901234567890";
  PrepareInput("Infinium", Nine(longAccount, "191.50", ".00") + "\r\n\r\n   \r\n" + Nine("6110", "abc", "191.50") +
                               "\r\n" + Nine("6120", "", ""));
  window->run.curRec.SetDivision("OLD");  // left by an earlier run: no line may show it
  window->run.curRec.SetHours("9");
  Run();
  const std::string period = ",Payroll Period Ending 11/30/2026";
  EXPECT_EQ(JournalLines("123113026.csv"),
            (std::vector<std::string>{longAccount.substr(0, 36) + ",191.5" + period,
                                      "6110" + std::string(32, ' ') + ",-191.5" + period,
                                      "6120" + std::string(32, ' ') + ",0" + period}));
  const auto audit = [](const std::string& account, const std::string& debit, const std::string& credit) {
    return std::string(18, ' ') + vb::PadRight(account, 18) + vb::PadRight(debit, 14) + vb::PadRight(credit, 14) +
           "\r\n";
  };
  EXPECT_EQ(Audit(), audit(longAccount, "191.50", ".00") + audit("6110", "abc", "191.50") + audit("6120", "", ""));
  EXPECT_EQ(window->run.prevRec.hours(), std::string(11, ' '));
  EXPECT_EQ(LastTitle(), kInBalance);
}

// ---- MAS500 ----

const char* kJournal = "123113026.del";

class Mas500Test : public ClassRunTest {
 protected:
  // The detail record's 19 fields, quotes removed. A field that is not
  // quoted, or a record that is not one quoted field after another, fails
  // the test and ends the reading there; the fields it could not read are
  // then empty, so the test can still name each of them.
  static std::vector<std::string> Fields(const std::string& record) {
    std::vector<std::string> fields;
    for (std::size_t at = 0; at < record.size();) {
      const std::size_t close = record[at] == '"' ? record.find('"', at + 1) : std::string::npos;
      if (close == std::string::npos) {
        ADD_FAILURE() << "field " << fields.size() + 1 << " is not quoted: " << record;
        break;
      }
      fields.push_back(record.substr(at + 1, close - at - 1));
      at = close + 1;
      if (at == record.size()) break;
      if (record[at] != ',' || at + 1 == record.size()) {
        ADD_FAILURE() << "field " << fields.size() << " is not followed by a comma and a further field: " << record;
        break;
      }
      ++at;
    }
    EXPECT_EQ(fields.size(), 19u) << record;
    fields.resize(19);
    return fields;
  }
};

TEST_F(Mas500Test, LaterRunsNumberAnewWithTheirOwnCompanyIdAndPeriod) {
  PrepareInput("MAS500", Lines({Nine("6110", "10.00", ".00")}));
  window->txtFacility.SetText("1234");
  QueueOffset("9999", "-10");
  Run();
  std::vector<std::string> lines = JournalLines(kJournal);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(Fields(lines[3])[7], "000000002");  // the offsetting record continues the numbering
  EXPECT_EQ(Fields(lines[3])[18], "123");

  const std::string account = std::string(99, '1') + "23";  // longer than its field
  PrepareInput("MAS500", Lines({Nine(account, ".50", ".00"), Nine("6120", ".00", ".50")}));
  window->txtFacility.SetText("77");
  window->pdEndDate.SetText("11/29/2026");
  Run();
  lines = JournalLines("123112926.del");
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0], R"("@HDR","BATCH","20261129","Payroll Period Ending 11/29/2026        ")");
  const std::vector<std::string> first = Fields(lines[2]);
  EXPECT_EQ(first[0], account.substr(0, 100));
  EXPECT_EQ(first[7], "000000001");
  EXPECT_EQ(first[11], "             .50");
  EXPECT_EQ(first[17], "D");
  EXPECT_EQ(first[18], "77 ");
  const std::vector<std::string> second = Fields(lines[3]);
  EXPECT_EQ(second[7], "000000002");
  EXPECT_EQ(second[11], "            -.50");
  EXPECT_EQ(second[17], "C");

  PrepareInput("MAS500", "");  // an empty input: the header and footer records only
  Run();
  EXPECT_EQ(JournalLines(kJournal),
            (std::vector<std::string>{R"("@HDR","BATCH","20261130","Payroll Period Ending 11/30/2026        ")",
                                      R"("@HDR","JOURNAL","JE"," ")", R"("@END","JOURNAL")", R"("@END","BATCH")"}));
  EXPECT_EQ(Audit(), "");
}

// ---- PEM ----

TEST_F(ClassRunTest, PemDateIsThePeriodEndAsMmddyyHoweverItWasTyped) {
  PrepareInput("PEM", Lines({Nine("1000", "12.5", "n/a"), Nine("2000", "", "12.50"), Nine("3000", "x", "")}));
  window->pdEndDate.SetText("11/9/2026");
  Run();
  EXPECT_EQ(JournalLines("123110926.csv"),
            (std::vector<std::string>{R"("1000","110926","12.50")", R"("2000","110926","-12.50")"}));
  EXPECT_EQ(LastTitle(), kInBalance);
}

}  // namespace
}  // namespace qvl::test
