// The tab and comma journals of "SAP v2", "Y-Vision", "ADP", "Acknowledge",
// "Sunderland", "GlobalShop" and "Seven Hills": the field rules the
// scenarios leave out, the heading lines that count nothing, offsets at their
// edges and a second run in one session.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "engine/run_fixture.h"
#include "platform/vb/text.h"

namespace qvl::test {
namespace {

// A nine-value comma line.
std::string Nine(const std::string& date, const std::string& account, const std::string& debit,
                 const std::string& credit, const std::string& division = "01") {
  return "123," + date + "," + division + ",02,03," + account + ",1.00," + debit + "," + credit;
}

// A ten-value comma line: the account and a column of the package's own.
std::string Ten(const std::string& date, const std::string& account, const std::string& seventh,
                const std::string& debit, const std::string& credit) {
  return "123," + date + ",01,02,03," + account + "," + seventh + ",8," + debit + "," + credit;
}

std::string Joined(const std::vector<std::string>& fields, const std::string& delimiter) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) line += (i > 0 ? delimiter : "") + fields[i];
  return line;
}

class ClassLayoutTest : public WritersRunTest {
 protected:
  void Input(const std::string& package, const std::string& text) { Prepare(package, {text}); }
  // The audit trail's lines without their line ends.
  std::vector<std::string> AuditLines() const { return SplitLines(Audit()); }
};

// ---- SAP v2 ----

const std::string kNbsp = "\xA0";
const std::string kSapHeaderNames =
    kNbsp + "HEADER / INDICATOR\tHEADER / DOCUMENT DATE\tHEADER / POSTING DATE\tHEADER / Header Text\t"
            "HEADER / REFERENCE DOC NUMBER\tHEADER / CO CODE";
const std::string kSapDetailNames =
    kNbsp + "DETAIL / INDICATOR\tDETAIL / GL ACCOUNT NUMBER\tDETAIL / DESCRIPTION\tDETAIL / COST CENTER - DPW\t"
            "DETAIL / AMOUNT\tDETAIL / FILE";

std::string SapDetail(const std::string& account, const std::string& costCenter, const std::string& amount) {
  return Joined({"D", account, "'' ''", costCenter, amount}, "\t");
}

TEST_F(ClassLayoutTest, SapV2HeadingLinesNeverCountSoASecondRunBalancesOnItsOwnLines) {
  // The first run ends on a line with amounts that a heading line counted a
  // second time would carry into the next run.
  Input("SAP v2", Lines({Ten("20261130", "270421", "0", "", "40.00"), Ten("20261130", "610000", "4100", "40.00", "")}));
  Run();
  EXPECT_EQ(LastTitle(), kInBalance);
  EXPECT_EQ(AuditLines().size(), 2u);

  Input("SAP v2", Lines({Ten("20261130", "acc #", "cost center", "debit", "credit"),
                         Ten("20261130", "270422", "0", "", "7.5"), Ten("20261130", "610001", "4100", "7.50", "")}));
  window->pdEndDate.SetText("11/9/2026");
  Run();
  EXPECT_EQ(LastTitle(), kInBalance);
  EXPECT_EQ(JournalLines("123110926.txt"),
            (std::vector<std::string>{kSapHeaderNames, "H\t20261109\tnull\tna\tROVA ADP PAYROLL\t9-F", kSapDetailNames,
                                      SapDetail("270422", "0", "-7.5"), SapDetail("610001", "4100", "7.5")}));
  EXPECT_EQ(AuditLines().size(), 2u);
}

TEST_F(ClassLayoutTest, SapV2HeaderRecordOnlyWhenTheInputHoldsALine) {
  const std::tuple<std::string, std::vector<std::string>> rows[] = {
      {"", {kSapHeaderNames}},
      // Only the export's column heading: the header record, no detail.
      {Lines({Ten("20261130", "acc #", "cc", "d", "c")}),
       {kSapHeaderNames, "H\t20261130\tnull\tna\tROVA ADP PAYROLL\t9-F", kSapDetailNames}},
      // The heading is known by its exact text only.
      {Lines({Ten("20261130", "ACC #", "cc", "", "")}),
       {kSapHeaderNames, "H\t20261130\tnull\tna\tROVA ADP PAYROLL\t9-F", kSapDetailNames, SapDetail("ACC #", "cc", "0")}},
  };
  for (const auto& [input, journal] : rows) {
    Input("SAP v2", input);
    Run();
    EXPECT_EQ(JournalLines(), journal) << input;
    EXPECT_EQ(LastTitle(), kInBalance);
  }
}

