// The amount, number and account rules of the per-record delimited writers
// ("JD Edwards", "JURIS", "Jonas", "MAS90 v4.x", "MAS90 v5.0", "MAS90 SageBW
// v8.0") at the edges the scenarios leave out, and a second run in one
// session.
#include <gtest/gtest.h>

#include "engine/run_fixture.h"

namespace qvl::test {
namespace {

using Lines = std::vector<std::string>;
using PerRecordWriters = WritersRunTest;

// The field at `index` (from 0) of a line split at `delimiter`.
std::string FieldOf(const std::string& line, std::size_t index, char delimiter = ',') {
  std::size_t start = 0;
  for (std::size_t k = 0; k < index; ++k) start = line.find(delimiter, start) + 1;
  return line.substr(start, line.find(delimiter, start) - start);
}

struct AmountCase {
  std::string debits, credits;
  std::string jdEdwards, juris, jonas, mas90, sageBW;
};

// One column of each layout carries the record's amount.
TEST_F(PerRecordWriters, TheOneAmountColumnOfEachLayout) {
  const AmountCase cases[] = {
      {"72.26", ".00", "72.26", "72.26", "72.26", "72.26", "0000072.26"},
      {".00", "72.26", "-72.26", "-72.26", "-72.26", "-72.26", "-0000072.26"},
      // Both sides: the net, also where the layout copies a one-sided debit.
      {"100.00", "25.50", "74.50", "74.50", "74.50", "74.5", "0000074.50"},
      {"25.50", "100.00", "-74.50", "-74.50", "-74.50", "-74.5", "-0000074.50"},
      {"", ".40", "-.40", "-0.40", "-.40", "-0.4", "-0000000.40"},
      // Both sides netting below 1: each in its layout's form for that sign
      // (JURIS: a debit's two decimals without a leading zero, a credit's "0.00").
      {"1.00", ".50", ".50", ".50", ".50", "0.5", "0000000.50"},
      {".50", "1.00", "-.50", "-0.50", "-.50", "-0.5", "-0000000.50"},
      {"5.00", "5.00", ".00", "0.00", ".00", "0", "0000000.00"},
      // An amount that is no number counts as 0 and the run goes on.
      {"12A.00", "3.00", "-3.00", "-3.00", "-3.00", "-3", "-0000003.00"},
      {"", "", ".00", "0.00", ".00", "0", "0000000.00"},
  };
  const struct {
    const char* package;
    const char* journal;
    std::size_t field;
    char delimiter;
    std::string AmountCase::*expected;
  } layouts[] = {
      {"JD Edwards", "123113026.txt", 1, ',', &AmountCase::jdEdwards},
      {"JURIS", "123113026.txt", 6, ',', &AmountCase::juris},
      {"Jonas", "123113026.txt", 4, '\t', &AmountCase::jonas},
      {"MAS90 v4.x", "123113026.csv", 7, ',', &AmountCase::mas90},
      {"MAS90 v5.0", "123113026.txt", 2, '\t', &AmountCase::mas90},
      {"MAS90 SageBW v8.0", "123113026.csv", 6, ',', &AmountCase::sageBW},
  };
  for (const auto& layout : layouts) {
    std::vector<std::string> records;
    for (const AmountCase& c : cases) records.push_back(Record("1000", c.debits, c.credits));
    Prepare(layout.package, records);
    boxes.QueueAnswer(dialogs::kNo);  // out of balance: no offsetting entry
    Run();
    const Lines lines = JournalLines(layout.journal);
    const std::size_t first = layout.package == std::string("JD Edwards") ? 1 : 0;  // after the header
    ASSERT_EQ(lines.size(), first + std::size(cases)) << layout.package;
    for (std::size_t k = 0; k < std::size(cases); ++k)
      EXPECT_EQ(FieldOf(lines[first + k], layout.field, layout.delimiter), cases[k].*layout.expected)
          << layout.package << ", record " << k + 1;
  }
}

// The numbers a layout writes count the lines of one run only, the
// offsetting line included; the next run in the same session starts at 1.
TEST_F(PerRecordWriters, LineNumbersStartAgainInTheNextRun) {
  const struct {
    const char* package;
    const char* journal;
    std::size_t field;
    Lines numbers;
  } layouts[] = {
      {"JD Edwards", "123113026.txt", 19, {"", "1", "2", "3"}},
      {"JURIS", "123113026.txt", 4, {"1", "2", "3"}},
      {"MAS90 v4.x", "123113026.csv", 5, {"00000000000001", "00000000000002", "00000000000003"}},
  };
  for (const auto& layout : layouts) {
    Prepare(layout.package, {Record("1000", "10.00", ".00"), Record("2000", ".00", "4.00")});
    QueueOffset("2000", "-6");
    Run();
    Lines first = JournalLines(layout.journal);
    Prepare(layout.package, {Record("1000", "10.00", ".00"), Record("2000", ".00", "4.00")});
    QueueOffset("2000", "-6");
    Run();
    EXPECT_EQ(JournalLines(layout.journal), first) << layout.package;
    Lines numbers;
    for (const std::string& line : first) numbers.push_back(line.starts_with("Account Number") ? "" : FieldOf(line, layout.field));
    EXPECT_EQ(numbers, layout.numbers) << layout.package;
    EXPECT_EQ(LastTitle(), kInBalance) << layout.package;
  }
}

TEST_F(PerRecordWriters, SageBWWritesOnlyANumericAccountInItsMask) {
  const std::pair<std::string, std::string> cases[] = {
      {"2050", "00002050.000"},
      {"2050.5", "00002050.500"},
      {"8-0101", "8-0101            "},
      // Reads as a date, but is no number.
      {"1-2-03", "1-2-03            "},
  };
  std::vector<std::string> records;
  for (const auto& [account, expected] : cases) records.push_back(Record(account, ".00", ".00"));
  Prepare("MAS90 SageBW v8.0", records);
  Run();
  const Lines lines = JournalLines("123113026.csv");
  ASSERT_EQ(lines.size(), std::size(cases));
  for (std::size_t k = 0; k < std::size(cases); ++k) EXPECT_EQ(FieldOf(lines[k], 5), cases[k].second);
}

}  // namespace
}  // namespace qvl::test
