// What every writer class shares: the offsetting amount rules, creating the
// object, reading the input to its last line, a fresh current record for
// every line, and failures that reach the operator.
#include "writers/classes/class_writer.h"

#include <gtest/gtest.h>

#include <tuple>

#include "platform/vb/text.h"
#include "window/window_fixture.h"
#include "writers/classes/class_fixture.h"

namespace qvl::test {
namespace {

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

// ---- Creating the objects and laying the window out ----

class ClassLayoutTest : public WiredWindowTest {
 protected:
  void SetUp() override {
    WiredWindowTest::SetUp();
    RegisterWriters(catalog);
  }
};

TEST_F(ClassLayoutTest, CreatingTheObjectReadiesTheRunOnlyTheFirstTime) {
  RunState& run = window->run;
  const auto spoil = [&] {
    run.Ready = false;
    run.DoBalancing = false;
    run.RecCount = 7;
  };
  spoil();
  Choose(11);  // "aswa"
  EXPECT_TRUE(run.Ready);
  EXPECT_TRUE(run.DoBalancing);
  EXPECT_EQ(run.RecCount, 0);
  FinPacWriter* object = window->writerObjects.Find(11);
  ASSERT_NE(object, nullptr);

  spoil();
  Choose(1);  // a built-in entry
  Choose(11);
  EXPECT_EQ(window->writerObjects.Find(11), object);
  // The object exists: choosing its entry again only lays the window out.
  EXPECT_FALSE(run.Ready);
  EXPECT_FALSE(run.DoBalancing);
  EXPECT_EQ(run.RecCount, 7);
  EXPECT_EQ(window->ShowSample.ListCount(), 3);
}

TEST_F(ClassLayoutTest, EachClassLaysOutItsControlsPatternAndSamples) {
  const auto hiddenOptions = [&] {
    return !window->Summarized.Visible() && !window->Details.Visible() && !window->lblOptions.Visible();
  };
  Choose(3);  // "AccPac Zelvik"
  EXPECT_TRUE(hiddenOptions());
  EXPECT_FALSE(window->lblMSG.Visible());
  EXPECT_EQ(window->filInput.Pattern(), "*.txt");
  EXPECT_EQ(window->ShowSample.ListCount(), 5);

  Choose(31);  // "Infinium"
  EXPECT_TRUE(hiddenOptions());
  EXPECT_TRUE(window->lblMSG.Visible());
  EXPECT_EQ(window->lblMSG.Caption(), "Expecting comma delimited input file");
  EXPECT_EQ(window->filInput.Pattern(), "*.csv");
  EXPECT_EQ(window->ShowSample.Items(),
            (std::vector<std::string>{
                "1000                                ,-5984.92,Payroll Period Ending 09/15/2009",
                "6110                                ,191.5,Payroll Period Ending 09/15/2009",
                "6571                                ,2590,Payroll Period Ending 09/15/2009"}));

  Choose(46);  // "MAS500"
  EXPECT_TRUE(hiddenOptions());
  EXPECT_TRUE(window->lblMSG.Visible());
  EXPECT_TRUE(window->lblFacility.Visible());
  EXPECT_TRUE(window->txtFacility.Visible());
  EXPECT_EQ(window->lblFacility.Caption(), "Company ID");
  const std::vector<std::string>& mas = window->ShowSample.Items();
  ASSERT_EQ(mas.size(), 6u);
  EXPECT_EQ(mas[0], R"("@HDR","BATCH","20091005","Payroll Period Ending 10/5/2009         ")");
  EXPECT_EQ(mas[1], R"("@HDR","JOURNAL","JE"," ")");
  EXPECT_EQ(mas[4], R"("@END","JOURNAL")");
  EXPECT_EQ(mas[5], R"("@END","BATCH")");
  // The detail samples, value by value; in the second one the first amount
  // is one character short.
  const std::string period = R"(,"GL ","Payroll Period Ending 10/5/2009         ","USD",)";
  const std::string head = R"(","                                        ","2009 ","00010","20091026","PR","          ",)";
  const std::string tail = R"(,"        0.00000000","                    ",)";
  EXPECT_EQ(mas[2], "\"1000" + std::string(96, ' ') + head + R"("000000001")" + period +
                        R"("        -5984.92","            1.00","USD","        -5984.92")" + tail + R"("C","123")");
  EXPECT_EQ(mas[3], "\"6110" + std::string(96, ' ') + head + R"("000000002")" + period +
                        R"("         191.50","            1.00","USD","          191.50")" + tail + R"("D","123")");

