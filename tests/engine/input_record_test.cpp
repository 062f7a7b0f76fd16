#include "engine/input_record.h"

#include <gtest/gtest.h>

#include "platform/files/numbered_files.h"
#include "platform/fixtures.h"

namespace qvl {
namespace {

using R = InputRecord;

// A record whose every field holds a recognisable old value.
InputRecord OldRecord() {
  InputRecord r;
  r.SetText("OLD1" "OLDDATE1" "OLDDIV" "OLDBRN" "OLDDEP" "OLD-ACCOUNT-000000" "OLD-HOURS-0" "OLD-DEBITS-000"
            "OLD-CREDITS-00" "\r\n");
  return r;
}

TEST(InputRecord, ValuesAreStoredAsTheyStandPaddedAndCut) {
  InputRecord r;
  EXPECT_EQ(r.Text(), std::string(87, ' ') + "\r\n");
  r.SetAccount("12345678901234567890");
  EXPECT_EQ(r.account(), "123456789012345678");
  r.SetDebits("  -1,234.5x");  // no trimming, no conversion
  EXPECT_EQ(r.debits(), "  -1,234.5x   ");
  EXPECT_EQ(r.Text().size(), 89u);
}

TEST(LineToDelim, SplitsNineValuesIntoTheirFieldsAsTheyStand) {
  InputRecord r = OldRecord();
  LineToDelim("12,20260131,1,2,3,500-100,8.00,125.50,.00", r);
  EXPECT_EQ(r.Text(),
            "12  " "20260131" "1     " "2     " "3     " "500-100           " "8.00       " "125.50        "
            ".00           " "\r\n");

  LineToDelim("\"1234\",20260131,, 1 ,3,500-100,8.00,12x.50,.00", r);
  EXPECT_EQ(r.company(), "\"123");  // the opening quote and three digits
  EXPECT_EQ(r.division(), std::string(6, ' '));
  EXPECT_EQ(r.branch(), " 1    ");
  EXPECT_EQ(r.debits(), "12x.50        ");
}

TEST(LineToDelim, CreditsTakeTheRestOfTheLineAfterTheEighthComma) {
  InputRecord r = OldRecord();
  LineToDelim("1,2,3,4,5,6,7,8,9,10,11,12,13,14", r);
  EXPECT_EQ(r.debits(), "8             ");
  EXPECT_EQ(r.credits(), "9,10,11,12,13,");
  EXPECT_EQ(r.lineEnd(), "\r\n");

  r.SetLineEnd("XY");
  LineToDelim("1,2,3,4,5,6,7,8,", r);
  EXPECT_EQ(r.credits(), std::string(14, ' '));
  EXPECT_EQ(r.lineEnd(), "XY");  // never touched
}

TEST(LineToDelim, FewerThanEightCommasFailAfterStoringTheFieldsBefore) {
  const InputRecord old = OldRecord();
  InputRecord r = old;
  try {
    LineToDelim("12,20260131,1", r);
    FAIL() << "no error";
  } catch (const vb::Error& e) {
    EXPECT_EQ(e.number(), vb::kInvalidProcedureCall);
  }
  EXPECT_EQ(r.company(), "12  ");
  EXPECT_EQ(r.date(), "20260131");
  // The division had no comma after it: it and everything after keep the old values.
  EXPECT_EQ(r.Text().substr(R::Offset(R::kDivision)), old.Text().substr(R::Offset(R::kDivision)));

  r = old;
  EXPECT_THROW(LineToDelim("", r), vb::Error);
  EXPECT_EQ(r, old);
  EXPECT_THROW(LineToDelim("1,2,3,4,5,6,7,8", r), vb::Error);  // seven commas
  EXPECT_EQ(r.hours(), "7          ");
  EXPECT_EQ(r.debits(), old.debits());
}

TEST(ValuesToRecord, FillsTheNineFieldsAndBlanksMissingOnes) {
  InputRecord r = OldRecord();
  ValuesToRecord({"12", "20260131", "1", "2", "3", "500,100", "8.00", "abc", ".00", "extra"}, r);
  EXPECT_EQ(r.Text(),
            "12  " "20260131" "1     " "2     " "3     " "500,100           " "8.00       " "abc           "
            ".00           " "\r\n");

  r = OldRecord();
  ValuesToRecord({"13", "20260228"}, r);
  EXPECT_EQ(r.company(), "13  ");
  EXPECT_EQ(r.Text().substr(R::Offset(R::kDivision), 75), std::string(75, ' '));
  EXPECT_EQ(r.lineEnd(), "\r\n");
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
  EXPECT_EQ(r.account(), "500-100           ");
  ASSERT_TRUE(GetRecord(files, 1, r));
  EXPECT_EQ(r.lineEnd(), "\n\n");
  // The 40-byte tail is no record.
  EXPECT_FALSE(GetRecord(files, 1, r));
  EXPECT_EQ(r.Text(), second);
  ASSERT_TRUE(GetRecord(files, 1, 1, r));
  EXPECT_EQ(r.Text(), first);
  EXPECT_FALSE(GetRecord(files, 1, 3, r));
  EXPECT_EQ(r.Text(), first);
}

}  // namespace
}  // namespace qvl
