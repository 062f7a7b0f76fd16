// The tab and comma journals of "SAP v2", "Y-Vision", "ADP", "Acknowledge",
// "Sunderland", "GlobalShop" and "Seven Hills": the field rules the
// scenarios leave out, heading lines that count nothing, offsets at their
// edges and a second run in one session.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "engine/run_fixture.h"

namespace qvl::test {
namespace {

using Strings = std::vector<std::string>;

std::string Nine(const std::string& date, const std::string& account, const std::string& debit,
                 const std::string& credit) {
  return "123," + date + ",77,02,03," + account + ",1.00," + debit + "," + credit;
}

// The account, then a column of the package's own.
std::string Ten(const std::string& account, const std::string& own, const std::string& debit, const std::string& credit,
                const std::string& date = "20261130") {
  return "123," + date + ",01,02,03," + account + "," + own + ",8," + debit + "," + credit;
}

class ClassLayoutTest : public WritersRunTest {
 protected:
  void Input(const std::string& package, const Strings& lines) { Prepare(package, {Lines(lines)}); }
};

// ---- SAP v2 ----

const std::string kSapHeaderNames =
    "\xA0HEADER / INDICATOR\tHEADER / DOCUMENT DATE\tHEADER / POSTING DATE\tHEADER / Header Text\t"
    "HEADER / REFERENCE DOC NUMBER\tHEADER / CO CODE";
const std::string kSapDetailNames =
    "\xA0"
    "DETAIL / INDICATOR\tDETAIL / GL ACCOUNT NUMBER\tDETAIL / DESCRIPTION\tDETAIL / COST CENTER - DPW\t"
    "DETAIL / AMOUNT\tDETAIL / FILE";
const std::string kSapHeader = "H\t20261130\tnull\tna\tROVA ADP PAYROLL\t9-F";

TEST_F(ClassLayoutTest, SapV2HeadingLinesNeverCountSoASecondRunBalancesOnItsOwnLines) {
  // The first run ends on a line with amounts, which a heading line counted
  // in the next run would repeat.
  Input("SAP v2", {Ten("270421", "0", "", "40.00"), Ten("610000", "4100", "40.00", "")});
  Run();
  EXPECT_EQ(LastTitle(), kInBalance);

  Input("SAP v2", {Ten("acc #", "cost center", "debit", "credit"), Ten("270422", "0", "", "7.5"),
                   Ten("610001", "4100", "7.50", "")});
  window->pdEndDate.SetText("11/9/2026");
  Run();
  EXPECT_EQ(LastTitle(), kInBalance);
  EXPECT_EQ(JournalLines("123110926.txt"),
            (Strings{kSapHeaderNames, "H\t20261109\tnull\tna\tROVA ADP PAYROLL\t9-F", kSapDetailNames,
                     "D\t270422\t'' ''\t0\t-7.5", "D\t610001\t'' ''\t4100\t7.5"}));
  EXPECT_EQ(SplitLines(Audit()).size(), 2u);
}

TEST_F(ClassLayoutTest, SapV2HeaderRecordOnlyWhenTheInputHoldsALine) {
  const std::tuple<Strings, Strings> rows[] = {
      {{}, {kSapHeaderNames}},
      {{Ten("acc #", "cc", "d", "c")}, {kSapHeaderNames, kSapHeader, kSapDetailNames}},
      // The export's heading is known by its exact text only.
      {{Ten("ACC #", "cc", "", "")}, {kSapHeaderNames, kSapHeader, kSapDetailNames, "D\tACC #\t'' ''\tcc\t0"}},
  };
  for (const auto& [input, journal] : rows) {
    Input("SAP v2", input);
    Run();
    EXPECT_EQ(JournalLines(), journal) << input.size();
  }
}

// ---- Y-Vision ----

TEST_F(ClassLayoutTest, YVisionMonthFromTheParsedPeriodEnd) {
  for (const auto& [periodEnd, line] : {std::pair{"11/30/26", R"("7000","Payroll","NovPay","11/30/2026",5,)"},
                                        std::pair{"12-1-2026", R"("7000","Payroll","DecPay","11/30/2026",5,)"},
                                        std::pair{" 12/01/2026", R"("7000","Payroll","DecPay","11/30/2026",5,)"}}) {
    Input("Y-Vision", {Nine("20261130", "7000", "5", "")});
    window->pdEndDate.SetText(periodEnd);
    boxes.QueueAnswer(dialogs::kNo);
    Run();
    EXPECT_EQ(JournalLines("importgl.txt"), Strings{line}) << periodEnd;
  }
}

TEST_F(ClassLayoutTest, YVisionSaysItIsCompleteAfterEveryRunAndItsOffsetTakesTheLastLinesDate) {
  for (const Strings& input : {Strings{}, Strings{Nine("20261130", "7000", "900000000000000", "-900000000000000")}}) {
    Input("Y-Vision", input);
    window->lblMSG.SetCaption("");
    Run();
    EXPECT_EQ(window->lblMSG.Caption(), "Processing Complete!") << input.size();
  }

  // The last line read is left out, yet its date is the offset's.
  Input("Y-Vision", {Nine("20261120", "7000", "10.00", ""), Nine("20261125", "7100", "", "")});
  window->lblMSG.SetCaption("");
  QueueOffset("2000", "-10");
  Run();
  EXPECT_EQ(JournalLines("importgl.txt"), (Strings{R"("7000","Payroll","NovPay","11/20/2026",10,)",
                                                   R"("2000","Payroll","NovPay","11/25/2026",-10,)"}));
  EXPECT_EQ(window->lblMSG.Caption(), "Processing Complete!");
  EXPECT_EQ(LastTitle(), kInBalance);
}

// ---- ADP ----

TEST_F(ClassLayoutTest, AdpAccountSplitIntoItsFirstFourCharactersAndSubAccount) {
  const std::tuple<const char*, const char*> rows[] = {
      {"5102-0345", R"("5102","03")"}, {"61", R"("61","01")"},      {"12-", R"("12-","")"},
      {"-7", R"("-7","7")"},           {"1-2-3", R"("1-2-","2-")"},
  };
  for (const auto& [account, fields] : rows) {
    Input("ADP", {Nine("20261130", account, "1234.5", "")});
    boxes.QueueAnswer(dialogs::kNo);
    Run();
    EXPECT_EQ(JournalLines("GLTran.txt"), Strings{std::string(R"("1","","2","11/30/2026","Quorvanta Payroll",)") +
                                                  fields + R"(,"1234.50","","","","","","77","","","")"})
        << account;
  }
}

// ---- Acknowledge ----

TEST_F(ClassLayoutTest, AcknowledgeOffsetOfZeroWritesNothingAndASecondRunHasItsOwnHeading) {
  Input("Acknowledge", {Nine("20261130", "19", "100", "0")});
  QueueOffset("506", "0");
  boxes.QueueAnswer(dialogs::kNo);
  Run();
  EXPECT_EQ(JournalLines().size(), 3u);
  EXPECT_EQ(LastTitle(), "Journal Entry remains OUT of Balance.");

  Input("Acknowledge", {Nine("20261130", "19", ".5", ""), Nine("20261130", "20", "", "0.50")});
  window->pdEndDate.SetText("11/29/2026");
  window->txtMiscDate.SetText("1/2/27");
  Run();
  EXPECT_EQ(JournalLines("123112926.txt"),
            (Strings{"ACCKNOWLEDGE JOURNAL ENTRY", "January-2-2027\tPayroll Ending 11/29/2026", "19\tJE\t0.5\tD\t",
                     "20\tJE\t0.5\tC\t"}));
  EXPECT_EQ(LastTitle(), kInBalance);
}

// ---- Sunderland ----

const std::string kSunderlandCodes = "\tGJ\tPAYROLL\tZOV PAYROLL ENTRIES\t\t\tY\t\t\t\t";

TEST_F(ClassLayoutTest, SunderlandMonthWithoutLeadingZeroAndOffsetsOfZeroStillWritten) {
  for (const auto& [date, fields] : {std::pair{"20260105", "010526\t1\t1\t4310\t01/05/2026\t1\t2026"},
                                     std::pair{"20261001", "100126\t1\t1\t4310\t10/01/2026\t10\t2026"}}) {
    Input("Sunderland", {Nine(date, "4310", "1.00", "")});
    boxes.QueueAnswer(dialogs::kNo);
    Run();
    EXPECT_EQ(JournalLines(), Strings{std::string(fields) + kSunderlandCodes});
  }

  // A second run: the offsets take its last line's date.
  Input("Sunderland", {Nine("20261120", "4320", "", "25.5")});
  QueueOffset("1100", "0");
  QueueOffset("1100", "-.5");
  QueueOffset("1200", "26");
  Run();
  const std::string dates = "11/20/2026\t11\t2026" + kSunderlandCodes;
  EXPECT_EQ(JournalLines(), (Strings{"112026\t-25.5\t1\t4320\t" + dates, "112026\t0\t1\t1100\t" + dates,
                                     "112026\t-0.5\t1\t1100\t" + dates, "112026\t26\t1\t1200\t" + dates}));
  const Strings audit = SplitLines(Audit());
  ASSERT_EQ(audit.size(), 4u);
  EXPECT_EQ(audit[2].substr(36), "-.5           .00           ");
  EXPECT_EQ(audit[3].substr(36), ".00           -26           ");
  EXPECT_EQ(LastTitle(), kInBalance);
}

// ---- GlobalShop ----

TEST_F(ClassLayoutTest, GlobalShopWritesEveryLineAndALaterRunStartsFromAnEmptyLine) {
  Input("GlobalShop", {Nine("20261130", "1234567890123456", "10", "")});
  QueueOffset("2000", "-10");
  Run();
  EXPECT_EQ(JournalLines(), (Strings{"123456789012345\t11/30/2026\t10\t\t", "2000\t11/30/2026\t-10\t\t"}));

  Input("GlobalShop", {Nine("20261129", "3000", "abc", ""), Nine("20261129", "3100", "", "")});
  Run();
  EXPECT_EQ(JournalLines(), (Strings{"3000\t11/29/2026\t0\t\t", "3100\t11/29/2026\t0\t\t"}));
  EXPECT_EQ(LastTitle(), kInBalance);
}

// ---- Seven Hills ----

TEST_F(ClassLayoutTest, SevenHillsOffsetTakesThePayrollColumnOfThisRunsLastLine) {
  Input("Seven Hills", {});
  Run();
  EXPECT_EQ(JournalLines("123113026.csv"), Strings{"GL,PR,d1,d2,Amt"});

  Input("Seven Hills",
        {Ten("25060", "151200", "", "22.72", "20261110"), Ten("51010", "\" 801150 \"", "9.00", "", "20261112")});
  QueueOffset("  25060", "0");
  QueueOffset("25060", "13.72");
  Run();
  EXPECT_EQ(
      JournalLines("123113026.csv"),
      (Strings{"GL,PR,d1,d2,Amt", "25060,151200,11/10/2026,11/10/2026,-22.72", "51010,801150,11/12/2026,11/12/2026,9",
               "25060,801150,11/12/2026,11/12/2026,0", "25060,801150,11/12/2026,11/12/2026,13.72"}));
  EXPECT_EQ(LastTitle(), kInBalance);
}

// ---- Window layouts ----

class ClassWindowTest : public WiredWindowTest {
 protected:
  void SetUp() override {
    WiredWindowTest::SetUp();
    RegisterWriters(catalog);
  }
};

TEST_F(ClassWindowTest, EachPackageListsItsOwnInputFilesAndItsSamplesOnce) {
  const std::tuple<const char*, const char*, int, bool> rows[] = {
      // package, input-file pattern, sample lines, second-date box shown
      {"SAP v2", "*.csv", 5, false},
      {"Y-Vision", "*.csv", 5, false},
      {"ADP", "*txt", 3, false},
      {"Acknowledge", "*txt", 4, true},
      {"Sunderland", "*.txt;*.csv", 3, false},
      {"GlobalShop", "*.txt", 3, false},
      {"Seven Hills", "*.txt;*.csv", 4, false},
  };
  for (const auto& [package, pattern, samples, secondDate] : rows) {
    for (int twice = 0; twice < 2; ++twice) {
      Choose(window->PickFinPac.IndexOf(package));
      EXPECT_EQ(window->filInput.Pattern(), pattern) << package;
      EXPECT_EQ(window->ShowSample.ListCount(), samples) << package;
      EXPECT_EQ(window->txtMiscDate.Visible(), secondDate) << package;
      EXPECT_TRUE(window->lblMSG.Visible() && !window->Summarized.Visible()) << package;
    }
  }
}

}  // namespace
}  // namespace qvl::test
