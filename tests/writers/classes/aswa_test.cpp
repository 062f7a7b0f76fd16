// "aswa" lines the scenarios leave out: the department number, short lines,
// an offset of zero and a second run of the same object.
#include "writers/classes/aswa.h"

#include <gtest/gtest.h>

#include "writers/classes/class_fixture.h"

namespace qvl::test {
namespace {

std::string Ten(const std::string& account, const std::string& seventh, const std::string& debit,
                const std::string& credit) {
  return "123,20261130,01,02,03," + account + "," + seventh + ",8," + debit + "," + credit;
}

const char* kHeader = "trans #,acct,dept,deb+/cred-";

TEST_F(ClassRunTest, AswaDepartmentIsTheSeventhValueRoundedDownOrEmpty) {
  PrepareInput("aswa", Lines({Ten("1", "12", "10.00", ".00"), Ten("2", "12.9", "20.00", ".00"),
                              Ten("3", "-1.5", ".00", "30.00"), Ten("4", "abc", "5.00", ".00"),
                              Ten("5", "", ".00", "5.00")}));
  Run();
  EXPECT_EQ(JournalLines("123113026.txt"),
            (std::vector<std::string>{kHeader, "1,1,12,10", "2,2,12,20", "3,3,-2,-30", "4,4,,5", "5,5,,-5"}));
  EXPECT_EQ(LastTitle(), kInBalance);
}

TEST_F(ClassRunTest, AswaShortLinesAreWarnedOnceAndTakeNothingFromTheNextLine) {
  // Nine values: the credit is missing, so empty; the next line is read
  // on its own.
  PrepareInput("aswa", Lines({"123,20261130,01,02,03,5000,4,8,25.00", "123,20261130,01,02,03,6000,4,8,",
                              Ten("7000", "1", ".00", "25.00")}));
  Run();
  EXPECT_EQ(JournalLines("123113026.txt"), (std::vector<std::string>{kHeader, "1,5000,4,25", "2,7000,1,-25"}));
  ASSERT_EQ(boxes.Shown().size(), 2u);
  EXPECT_EQ(boxes.Shown()[0].prompt,
            "Some lines of the input file do not hold 10 values; missing values were taken as empty.");
  EXPECT_EQ(boxes.Shown()[1].title, kInBalance);
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

  PrepareInput("aswa", Lines({Ten("6000", "4", "12.50", ".00"), Ten("6001", "", "", "")}));
  QueueOffset("9998", "-12.5");
  Run();
  EXPECT_EQ(JournalLines("123113026.txt"),
            (std::vector<std::string>{kHeader, "1,6000,4,12.5", "1,9998,,-12.5"}));
  EXPECT_EQ(LastTitle(), kInBalance);
}

}  // namespace
}  // namespace qvl::test
