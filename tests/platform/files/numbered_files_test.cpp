#include "platform/files/numbered_files.h"

#include <gtest/gtest.h>

#include "platform/fixtures.h"

namespace qvl::files {
namespace {

namespace fs = std::filesystem;
using test::DriveCTest;
using test::ErrorNumber;
using test::WriteBytes;
using Values = std::vector<std::string>;

class NumberedFilesTest : public DriveCTest {
 protected:
  // Writes `bytes` as c:\in.txt and opens it as text file 1.
  void OpenText(const std::string& bytes) {
    WriteBytes(dir_ / "in.txt", bytes);
    files_.OpenText(1, "c:\\in.txt");
  }
  void OpenRecords(const std::string& bytes) {
    WriteBytes(dir_ / "in.dat", bytes);
    files_.OpenRecords(1, "c:\\in.dat");
  }

  FileTable files_;
};

std::string Record(char fill, const std::string& lineEnd = "\r\n") { return std::string(87, fill) + lineEnd; }

TEST_F(NumberedFilesTest, TextEndOfFileComesOnlyWithTheReadThatFindsNothing) {
  OpenText("first\r\nlast");  // no line end after the last line
  std::string line;
  files_.LineInput(1, line);
  EXPECT_EQ(line, "first");
  EXPECT_FALSE(files_.Eof(1));
  files_.LineInput(1, line);
  EXPECT_EQ(line, "last");
  EXPECT_FALSE(files_.Eof(1));  // nothing left, but no read has failed yet

  EXPECT_EQ(ErrorNumber([&] { files_.LineInput(1, line); }), vb::kInputPastEndOfFile);
  EXPECT_EQ(line, "last");  // the failed read left its target alone
  EXPECT_TRUE(files_.Eof(1));
  EXPECT_EQ(ErrorNumber([&] { files_.InputValues(1, 3); }), vb::kInputPastEndOfFile);
  EXPECT_EQ(files_.ReadLine(1), std::nullopt);
}

TEST_F(NumberedFilesTest, ReadAheadLoopSeesEveryLineOnceWhateverTheLineEnds) {
  struct Case {
    const char* name;
    std::string bytes;
  };
  const Case cases[] = {
      {"CR LF, final line end", "a\r\nb\r\nc\r\n"},
      {"CR LF, no final line end", "a\r\nb\r\nc"},
      {"LF only", "a\nb\nc\n"},
      {"CR only", "a\rb\rc"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    OpenText(c.bytes);
    std::vector<std::string> seen;
    std::string line;
    files_.LineInput(1, line);
    while (!files_.Eof(1)) {
      seen.push_back(line);
      try {
        files_.LineInput(1, line);
      } catch (const vb::Error& e) {
        EXPECT_EQ(e.number(), vb::kInputPastEndOfFile);
      }
    }
    EXPECT_EQ(seen, (Values{"a", "b", "c"}));
  }
}

TEST_F(NumberedFilesTest, EmptyLinesAreLinesForWholeLineReads) {
  OpenText("a\r\n\r\n\r\nb\r\n\r\n");
  Values seen;
  while (auto line = files_.ReadLine(1)) seen.push_back(*line);
  EXPECT_EQ(seen, (Values{"a", "", "", "b", ""}));

  OpenText("");
  EXPECT_EQ(files_.ReadLine(1), std::nullopt);
  EXPECT_TRUE(files_.Eof(1));
}

TEST_F(NumberedFilesTest, CommaListReadTakesItsValuesFromOneLine) {
  OpenText(
      "\"12\",\"20260131\",\"1\",\"2\",\"3\",\"500,100\",\"8.00\",\"125.50\",\".00\"\r\n"
      "12,20260131,1\r\n"  // short: the rest is empty, nothing comes from the next line
      "12,20260131,1,2,3,600-200,8.00,abc,.00,extra,more\r\n"
      "  \r\n"  // blank lines hold no values
      "\r\n"
      "13, 20260228 ,\"  4\",,,700,,1.00,2.00\r\n"
      "\r\n");

  auto r = files_.InputValues(1, 9);
  EXPECT_EQ(r.values, (Values{"12", "20260131", "1", "2", "3", "500,100", "8.00", "125.50", ".00"}));
  EXPECT_TRUE(r.Complete());

  r = files_.InputValues(1, 9);
  EXPECT_EQ(r.values, (Values{"12", "20260131", "1", "", "", "", "", "", ""}));
  EXPECT_FALSE(r.Complete());

  r = files_.InputValues(1, 9);
  EXPECT_EQ(r.values, (Values{"12", "20260131", "1", "2", "3", "600-200", "8.00", "abc", ".00"}));
  EXPECT_FALSE(r.Complete());

  r = files_.InputValues(1, 9);
  EXPECT_EQ(r.values, (Values{"13", "20260228", "  4", "", "", "700", "", "1.00", "2.00"}));
  EXPECT_TRUE(r.Complete());

  // Trailing blank lines end the input quietly: the next read is the one that fails.
  EXPECT_FALSE(files_.Eof(1));
  EXPECT_EQ(files_.ReadValues(1, 9), std::nullopt);
  EXPECT_TRUE(files_.Eof(1));
}

TEST_F(NumberedFilesTest, ReadsOfDifferentKindsShareOnePosition) {
  OpenText("1,2,3\r\nwhole, line\r\nx,y\r\n");
  EXPECT_EQ(files_.InputValues(1, 3).values, (Values{"1", "2", "3"}));
  EXPECT_EQ(files_.ReadLine(1), "whole, line");
  EXPECT_EQ(files_.InputValues(1, 2).values, (Values{"x", "y"}));
}

TEST_F(NumberedFilesTest, RecordsAreReadNextOrByNumber) {
  OpenRecords(Record('A') + Record('B') + Record('C', "\n\r"));
  EXPECT_EQ(files_.RecordCount(1), 3);
  EXPECT_EQ(files_.Lof(1), 3 * 89);
  EXPECT_FALSE(files_.Eof(1));

  std::string rec;
  ASSERT_TRUE(files_.GetRecord(1, 3, rec));
  EXPECT_EQ(rec, Record('C', "\n\r"));  // line-end bytes are taken as they stand
  ASSERT_TRUE(files_.GetRecord(1, 1, rec));
  EXPECT_EQ(rec, Record('A'));
  ASSERT_TRUE(files_.GetRecord(1, rec));  // the one after the last read
  EXPECT_EQ(rec, Record('B'));
  EXPECT_FALSE(files_.Eof(1));

  EXPECT_FALSE(files_.GetRecord(1, 4, rec));
  EXPECT_EQ(rec, Record('B'));
  EXPECT_TRUE(files_.Eof(1));
  // A later read that finds a record clears it again.
  ASSERT_TRUE(files_.GetRecord(1, 2, rec));
  EXPECT_FALSE(files_.Eof(1));

  EXPECT_EQ(ErrorNumber([&] { files_.GetRecord(1, 0, rec); }), 63);
}

TEST_F(NumberedFilesTest, AFinalFragmentCountsOnlyWhenItLacksNoMoreThanItsLineEnd) {
  std::string rec;
  // 87 bytes: a last record without CR LF.
  OpenRecords(Record('A') + std::string(87, 'Z'));
  EXPECT_EQ(files_.RecordCount(1), 2);
  EXPECT_FALSE(files_.LastRecordIncomplete(1));
  ASSERT_TRUE(files_.GetRecord(1, 2, rec));
  EXPECT_EQ(rec, std::string(87, 'Z') + "\r\n");

  // 88 bytes: the CR is there, the LF is missing.
  OpenRecords(Record('A') + std::string(87, 'Z') + "\r");
  EXPECT_EQ(files_.RecordCount(1), 2);
  ASSERT_TRUE(files_.GetRecord(1, 2, rec));
  EXPECT_EQ(rec, std::string(87, 'Z') + "\r\n");

  // 50 bytes: never read, and the caller can tell.
  OpenRecords(Record('A') + std::string(50, 'Z'));
  EXPECT_EQ(files_.RecordCount(1), 1);
  EXPECT_TRUE(files_.LastRecordIncomplete(1));
  ASSERT_TRUE(files_.GetRecord(1, rec));
  EXPECT_FALSE(files_.GetRecord(1, rec));
  EXPECT_EQ(rec, Record('A'));
  EXPECT_TRUE(files_.Eof(1));

  OpenRecords(std::string(86, 'Z'));
  EXPECT_EQ(files_.RecordCount(1), 0);
  EXPECT_TRUE(files_.LastRecordIncomplete(1));
  EXPECT_FALSE(files_.Eof(1));
  EXPECT_FALSE(files_.GetRecord(1, rec));
  EXPECT_TRUE(files_.Eof(1));
}

TEST_F(NumberedFilesTest, OpeningFailsWithTheRuntimeNumbers) {
  fs::create_directory(dir_ / "exports");
  EXPECT_EQ(ErrorNumber([&] { files_.OpenText(1, "c:\\exports\\missing.txt"); }), vb::kFileNotFound);
  EXPECT_EQ(ErrorNumber([&] { files_.OpenRecords(1, "c:\\exports\\missing.txt"); }), vb::kFileNotFound);
  EXPECT_EQ(ErrorNumber([&] { files_.OpenText(1, "c:\\nofolder\\gl.txt"); }), vb::kPathNotFound);
  EXPECT_EQ(ErrorNumber([&] { files_.OpenText(1, "q:\\gl.txt"); }), vb::kPathNotFound);
  EXPECT_EQ(ErrorNumber([&] { files_.OpenText(1, "c:\\exports"); }), vb::kPathFileAccessError);
  EXPECT_EQ(ErrorNumber([&] { files_.OpenText(0, "c:\\x"); }), vb::kBadFileNameOrNumber);
  EXPECT_EQ(ErrorNumber([&] { files_.OpenText(512, "c:\\x"); }), vb::kBadFileNameOrNumber);
  EXPECT_FALSE(files_.IsOpen(1));
}

TEST_F(NumberedFilesTest, ClosedNumbersAndWrongModesAreRefused) {
  std::string s;
  EXPECT_EQ(ErrorNumber([&] { files_.LineInput(2, s); }), vb::kBadFileNameOrNumber);
  EXPECT_EQ(ErrorNumber([&] { files_.Eof(2); }), vb::kBadFileNameOrNumber);
  EXPECT_EQ(ErrorNumber([&] { files_.GetRecord(2, s); }), vb::kBadFileNameOrNumber);

  OpenText("a\r\n");
  EXPECT_EQ(ErrorNumber([&] { files_.GetRecord(1, s); }), vb::kBadFileMode);
  files_.Close(1);
  files_.Close(1);  // closing twice is harmless
  EXPECT_EQ(ErrorNumber([&] { files_.LineInput(1, s); }), vb::kBadFileNameOrNumber);

  OpenRecords(Record('A'));
  EXPECT_EQ(ErrorNumber([&] { files_.LineInput(1, s); }), vb::kBadFileMode);
  EXPECT_EQ(ErrorNumber([&] { files_.InputValues(1, 9); }), vb::kBadFileMode);
}

TEST_F(NumberedFilesTest, OpeningAnOpenNumberReplacesTheStaleFile) {
  OpenText("old 1\r\nold 2\r\n");
  EXPECT_EQ(files_.ReadLine(1), "old 1");
  OpenRecords(Record('N'));
  std::string rec;
  ASSERT_TRUE(files_.GetRecord(1, rec));
  EXPECT_EQ(rec, Record('N'));

  files_.OpenText(2, "c:\\in.dat");
  files_.CloseAll();
  EXPECT_FALSE(files_.IsOpen(1));
  EXPECT_FALSE(files_.IsOpen(2));
}

}  // namespace
}  // namespace qvl::files
