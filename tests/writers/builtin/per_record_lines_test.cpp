// "Pathlinks", "SAP", "SAP Rev. 1.0", "Timberline", "Turning Point" and
// "Veridian" at the edges of their own field rules that the scenarios leave
// out, and a second run in one session.
#include <gtest/gtest.h>

#include "engine/run_fixture.h"

namespace qvl::test {
namespace {

using Lines = std::vector<std::string>;
using PerRecordLines = WritersRunTest;

Lines Split(const std::string& line, char delimiter) {
  Lines values;
  std::size_t start = 0;
  for (std::size_t end; (end = line.find(delimiter, start)) != std::string::npos; start = end + 1)
    values.push_back(line.substr(start, end - start));
  values.push_back(line.substr(start));
  return values;
}

// The journal of a run that writes no line end after its last line.
Lines PathlinksLines(const std::string& journal) {
  Lines lines = SplitLines(journal + "\r\n");
  return journal.empty() ? Lines{} : lines;
}

std::string WithHours(const std::string& record, const std::string& hours) {
  return record.substr(0, 48) + std::string(11 - hours.size(), ' ') + hours + record.substr(59);
}

TEST_F(PerRecordLines, PathlinksSplitsTheEntityOnlyWhereAskedAndFound) {
  const struct {
    bool useEntity;
    const char* delimiter;
    const char* account;
    const char* entity;
    const char* rest;
  } cases[] = {
      {true, "-", "00100-222080000", "00100", "222080000"},
      {false, "-", "00100-222080000", "00100-222080000", ""},
      {true, "-", "5000", "5000", ""},
      // At the first delimiter only.
      {true, "-", "00100-222-080", "00100", "222-080"},
      {true, "/", "12/34-5", "12", "34-5"},
      {true, "-", "-5000", "", "5000"},
      // An emptied delimiter box splits nothing.
      {true, "", "00100-2220", "00100-2220", ""},
  };
  for (const auto& c : cases) {
    Prepare("Pathlinks", {Record(c.account, "1.00", "1.00")});
    window->chkJobCode.SetValue(c.useEntity ? 1 : 0);
    window->txtDelim.SetText(c.delimiter);
    Run();
    const Lines lines = PathlinksLines(Journal());
    ASSERT_EQ(lines.size(), 1u) << c.account;
    EXPECT_EQ(Split(lines[0], '\t'), (Lines{"QUOR261130", "11/30/2026", "Payroll-11/30/2026", c.entity, c.rest, "0",
                                            "0", "1.00", "1.00"}))
        << c.account << " split at '" << c.delimiter << "'";
  }
}

// Line ends stand between lines only, also before an offsetting line; a run
// starts its file without one, whatever the run before it wrote.
TEST_F(PerRecordLines, PathlinksPutsLineEndsBetweenLinesOnly) {
  const struct {
    int records;
    bool offset;
  } cases[] = {{1, false}, {3, false}, {1, true}, {3, true}, {0, false}, {2, false}};
  for (const auto& c : cases) {
    std::vector<std::string> records;
    for (int k = 0; k < c.records; ++k) records.push_back(Record("1000", k == 0 && c.offset ? "5.00" : "1.00", "1.00"));
    Prepare("Pathlinks", records);
    if (c.offset) QueueOffset("1000", "-4");
    Run();
    const std::string journal = Journal();
    const std::size_t lines = static_cast<std::size_t>(c.records + (c.offset ? 1 : 0));
    EXPECT_EQ(PathlinksLines(journal).size(), lines) << c.records << " records";
    EXPECT_EQ(SplitLines(journal).size(), lines == 0 ? 0 : lines - 1) << c.records << " records";
    EXPECT_FALSE(journal.ends_with("\r\n")) << c.records << " records";
    EXPECT_FALSE(journal.starts_with("\r\n")) << c.records << " records";
    EXPECT_EQ(SplitLines(Audit()).size(), lines) << c.records << " records";
    EXPECT_EQ(LastTitle(), kInBalance) << c.records << " records";
  }
}

TEST_F(PerRecordLines, SapWritesTheDirectionAndTheUnsignedNetOrNoLine) {
  const struct {
    const char* debits;
    const char* credits;
    const char* direction;  // empty: no line
    const char* amount;
    const char* auditDebits;
  } cases[] = {
      {".00", ".00", "", "", ""},
      {"", "5.00", "Credit", "5", "0.00          "},
      {"100.00", "25.55", "Debit", "74.45", "        100.00"},
      // An amount that is no number counts as 0 and the run goes on.
      {"12A.00", "3.00", "Credit", "3", "0.00          "},
      {"1,000.00", ".00", "Debit", "1000", "      1,000.00"},
  };
  for (const auto& c : cases) {
    Prepare("SAP", {Dated(Record("1000", c.debits, c.credits), "20061027")});
    if (*c.direction != '\0') boxes.QueueAnswer(dialogs::kNo);  // out of balance: no offsetting entry
    Run();
    const Lines lines = JournalLines("123113026.csv");
    if (*c.direction == '\0') {
      EXPECT_EQ(lines, Lines{}) << c.debits << " / " << c.credits;
      EXPECT_EQ(Audit(), "") << c.debits << " / " << c.credits;
      continue;
    }
    EXPECT_EQ(lines, Lines{std::string("123,10272006,,,,") + c.direction + ",1.00," + c.amount + ","})
        << c.debits << " / " << c.credits;
    EXPECT_EQ(Audit().substr(36, 14), c.auditDebits) << c.debits << " / " << c.credits;
  }
}

TEST_F(PerRecordLines, SapRevSplitsTheAccountAtItsFirstDash) {
  const struct {
    const char* account;
    const char* left;
    const char* right;
  } cases[] = {
      {"12-34-56", "12", "34-56          "},
      {"-5000", "", "5000             "},
      {"", "", "/"},
  };
  for (const auto& c : cases) {
    Prepare("SAP Rev. 1.0", {Record(c.account, "1.00", ".00")});
    boxes.QueueAnswer(dialogs::kNo);
    Run();
    const Lines lines = JournalLines("lsmw_pyrllexp.txt");
    ASSERT_EQ(lines.size(), 2u) << c.account;
    EXPECT_EQ(Split(lines[1], '\t'), (Lines{"I", "40", c.left, "1.00", c.right, "Quorvanta Payroll"})) << c.account;
  }
}

TEST_F(PerRecordLines, SapRevPostingKeyAndAmountOfEachNet) {
  const struct {
    const char* debits;
    const char* credits;
    const char* key;
    const char* amount;
  } cases[] = {
      {".50", ".00", "40", ".50"},   {"5.00", "5.00", "40", ".00"},
      {"", "", "40", ".00"},         {"1234567.891", ".00", "40", "1234567.89"},
      {"abc", "2.00", "50", "2.00"}, {"10.00", "10.01", "50", ".01"},
  };
  std::vector<std::string> records;
  for (const auto& c : cases) records.push_back(Record("1000-1", c.debits, c.credits));
  Prepare("SAP Rev. 1.0", records);
  boxes.QueueAnswer(dialogs::kNo);
  Run();
  const Lines lines = JournalLines("lsmw_pyrllexp.txt");
  ASSERT_EQ(lines.size(), 1 + std::size(cases));
  EXPECT_EQ(lines[0], "H\t0100\tPayroll Expense\t\t11/30/2026\t11/30/2026\tUSD");
  for (std::size_t k = 0; k < std::size(cases); ++k) {
    const Lines values = Split(lines[k + 1], '\t');
    EXPECT_EQ(values[1], cases[k].key) << cases[k].debits << " / " << cases[k].credits;
    EXPECT_EQ(values[3], cases[k].amount) << cases[k].debits << " / " << cases[k].credits;
  }
}

TEST_F(PerRecordLines, TimberlineNetAmountsInTheLastField) {
  const std::pair<std::pair<const char*, const char*>, const char*> cases[] = {
      {{".50", ".00"}, ".50"}, {{"", ""}, ".00"}, {{"12A", "1.00"}, "-1.00"}, {{"1234567.00", ".00"}, "1234567.00"},
  };
  std::vector<std::string> records;
  for (const auto& [amounts, _] : cases) records.push_back(Record("230", amounts.first, amounts.second));
  Prepare("Timberline", records);
  window->cmboCoNum.SetText("12 ");
  window->pdEndDate.SetText("11/30/26");
  boxes.QueueAnswer(dialogs::kNo);
  Run();
  const Lines lines = JournalLines("12 113026.txt");
  ASSERT_EQ(lines.size(), std::size(cases));
  for (std::size_t k = 0; k < std::size(cases); ++k)
    EXPECT_EQ(lines[k], std::string("12 ,11/30/26,,,,230,,,") + cases[k].second) << cases[k].first.first;
}

TEST_F(PerRecordLines, TurningPointDatesAccountsAndAmounts) {
  const struct {
    const char* date;
    const char* account;
    const char* debits;
    const char* credits;
    const char* hours;
    Lines values;  // year, period, batch date, account, amount, aqty
  } cases[] = {
      {"19991231", "12345", "5.00", "5.00", "", {"1999", "12", "12/31/99", "1234-5-45", "0", ""}},
      {"20261130", "1", ".00", ".40", "1", {"2026", "11", "11/30/26", "1--1", "-0.4", "1"}},
      {"20261130", "  5000100099  ", "", "abc", "2.5", {"2026", "11", "11/30/26", "5000-100-99", "0", "2.5"}},
  };
  std::vector<std::string> records;
  for (const auto& c : cases)
    records.push_back(WithHours(Dated(Record(c.account, c.debits, c.credits), c.date), c.hours));
  Prepare("Turning Point", records);
  boxes.QueueAnswer(dialogs::kNo);
  Run();
  const Lines lines = JournalLines("123113026.csv");
  ASSERT_EQ(lines.size(), 1 + std::size(cases));
  for (std::size_t k = 0; k < std::size(cases); ++k) {
    const Lines v = Split(lines[k + 1], ',');
    ASSERT_EQ(v.size(), 20u) << cases[k].account;
    EXPECT_EQ((Lines{v[1], v[2], v[6], v[12], v[16], v[18]}),
              (Lines{'"' + cases[k].values[0] + '"', '"' + cases[k].values[1] + '"', '"' + cases[k].values[2] + '"',
                     '"' + cases[k].values[3] + '"', '"' + cases[k].values[4] + '"', '"' + cases[k].values[5] + '"'}))
        << cases[k].account;
    EXPECT_EQ(v[11], '"' + std::to_string(k + 1) + '"');
    EXPECT_EQ(v[14], "\"12/06/2026\"");
  }
}

// Nothing a Veridian line carries counts toward the balance, so the run is
// reported in balance and offers no offsetting entry; the amounts are copied
// as read, also where they are no number.
TEST_F(PerRecordLines, VeridianCopiesTheAmountsAndCountsNothing) {
  Prepare("Veridian", {Record("1000", "5.00", ".00"), Record("2000", "12A", "")});
  Run();
  EXPECT_EQ(JournalLines("123113026.csv"),
            (Lines{"GL Acct,Debit,Credit,Ref Code,Document,Description,Company", "1000,5.00,.00,,,,123,",
                   "2000,12A,,,,,123,"}));
  EXPECT_EQ(SplitLines(Audit()).size(), 2u);
  EXPECT_EQ(Shown().size(), 1u);
  EXPECT_EQ(LastTitle(), kInBalance);
}

// A second run over the same input, offsetting entry included, leaves
// exactly what the first left: counters, line numbers and line ends start
// again.
TEST_F(PerRecordLines, SecondRunRepeatsTheFirst) {
  const struct {
    const char* package;
    const char* journal;
    bool summarized;
    bool offset;
  } cases[] = {
      {"Pathlinks", "123113026.txt", false, true},      {"SAP", "123113026.csv", false, true},
      {"SAP Rev. 1.0", "lsmw_pyrllexp.txt", true, true}, {"Timberline", "123113026.txt", true, true},
      {"Turning Point", "123113026.csv", false, true},  {"Turning Point", "123113026.csv", true, true},
      {"Veridian", "123113026.csv", false, false},
  };
  for (const auto& c : cases) {
    Prepare(c.package, {Record("1000-1", "10.00", ".00"), Record("2000-2", ".00", "4.00"), Record("1000-1", "1.00", "")});
    // The offsetting entry turns "Summarized" off: each run chooses it again.
    ExpectSecondRunRepeatsFirst(c.journal, [&] {
      window->Summarized.SetValue(c.summarized);
      if (c.offset) QueueOffset("2000-2", "-7");
    });
    EXPECT_EQ(LastTitle(), kInBalance) << c.package;
  }
}

}  // namespace
}  // namespace qvl::test