TEST_F(ClassLayoutTest, SapV2OffsetOfZeroOrBelowIsADebitAsTyped) {
  Input("SAP v2", Lines({Ten("20261130", "610000", "4100", "123.45", "")}));
  QueueOffset(" 270421 ", "-123.45");
  Run();
  const std::vector<std::string> journal = JournalLines();
  ASSERT_EQ(journal.size(), 5u);
  EXPECT_EQ(journal[4], SapDetail("270421", "0", "-123.45"));
  EXPECT_EQ(AuditLines()[1], "0     0     0     270421            -123.45       0             ");
  EXPECT_EQ(LastTitle(), kInBalance);
}

// ---- Y-Vision ----

TEST_F(ClassLayoutTest, YVisionMonthReferenceFromTheParsedPeriodEnd) {
  const std::tuple<const char*, const char*> rows[] = {
      {"11/30/2026", "\"NovPay\""},
      {"11/30/26", "\"NovPay\""},
      {"12-1-2026", "\"DecPay\""},
      {" 12/01/2026", "\"DecPay\""},
  };
  for (const auto& [periodEnd, reference] : rows) {
    Input("Y-Vision", Lines({Nine("20261130", "01-0101-0100", "5", "")}));
    window->pdEndDate.SetText(periodEnd);
    boxes.QueueAnswer(dialogs::kNo);
    Run();
    const std::vector<std::string> journal = JournalLines("importgl.txt");
    ASSERT_EQ(journal.size(), 1u) << periodEnd;
    EXPECT_EQ(journal[0], Joined({"\"01-0101-0100\"", "\"Payroll\"", reference, "\"11/30/2026\"", "5", ""}, ","))
        << periodEnd;
  }
}

TEST_F(ClassLayoutTest, YVisionSaysItIsCompleteAfterEveryRunAndItsOffsetTakesThisRunsLastDate) {
  Input("Y-Vision", "");
  Run();
  EXPECT_EQ(window->lblMSG.Caption(), "Processing Complete!");
  EXPECT_EQ(Journal("importgl.txt"), "");

  Input("Y-Vision", Lines({Nine("20261120", "7000", "10.00", ""), Nine("20261125", "7100", "", "")}));
  window->lblMSG.SetCaption("");
  QueueOffset("2000", "-10");
  Run();
  EXPECT_EQ(JournalLines("importgl.txt"),
            (std::vector<std::string>{R"("7000","Payroll","NovPay","11/20/2026",10,)",
                                      R"("2000","Payroll","NovPay","11/25/2026",-10,)"}));
  EXPECT_EQ(window->lblMSG.Caption(), "Processing Complete!");
  EXPECT_EQ(LastTitle(), kInBalance);
}

// ---- ADP ----

TEST_F(ClassLayoutTest, AdpAccountSplitAndAmountWithTwoDecimals) {
  const std::tuple<const char*, const char*, const char*, const char*> rows[] = {
      // account, its first four characters, the sub-account, the amount
      {"5102-03", "5102", "03", "1234.50"},
      {"5102-0345", "5102", "03", "1234.50"},
      {"61", "61", "01", "1234.50"},
      {"12-", "12-", "", "1234.50"},
      {"-7", "-7", "7", "1234.50"},
      {"1-2-3", "1-2-", "2-", "1234.50"},
  };
  for (const auto& [account, first, sub, amount] : rows) {
    Input("ADP", Lines({Nine("20261130", account, "1234.5", "", "77")}));
    boxes.QueueAnswer(dialogs::kNo);
    Run();
    const std::vector<std::string> journal = JournalLines("GLTran.txt");
    ASSERT_EQ(journal.size(), 1u) << account;
    EXPECT_EQ(journal[0], std::string(R"("1","","2","11/30/2026","Quorvanta Payroll",")") + first + R"(",")" + sub +
                              R"(",")" + amount + R"(","","","","","","77","","","")")
        << account;
  }
}

