#include "platform/files/numbered_files.h"

#include <gtest/gtest.h>

#include <functional>

#include "platform/fixtures.h"

namespace qvl::files {
namespace {

namespace fs = std::filesystem;
using test::ErrorNumber;
using test::WriteBytes;
using Values = std::vector<std::string>;

class NumberedFilesTest : public test::DriveCTest {
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

TEST_F(NumberedFilesTest, EndOfFileComesOnlyWithTheReadThatFindsNothing) {
  // A loop that reads one line ahead sees every line once, whatever the line ends.
  for (const std::string bytes : {"a\r\nb\r\nc\r\n", "a\r\nb\r\nc", "a\nb\nc\n", "a\rb\rc"}) {
    OpenText(bytes);
    Values seen;
    std::string line;
    files_.LineInput(1, line);
    while (!files_.Eof(1)) {
      seen.push_back(line);
      if (const int number = ErrorNumber([&] { files_.LineInput(1, line); })) {
        EXPECT_EQ(number, vb::kInputPastEndOfFile);
        EXPECT_EQ(line, "c");  // the failed read left its target alone
      }
    }
    EXPECT_EQ(seen, (Values{"a", "b", "c"})) << bytes;
  }
  EXPECT_EQ(ErrorNumber([&] { files_.InputValues(1, 3); }), vb::kInputPastEndOfFile);

  // Empty lines are lines for whole-line reads.
  OpenText("a\r\n\r\n\r\nb\r\n\r\n");
  Values seen;
  while (auto line = files_.ReadLine(1)) seen.push_back(*line);
  EXPECT_EQ(seen, (Values{"a", "", "", "b", ""}));
}

TEST_F(NumberedFilesTest, CommaListReadTakesItsValuesFromOneLine) {
  OpenText(
      "\"12\",\"20260131\",\"1\",\"2\",\"3\",\"500,100\",\"8.00\",\"125.50\",\".00\"\r\n"
      "12,20260131,1\r\n"  // short: the rest is empty, nothing comes from the next line
      "12,20260131,1,2,3,600-200,8.00,abc,.00,extra,more\r\n"
      "  \r\n"  // blank lines hold no values, nor lines of tabs and blanks
      "\t\r\n"
      " \t \r\n"
      "\r\n"
      "13, 20260228 ,\"  4\",,,700,,1.00,2.00\r\n"
      "\r\n"
      "whole, line\r\n");
  const std::pair<Values, bool> lines[] = {
      {{"12", "20260131", "1", "2", "3", "500,100", "8.00", "125.50", ".00"}, true},
      {{"12", "20260131", "1", "", "", "", "", "", ""}, false},
      {{"12", "20260131", "1", "2", "3", "600-200", "8.00", "abc", ".00"}, false},
      {{"13", "20260228", "  4", "", "", "700", "", "1.00", "2.00"}, true},
  };
  for (const auto& [values, complete] : lines) {
    const auto r = files_.InputValues(1, 9);
    EXPECT_EQ(r.values, values);
    EXPECT_EQ(r.Complete(), complete);
  }
  EXPECT_EQ(files_.ReadLine(1), "");  // the reads share one position
  EXPECT_EQ(files_.ReadLine(1), "whole, line");
  // Trailing blank lines end the input quietly: the next read is the one that fails.
  OpenText("1,2\r\n\r\n\t\r\n");
  EXPECT_EQ(files_.InputValues(1, 2).values, (Values{"1", "2"}));
  EXPECT_FALSE(files_.Eof(1));
  EXPECT_EQ(files_.ReadValues(1, 2), std::nullopt);
  EXPECT_TRUE(files_.Eof(1));
}

TEST_F(NumberedFilesTest, RecordsAreReadNextOrByNumber) {
  OpenRecords(Record('A') + Record('B') + Record('C', "\n\r"));
  EXPECT_EQ(files_.RecordCount(1), 3);
  EXPECT_EQ(files_.Lof(1), 3 * 89);
  std::string rec;
  ASSERT_TRUE(files_.GetRecord(1, 3, rec));
  EXPECT_EQ(rec, Record('C', "\n\r"));  // line-end bytes are taken as they stand
  ASSERT_TRUE(files_.GetRecord(1, 1, rec));
  ASSERT_TRUE(files_.GetRecord(1, rec));  // the one after the last read
  EXPECT_EQ(rec, Record('B'));
  EXPECT_FALSE(files_.Eof(1));
  EXPECT_FALSE(files_.GetRecord(1, 4, rec));
  EXPECT_EQ(rec, Record('B'));
  EXPECT_TRUE(files_.Eof(1));
  ASSERT_TRUE(files_.GetRecord(1, 2, rec));  // a later read that finds a record clears it again
  EXPECT_FALSE(files_.Eof(1));
  EXPECT_EQ(ErrorNumber([&] { files_.GetRecord(1, 0, rec); }), 63);
}

TEST_F(NumberedFilesTest, AFinalFragmentCountsOnlyWhenItLacksNoMoreThanItsLineEnd) {
  const struct {
    std::string tail;
    std::int64_t records;
    bool incomplete;
  } rows[] = {{std::string(87, 'Z'), 2, false},  // a last record without CR LF
              {std::string(87, 'Z') + "\r", 2, false},
              {std::string(86, 'Z'), 1, true}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.tail.size());
    OpenRecords(Record('A') + row.tail);
    EXPECT_EQ(files_.RecordCount(1), row.records);
    EXPECT_EQ(files_.LastRecordIncomplete(1), row.incomplete);
    std::string rec;
    ASSERT_TRUE(files_.GetRecord(1, rec));
    EXPECT_EQ(files_.GetRecord(1, rec), row.records == 2);
    EXPECT_EQ(rec, row.records == 2 ? std::string(87, 'Z') + "\r\n" : Record('A'));
  }
}

// Inputs run to hundreds of megabytes and are not held whole: line ends that
// straddle any power-of-two offset, a line longer than a megabyte, and
// records far apart must read as they would from a small file.
TEST_F(NumberedFilesTest, ALongInputReadsTheSameWhereverItsLineEndsFall) {
  for (int power = 12; power <= 22; power += 2) {
    for (const std::string lineEnd : {"\r\n", "\r", "\n"}) {
      SCOPED_TRACE(std::to_string(power) + " " + std::to_string(lineEnd.size()) + std::to_string(lineEnd[0]));
      const std::size_t at = (std::size_t{1} << power) - 1;  // where the line end's first byte lands
      const std::string first(at, 'x');
      const std::string longLine((std::size_t{3} << 20) / 2, 'y');
      OpenText(first + lineEnd + "short" + lineEnd + longLine + lineEnd + "\r\n" + "last");
      Values seen;
      while (auto line = files_.ReadLine(1)) seen.push_back(*line);
      EXPECT_EQ(seen, (Values{first, "short", longLine, "", "last"}));
      EXPECT_EQ(files_.LineNumber(1), 5);
      EXPECT_TRUE(files_.Eof(1));
    }
  }
}

TEST_F(NumberedFilesTest, RecordsOfALongInputAreFoundByNumberInAnyOrder) {
  constexpr std::int64_t kCount = 40000;  // about 3.5 MB
  std::string bytes;
  auto record = [](std::int64_t n) { return Record(static_cast<char>('A' + n % 26)).replace(0, 8, std::to_string(10000000 + n)); };
  for (std::int64_t n = 1; n <= kCount; ++n) bytes += record(n);
  OpenRecords(bytes + std::string(87, 'Z'));  // and a last record without its line end
  EXPECT_EQ(files_.RecordCount(1), kCount + 1);
  std::string rec;
  std::int64_t read = 0;
  while (files_.GetRecord(1, rec)) {
    ++read;
    if (read <= kCount && rec != record(read)) ADD_FAILURE() << "record " << read;
  }
  EXPECT_EQ(read, kCount + 1);
  EXPECT_EQ(rec, std::string(87, 'Z') + "\r\n");
  for (std::int64_t n : {kCount, std::int64_t{1}, kCount / 2, kCount / 2 - 1, kCount - 11781, std::int64_t{2}}) {
    ASSERT_TRUE(files_.GetRecord(1, n, rec));
    EXPECT_EQ(rec, record(n));
    EXPECT_EQ(files_.LineNumber(1), n);
  }
  ASSERT_TRUE(files_.GetRecord(1, rec));
  EXPECT_EQ(rec, record(3));
}

TEST_F(NumberedFilesTest, BadNumbersModesAndPathsAreRefusedWithTheRuntimeNumbers) {
  fs::create_directory(dir_ / "exports");
  std::string s;
  const std::pair<std::function<void()>, int> rows[] = {
      {[&] { files_.OpenText(1, "c:\\exports\\missing.txt"); }, vb::kFileNotFound},
      {[&] { files_.OpenRecords(1, "c:\\exports\\missing.txt"); }, vb::kFileNotFound},
      {[&] { files_.OpenText(1, "c:\\nofolder\\gl.txt"); }, vb::kPathNotFound},
      {[&] { files_.OpenText(1, "q:\\gl.txt"); }, vb::kPathNotFound},
      {[&] { files_.OpenText(1, "c:\\exports"); }, vb::kPathFileAccessError},
      {[&] { files_.OpenText(0, "c:\\x"); }, vb::kBadFileNameOrNumber},
      {[&] { files_.OpenText(512, "c:\\x"); }, vb::kBadFileNameOrNumber},
      {[&] { files_.LineInput(2, s); }, vb::kBadFileNameOrNumber},
      {[&] { files_.Eof(2); }, vb::kBadFileNameOrNumber},
      {[&] { files_.GetRecord(2, s); }, vb::kBadFileNameOrNumber},
  };
  for (const auto& [statement, number] : rows) EXPECT_EQ(ErrorNumber(statement), number);
  EXPECT_FALSE(files_.IsOpen(1));

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
