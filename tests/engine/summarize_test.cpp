#include "engine/summarize.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "engine/run_errors.h"
#include "engine/run_state.h"
#include "platform/vb/text.h"

namespace qvl {
namespace {

InputRecord Rec(std::string_view account, std::string_view debits, std::string_view credits,
                std::string_view hours = "8.00", std::string_view division = "1") {
  InputRecord r;
  r.SetCompany("12");
  r.SetDate("20260305");
  r.SetDivision(division);
  r.SetBranch("2");
  r.SetDepartment("3");
  r.SetAccount(account);
  r.SetHours(hours);
  r.SetDebits(debits);
  r.SetCredits(credits);
  return r;
}

// Summarizes the records as a summarizing loop does.
void SummarizeAll(RunState& run, const std::vector<InputRecord>& records) {
  for (const InputRecord& r : records) {
    run.curRec = r;
    Summarize(run);
  }
}

// Loads entry n as the summary pass does.
void Load(RunState& run, std::int64_t n) {
  run.LoopSum = n;
  SumDebitsCredits(run);
}

// A sum wider than the record's 14-character amount field is refused when
// its merged line is taken out, naming that line; it is never cut.
TEST(Summarize, AGroupsAmountsArePlainSumsWithTheirSignsAndItsNetIsRoundedOrTheSumIsRefused) {
  const struct {
    std::vector<InputRecord> records;
    const char* debits;
    const char* credits;
    const char* net;
    const char* refused = nullptr;  // the amount named when the line is refused
  } groups[] = {
      // A group of one is kept as it stands; text that is no number is 0.
      {{Rec("A", "-5.00", "abc")}, "-5.00         ", "abc           ", "-5.00"},
      {{Rec("A", "10.00", ".00", "8.00"), Rec("A", "5.25", ".00", "3.00"), Rec("A", ".00", ".00")},
       "         15.25", "             0", "15.25"},
      // 1003.495 rounds half away from zero.
      {{Rec("A", "10.00", "1.00"), Rec("A", "-3.00", "12A.00"), Rec("A", "", "  2.5 "), Rec("A", "$1,000.00", "0.005")},
       "          1007", "         3.505", "1003.50"},
      {{Rec("A", "5.00", ".00"), Rec("A", "-5.00", ".00")}, "             0", "             0", ".00"},
      {{Rec("A", "1.00", "3.50"), Rec("A", "3.00", ".00")}, "             4", "           3.5", ".50"},
      {{Rec("A", "1234567.00", ".00")}, "1234567.00    ", ".00           ", "1234567.00"},
      // Sums that fill the field exactly.
      {{Rec("A", "49999999999.99", "-4999999999.99"), Rec("A", "49999999999.99", "-4999999999.99")},
       "99999999999.98", "-9999999999.98", "109999999999.96"},
      {{Rec("A", "99999999999.99", ".00"), Rec("A", "99999999999.99", ".00")}, "", "", "", "199999999999.98"},
      {{Rec("A", ".00", "99999999999.99"), Rec("A", ".00", "99999999999.99")}, "", "", "", "199999999999.98"},
      {{Rec("A", ".00", "-9999999999.99"), Rec("A", ".00", "-9999999999.99")}, "", "", "", "-19999999999.98"},
      {{Rec("A", "1.00", "0.0001"), Rec("A", "2.00", "12345678901")}, "", "", "", "12345678901.0001"},
      // Only the group's final sums count: too wide for a while is no fault.
      {{Rec("A", "99999999999.99", ".00"), Rec("A", "0.001", ".00"), Rec("A", "-0.001", ".00")},
       "99999999999.99", "             0", "99999999999.99"},
  };
  for (const auto& g : groups) {
    SCOPED_TRACE(g.refused != nullptr ? g.refused : g.net);
    RunState run;
    SummarizeAll(run, g.records);
    ASSERT_EQ(run.SumRecs(), 1);
    if (g.refused != nullptr) {
      const std::string reason = std::string("The amount ") + g.refused + " does not fit its field of 14 characters.";
      for (const auto& take : {std::function<void()>([&] { (void)run.SumArray.Entry(1); }),
                               std::function<void()>([&] { Load(run, 1); })}) {
        try {
          take();
          ADD_FAILURE() << "not refused";
        } catch (const FileError& e) {
          EXPECT_EQ(e.path(), "the summarized line of account A");
          EXPECT_EQ(e.number(), vb::kOverflow);
          EXPECT_EQ(e.description(), reason);
        }
      }
      continue;
    }
    const InputRecord& e = run.SumArray.Entry(1);
    EXPECT_EQ(e.debits(), g.debits);
    EXPECT_EQ(e.credits(), g.credits);
    EXPECT_EQ(e.hours(), g.records[0].hours());  // the hours of the record that created it
    Load(run, 1);
    EXPECT_EQ(run.curRec, e);
    EXPECT_EQ(run.SumAmount, g.net);
    EXPECT_EQ(run.curSumAmount, vb::CCur(g.net));
    EXPECT_TRUE(run.curSumLoaded);
  }
}

TEST(Summarize, RecordsMergeOnlyWhenTheirSixKeyFieldsMatchExactly) {
  RunState run;
  SummarizeAll(run, {Rec("500-100", "1.00", ".00"), Rec("500-100", "2.00", ".00", "9.99"),  // hours differ
                     Rec("500-100", "4.00", ".00", "8.00", "2"),                             // division
                     Rec("500-10O", "8.00", ".00"),                                          // letter O
                     Rec("500-ab", "16.00", ".00"), Rec("500-AB", "32.00", ".00"),           // case
                     Rec("500 100", "64.00", ".00")});
  ASSERT_EQ(run.SumRecs(), 6);
  EXPECT_EQ(vb::Trim(run.SumArray.Entry(1).debits()), "3");
  EXPECT_TRUE(run.SumArray.Merged(1));
  for (std::int64_t n = 2; n <= 6; ++n) {
    EXPECT_NE(run.SumArray.Entry(n).debits()[0], ' ') << n;
    EXPECT_FALSE(run.SumArray.Merged(n)) << n;
  }
  EXPECT_THROW((void)run.SumArray.Merged(7), vb::Error);
}

TEST(Summarize, ScatteredRecordsOfManyKeysMergeInFirstAppearanceOrder) {
  // Speed is the engine benchmark's business; this pins the merge itself.
  constexpr int kKeys = 5000;
  constexpr int kRecords = 100000;
  std::vector<InputRecord> byKey;
  for (int key = 0; key < kKeys; ++key) byKey.push_back(Rec(std::to_string(key), "1.25", ".50"));
  RunState run;
  for (std::int64_t i = 0; i < kRecords; ++i) {
    run.curRec = byKey[static_cast<std::size_t>(i * 7919 % kKeys)];  // every key, scattered
    Summarize(run);
  }
  ASSERT_EQ(run.SumRecs(), kKeys);

  // 20 records per key, in the order the keys first came.
  for (std::int64_t n = 1; n <= kKeys; ++n) ASSERT_EQ(run.SumArray.Entry(n).debits(), "            25") << n;
  EXPECT_EQ(vb::Trim(run.SumArray.Entry(1).account()), "0");
  EXPECT_EQ(vb::Trim(run.SumArray.Entry(2).account()), "2919");  // 7919 mod 5000
}

}  // namespace
}  // namespace qvl