TEST_F(ClassLayoutTest, AdpAmountsThatAreNoNumbersCountAsZeroAndLaterLinesAreWritten) {
  Input("ADP", Lines({Nine("20261130", "5000", "abc", "10"), Nine("20261130", "5100", "", ""),
                      Nine("20261130", "5200", "10.00", "n/a")}));
  Run();
  const std::vector<std::string> journal = JournalLines("GLTran.txt");
  ASSERT_EQ(journal.size(), 2u);
  EXPECT_NE(journal[0].find(R"("5000","01","-10.00")"), std::string::npos) << journal[0];
  EXPECT_NE(journal[1].find(R"("5200","01","10.00")"), std::string::npos) << journal[1];
  EXPECT_EQ(LastTitle(), kInBalance);
}

// ---- Acknowledge ----

TEST_F(ClassLayoutTest, AcknowledgeHeadingDateAndUnsignedAmountsWithTheirMark) {
  Input("Acknowledge", Lines({Nine("20261130", "19", "0", "20.25"), Nine("20261130", "20", "100", "0"),
                              Nine("20261130", "21", ".5", ""), Nine("20261130", "22", "3.10", "3.1"),
                              Nine("20261130", "23", "", "80.25")}));
  window->txtMiscDate.SetText("1/31/26");
  Run();
  EXPECT_EQ(JournalLines(), (std::vector<std::string>{"ACCKNOWLEDGE JOURNAL ENTRY",
                                                      "January-31-2026\tPayroll Ending 11/30/2026", "19\tJE\t20.25\tC\t",
                                                      "20\tJE\t100\tD\t", "21\tJE\t0.5\tD\t", "23\tJE\t80.25\tC\t"}));
  EXPECT_EQ(AuditLines().size(), 4u);
  EXPECT_EQ(LastTitle(), kInBalance);
}

TEST_F(ClassLayoutTest, AcknowledgeOffsetOfZeroWritesNothingAndASecondRunHasItsOwnHeading) {
  Input("Acknowledge", Lines({Nine("20261130", "19", "100", "0")}));
  QueueOffset("506", "0");
  boxes.QueueAnswer(dialogs::kNo);
  Run();
  EXPECT_EQ(JournalLines().size(), 3u);
  EXPECT_EQ(LastTitle(), "Journal Entry remains OUT of Balance.");

  Input("Acknowledge", Lines({Nine("20261130", "19", "100", "100")}));
  window->pdEndDate.SetText("11/29/2026");
  window->txtMiscDate.SetText("12/2/2026");
  Run();
  EXPECT_EQ(JournalLines("123112926.txt"),
            (std::vector<std::string>{"ACCKNOWLEDGE JOURNAL ENTRY", "December-2-2026\tPayroll Ending 11/29/2026"}));
  EXPECT_EQ(Audit(), "");
  EXPECT_EQ(LastTitle(), kInBalance);
}

// ---- Sunderland ----

std::vector<std::string> SunderlandLine(const std::string& mmddyy, const std::string& amount,
                                        const std::string& account, const std::string& date,
                                        const std::string& month, const std::string& year) {
  return {Joined({mmddyy, amount, "1", account, date, month, year, "GJ", "PAYROLL", "ZOV PAYROLL ENTRIES", "", "",
                  "Y", "", "", "", ""},
                 "\t")};
}

TEST_F(ClassLayoutTest, SunderlandDatesAndMonthWithoutLeadingZero) {
  const std::tuple<const char*, const char*, const char*, const char*> rows[] = {
      {"20260105", "010526", "01/05/2026", "1"},
      {"20261231", "123126", "12/31/2026", "12"},
      {"20261001", "100126", "10/01/2026", "10"},
  };
  for (const auto& [date, mmddyy, slashed, month] : rows) {
    Input("Sunderland", Lines({Nine(date, "4310", "12451.00", "")}));
    boxes.QueueAnswer(dialogs::kNo);
    Run();
    EXPECT_EQ(JournalLines(), SunderlandLine(mmddyy, "12451", "4310", slashed, month, "2026")) << date;
  }
}

