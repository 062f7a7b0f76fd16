// Input records filled from a comma-list read and from the record file:
// values land in their own fields as they stand, and nothing of an earlier
// record is handed on as if it were read.
#include "engine/input_record.h"

#include <gtest/gtest.h>

#include "platform/files/numbered_files.h"
#include "platform/fixtures.h"

namespace qvl {
namespace {

// A record whose every field holds a recognisable old value.
InputRecord OldRecord() {
  InputRecord r;
  r.SetText("OLD1" "OLDDATE1" "OLDDIV" "OLDBRN" "OLDDEP" "OLD-ACCOUNT-000000" "OLD-HOURS-0" "OLD-DEBITS-000"
            "OLD-CREDITS-00" "\r\n");
  return r;
}

TEST(ValuesToRecord, FillsTheNineFieldsAndBlanksMissingOnes) {
  InputRecord r = OldRecord();
  ValuesToRecord({"12", "20260131", "1", "2", "3", "500,100", "8.00", "abc", ".00", "extra"}, r);
  EXPECT_EQ(r.Text(),
            "12  " "20260131" "1     " "2     " "3     " "500,100           " "8.00       " "abc           "
            ".00           " "\r\n");
  r = OldRecord();
  ValuesToRecord({"13", "20260228"}, r);
  EXPECT_EQ(r.Text(), "13  20260228" + std::string(75, ' ') + "\r\n");
}

using RecordReadTest = test::DriveCTest;

TEST_F(RecordReadTest, ARecordFillsAllTenFieldsFromItsBytesAndAFailedReadChangesNothing) {
  const std::string first =
      "0012" "20260131" "000001" "000002" "000003" "500-100           " "       8.00" "        125.50"
      "           .00" "\r\n";
  const std::string second = std::string(87, '9') + "\n\n";
  test::WriteBytes(dir_ / "GL.DAT", first + second + std::string(40, '7'));
  files::FileTable files;
  files.OpenRecords(1, "c:\\gl.dat");

  InputRecord r = OldRecord();
  ASSERT_TRUE(GetRecord(files, 1, r));
  EXPECT_EQ(r.Text(), first);
  ASSERT_TRUE(GetRecord(files, 1, r));
  EXPECT_EQ(r.lineEnd(), "\n\n");
  EXPECT_FALSE(GetRecord(files, 1, r));  // the 40-byte tail is no record
  EXPECT_EQ(r.Text(), second);
  ASSERT_TRUE(GetRecord(files, 1, 1, r));
  EXPECT_FALSE(GetRecord(files, 1, 3, r));
  EXPECT_EQ(r.Text(), first);
}

}  // namespace
}  // namespace qvl
