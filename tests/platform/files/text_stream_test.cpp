#include "platform/files/text_stream.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "platform/files/numbered_files.h"
#include "platform/fixtures.h"

namespace qvl::files {
namespace {

namespace fs = std::filesystem;
using test::ErrorNumber;
using test::ReadBytes;
using test::WriteBytes;

using TextStreamTest = test::DriveCTest;

TEST_F(TextStreamTest, LinesEndInCrLfAndWriteAddsNothing) {
  auto a = CreateTextFile("c:\\JE0131.txt");
  a.WriteLine("!TRNS\tTRNSID");
  a.Write("no line end");
  a.Write(",");
  a.WriteLine();
  a.WriteLine("");
  a.Write("last");
  a.Close();
  EXPECT_EQ(ReadBytes(dir_ / "JE0131.txt"), "!TRNS\tTRNSID\r\nno line end,\r\n\r\nlast");
}

TEST_F(TextStreamTest, EveryByteRoundTripsThroughWritingAndReading) {
  std::string high;
  for (int c = 0x80; c <= 0xFF; ++c) high += static_cast<char>(c);
  high += std::string("\0\x1A\t", 3);
  const std::string nbsp = "\xA0HEADER / INDICATOR";
  {
    auto a = CreateTextFile("c:\\bytes.txt");
    a.WriteLine(high);
    a.WriteLine(nbsp);
    a.Write(high);
    a.Close();
  }
  EXPECT_EQ(ReadBytes(dir_ / "bytes.txt"), high + "\r\n" + nbsp + "\r\n" + high);

  FileTable files;
  files.OpenText(1, "c:\\bytes.txt");
  EXPECT_EQ(files.ReadLine(1), high);
  EXPECT_EQ(files.ReadLine(1), nbsp);
  EXPECT_EQ(files.ReadLine(1), high);
  EXPECT_EQ(files.ReadLine(1), std::nullopt);
}

TEST_F(TextStreamTest, CreatingOverwritesAnExistingFileFoundInAnyCase) {
  fs::create_directory(dir_ / "Out");
  WriteBytes(dir_.path() / "Out" / "Audit_trail.txt", "an older, longer audit trail\r\n");
  auto b = CreateTextFile("c:\\out\\AUDIT_TRAIL.TXT");
  b.WriteLine("new");
  b.Close();
  EXPECT_EQ(ReadBytes(dir_.path() / "Out" / "Audit_trail.txt"), "new\r\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_ / "Out"), fs::directory_iterator()), 1);
}

TEST_F(TextStreamTest, CreatingFailsWithTheRuntimeNumbersUntilTheFolderIsCreated) {
  EXPECT_EQ(ErrorNumber([&] { CreateTextFile("c:\\Journals\\JE0131.txt"); }), vb::kPathNotFound);
  WriteBytes(dir_ / "afile", "x");
  EXPECT_EQ(ErrorNumber([&] { CreateTextFile("c:\\afile\\JE0131.txt"); }), vb::kPathNotFound);
  EXPECT_EQ(ErrorNumber([&] { CreateTextFile("q:\\JE0131.txt"); }), vb::kPathNotFound);
  fs::create_directory(dir_ / "JE0131.txt");
  EXPECT_EQ(ErrorNumber([&] { CreateTextFile("c:\\JE0131.txt"); }), vb::kPermissionDenied);
  if (::geteuid() != 0) {  // root ignores permissions
    fs::create_directory(dir_ / "ro");
    fs::permissions(dir_ / "ro", fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(ErrorNumber([&] { CreateTextFile("c:\\ro\\x.txt"); }), vb::kPermissionDenied);
  }

  CreateFolder("c:\\Journals");
  auto a = CreateTextFile("c:\\journals\\JE0131.txt");
  a.WriteLine("x");
  a.Close();
  EXPECT_EQ(ReadBytes(dir_.path() / "Journals" / "JE0131.txt"), "x\r\n");
}

TEST_F(TextStreamTest, CreateFolderFailsWhenItExistsOrItsParentIsMissing) {
  CreateFolder("c:\\Temp");
  EXPECT_TRUE(fs::is_directory(dir_ / "Temp"));
  EXPECT_EQ(ErrorNumber([&] { CreateFolder("C:\\TEMP"); }), vb::kFileAlreadyExists);
  EXPECT_EQ(ErrorNumber([&] { CreateFolder("c:\\a\\b"); }), vb::kPathNotFound);
  EXPECT_FALSE(fs::exists(dir_ / "a"));
}

TEST_F(TextStreamTest, AFullDiskIsReportedNotSwallowed) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  paths::MapDrive('d', "/dev");
  auto a = CreateTextFile("d:\\full");
  a.WriteLine("a line that only reaches the buffer");
  EXPECT_EQ(ErrorNumber([&] { a.Close(); }), 61);
  EXPECT_FALSE(a.IsOpen());

  // A large write fails while writing, before the close.
  auto b = CreateTextFile("d:\\full");
  EXPECT_EQ(ErrorNumber([&] {
              for (int i = 0; i < 100000; ++i) b.WriteLine("0000000000000000000000000000000000000000");
            }),
            61);
}

TEST_F(TextStreamTest, ClosedStreamsRefuseWritesAndCloseQuietly) {
  auto a = CreateTextFile("c:\\x.txt");
  a.Close();
  a.Close();
  EXPECT_EQ(ErrorNumber([&] { a.WriteLine("late"); }), vb::kBadFileNameOrNumber);
  EXPECT_EQ(ErrorNumber([&] { a.Write("late"); }), vb::kBadFileNameOrNumber);
  TextStream never;
  EXPECT_FALSE(never.IsOpen());
  EXPECT_EQ(ErrorNumber([&] { never.Write("x"); }), vb::kBadFileNameOrNumber);
}

TEST_F(TextStreamTest, StreamsMoveAndADroppedStreamStillWritesItsText) {
  {
    TextStream a;
    a = CreateTextFile("c:\\moved.txt");
    TextStream b(std::move(a));
    EXPECT_FALSE(a.IsOpen());
    b.Write("kept");
  }
  EXPECT_EQ(ReadBytes(dir_ / "moved.txt"), "kept");
}

TEST_F(TextStreamTest, ManyLinesCrossTheBufferIntact) {
  std::string expected;
  {
    auto a = CreateTextFile("c:\\big.txt");
    for (int i = 0; i < 50000; ++i) {
      std::string line(static_cast<std::size_t>(i % 97), static_cast<char>('A' + i % 26));
      a.WriteLine(line);
      expected += line + "\r\n";
    }
    a.Close();
  }
  EXPECT_EQ(ReadBytes(dir_ / "big.txt"), expected);
}

}  // namespace
}  // namespace qvl::files