TEST_F(ClassLayoutTest, SunderlandOffsetOfZeroStillWritesALineWithTheSecondRunsDate) {
  Input("Sunderland", Lines({Nine("20261101", "4310", "50", "")}));
  boxes.QueueAnswer(dialogs::kNo);
  Run();

  Input("Sunderland", Lines({Nine("20261120", "4320", "", "25.5")}));
  QueueOffset("1100", "0");
  QueueOffset("1100", "-.5");
  QueueOffset("1200", "26");
  Run();
  std::vector<std::string> expected = SunderlandLine("112026", "-25.5", "4320", "11/20/2026", "11", "2026");
  for (const auto& [account, amount] : {std::pair{"1100", "0"}, std::pair{"1100", "-0.5"}, std::pair{"1200", "26"}})
    expected.push_back(SunderlandLine("112026", amount, account, "11/20/2026", "11", "2026")[0]);
  EXPECT_EQ(JournalLines(), expected);
  const std::vector<std::string> audit = AuditLines();
  ASSERT_EQ(audit.size(), 4u);
  EXPECT_EQ(audit[1].substr(36), vb::PadRight("0", 14) + vb::PadRight(".00", 14));
  EXPECT_EQ(audit[2].substr(36), vb::PadRight("-.5", 14) + vb::PadRight(".00", 14));
  EXPECT_EQ(audit[3].substr(36), vb::PadRight(".00", 14) + vb::PadRight("-26", 14));
  EXPECT_EQ(LastTitle(), kInBalance);
}

// ---- GlobalShop ----

TEST_F(ClassLayoutTest, GlobalShopWritesEveryLineAndALaterRunStartsFromAnEmptyLine) {
  Input("GlobalShop", Lines({Nine("20261130", "1234567890123456", "10", "")}));
  QueueOffset("2000", "-10");
  Run();
  EXPECT_EQ(JournalLines(), (std::vector<std::string>{"123456789012345\t11/30/2026\t10\t\t",
                                                      "2000\t11/30/2026\t-10\t\t"}));

  Input("GlobalShop", Lines({Nine("20261129", "3000", "abc", ""), Nine("20261129", "3100", "", "")}));
  Run();
  EXPECT_EQ(JournalLines(), (std::vector<std::string>{"3000\t11/29/2026\t0\t\t", "3100\t11/29/2026\t0\t\t"}));
  EXPECT_EQ(LastTitle(), kInBalance);
}

// ---- Seven Hills ----

TEST_F(ClassLayoutTest, SevenHillsOffsetTakesThePayrollColumnOfThisRunsLastLine) {
  Input("Seven Hills", "");
  Run();
  EXPECT_EQ(Journal("123113026.csv"), "GL,PR,d1,d2,Amt\r\n");
  EXPECT_EQ(LastTitle(), kInBalance);

  Input("Seven Hills", Lines({Ten("20261110", "25060", "151200", "", "22.72"),
                              Ten("20261112", "51010", "\" 801150 \"", "9.00", "")}));
  QueueOffset("  25060", "0");
  QueueOffset("25060", "13.72");
  Run();
  EXPECT_EQ(JournalLines("123113026.csv"),
            (std::vector<std::string>{"GL,PR,d1,d2,Amt", "25060,151200,11/10/2026,11/10/2026,-22.72",
                                      "51010,801150,11/12/2026,11/12/2026,9", "25060,801150,11/12/2026,11/12/2026,0",
                                      "25060,801150,11/12/2026,11/12/2026,13.72"}));
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

TEST_F(ClassWindowTest, EachPackageListsItsOwnInputFilesAndSamplesOnce) {
  const std::tuple<const char*, const char*, int, bool> rows[] = {
      // package, input-file pattern, sample lines, second-date box shown
      {"SAP v2", "*.csv", 5, false},        {"Y-Vision", "*.csv", 5, false},    {"ADP", "*txt", 3, false},
      {"Acknowledge", "*txt", 4, true},     {"Sunderland", "*.txt;*.csv", 3, false},
      {"GlobalShop", "*.txt", 3, false},    {"Seven Hills", "*.txt;*.csv", 4, false},
  };
  for (const auto& [package, pattern, samples, secondDate] : rows) {
    const int index = window->PickFinPac.IndexOf(package);
    for (int twice = 0; twice < 2; ++twice) {
      Choose(index);
      EXPECT_EQ(window->filInput.Pattern(), pattern) << package;
      EXPECT_EQ(window->ShowSample.ListCount(), samples) << package;
      EXPECT_EQ(window->txtMiscDate.Visible(), secondDate) << package;
      EXPECT_EQ(window->lblMiscDate.Visible(), secondDate) << package;
      EXPECT_TRUE(window->lblMSG.Visible()) << package;
      EXPECT_FALSE(window->Summarized.Visible()) << package;
    }
  }
}

}  // namespace
}  // namespace qvl::test