  Choose(59);  // "PEM"
  EXPECT_TRUE(hiddenOptions());
  EXPECT_FALSE(window->lblMSG.Visible());
  EXPECT_FALSE(window->lblFacility.Visible());
  EXPECT_EQ(window->ShowSample.ListCount(), 7);
}

// ---- Reading the input ----

// A class that reads whole lines of "account;debit;credit".
class SemicolonWriter final : public ClassWriter {
 public:
  explicit SemicolonWriter(QvLedgerloom& window)
      : ClassWriter(window, {.input = ClassInput::WholeLines, .values = 3, .account = 0, .debit = 1, .credit = 2}) {}

 private:
  std::vector<std::string> SplitLine(const std::string& line) const override {
    std::vector<std::string> values(1);
    for (char c : line) {
      if (c == ';')
        values.emplace_back();
      else
        values.back() += c;
    }
    return values;
  }
  void WriteLine(bool) override { Output({Plain(Account()), Plain(Net().ToText())}); }
  layout::Layout WindowLayout() const override { return {}; }
};

std::vector<std::string> NoHeader(QvLedgerloom&) { return {}; }

class WholeLineTest : public RunTest {
 protected:
  void SetUp() override {
    RunTest::SetUp();
    FinPacHooks& hooks = catalog.HooksOf("SAP (Island)");  // a whole-line class entry
    hooks.makeWriter = MakeWriter<SemicolonWriter>;
    hooks.header = NoHeader;
  }
};

TEST_F(WholeLineTest, EveryLineIsReadBlankLinesPassedOverAndTheCurrentRecordStartsEmpty) {
  Prepare("SAP (Island)", {"A;10;\r\n\r\n   \r\nB;;2.5\r\nC;x"});
  // Left by an earlier run: no line may show it.
  window->run.curRec.SetDivision("OLD");
  window->run.curRec.SetHours("9");
  boxes.QueueAnswer(dialogs::kNo);  // out of balance by 7.50
  Run();
  EXPECT_EQ(Journal(), "A,10\r\nB,-2.5\r\nC,0\r\n");
  const std::string none(18, ' ');
  EXPECT_EQ(Audit(), none + vb::PadRight("A", 18) + vb::PadRight("10", 14) + vb::PadRight("", 14) + "\r\n" +
                         none + vb::PadRight("B", 18) + vb::PadRight("", 14) + vb::PadRight("2.5", 14) + "\r\n" +
                         none + vb::PadRight("C", 18) + vb::PadRight("x", 14) + vb::PadRight("", 14) + "\r\n");
  EXPECT_EQ(window->run.prevRec.hours(), std::string(11, ' '));
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

TEST_F(ClassRunTest, AFailureInALineReachesTheOperatorWithTheLineAndNothingIsReportedInBalance) {
  PrepareInput("Infinium", Lines({Nine("1000", "10.00", ".00"),
                                  // Each amount fits; their difference does not.
                                  Nine("2000", "900000000000000", "-900000000000000"),
                                  Nine("3000", ".00", "10.00")}));
  Run();
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown()[0].title, "QvLedgerloom - Infinium");
  EXPECT_EQ(boxes.Shown()[0].prompt,
            "The Infinium Journal Entry was stopped by an error:\r\rc:\\gl\\gl.txt, line 2\rOverflow");
  EXPECT_FALSE(window->run.Ready);
  ASSERT_EQ(JournalLines("123113026.csv").size(), 1u);
}

}  // namespace
}  // namespace qvl::test
