#include "platform/files/text_stream.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "platform/files/numbered_files.h"
#include "platform/paths/paths.h"
#include "platform/vb/error.h"
#include "support/tempdir.h"

namespace qvl::files {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

class TextStreamTest : public ::testing::Test {
 protected:
  void SetUp() override {
    paths::UnmapAll();
    paths::MapDrive('c', dir_.path());
  }
  void TearDown() override { paths::ResetDefaultDrives(); }

  template <typename F>
  static int ErrorOf(F&& f) {
    try {
      f();
    } catch (const vb::Error& e) {
      return e.number();
    }
    return 0;
  }

  TempDir dir_;
};

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

TEST_F(TextStreamTest, AMissingFolderIsPathNotFoundUntilItIsCreated) {
  EXPECT_EQ(ErrorOf([&] { CreateTextFile("c:\\Journals\\JE0131.txt"); }), vb::kPathNotFound);
  WriteBytes(dir_ / "afile", "x");
  EXPECT_EQ(ErrorOf([&] { CreateTextFile("c:\\afile\\JE0131.txt"); }), vb::kPathNotFound);
  EXPECT_EQ(ErrorOf([&] { CreateTextFile("q:\\JE0131.txt"); }), vb::kPathNotFound);

  CreateFolder("c:\\Journals");
  auto a = CreateTextFile("c:\\journals\\JE0131.txt");
  a.WriteLine("x");
  a.Close();
  EXPECT_EQ(ReadBytes(dir_.path() / "Journals" / "JE0131.txt"), "x\r\n");
}

TEST_F(TextStreamTest, CreateFolderFailsWhenItExistsOrItsParentIsMissing) {
  CreateFolder("c:\\Temp");
  EXPECT_TRUE(fs::is_directory(dir_ / "Temp"));
  EXPECT_EQ(ErrorOf([&] { CreateFolder("C:\\TEMP"); }), vb::kFileAlreadyExists);
  EXPECT_EQ(ErrorOf([&] { CreateFolder("c:\\a\\b"); }), vb::kPathNotFound);
  EXPECT_FALSE(fs::exists(dir_ / "a"));
}

TEST_F(TextStreamTest, AFolderInTheFilesPlaceIsRefused) {
  fs::create_directory(dir_ / "JE0131.txt");
  EXPECT_EQ(ErrorOf([&] { CreateTextFile("c:\\JE0131.txt"); }), vb::kPermissionDenied);
}

TEST_F(TextStreamTest, AReadOnlyFolderIsPermissionDenied) {
  if (::geteuid() == 0) GTEST_SKIP() << "root ignores permissions";
  fs::create_directory(dir_ / "ro");
  fs::permissions(dir_ / "ro", fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_EQ(ErrorOf([&] { CreateTextFile("c:\\ro\\x.txt"); }), vb::kPermissionDenied);
}

TEST_F(TextStreamTest, AFullDiskIsReportedNotSwallowed) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  paths::MapDrive('d', "/dev");
  auto a = CreateTextFile("d:\\full");
  a.WriteLine("a line that only reaches the buffer");
  EXPECT_EQ(ErrorOf([&] { a.Close(); }), 61);
  EXPECT_FALSE(a.IsOpen());

  // A large write fails while writing, before the close.
  auto b = CreateTextFile("d:\\full");
  EXPECT_EQ(ErrorOf([&] {
              for (int i = 0; i < 100000; ++i) b.WriteLine("0000000000000000000000000000000000000000");
            }),
            61);
}

TEST_F(TextStreamTest, ClosedStreamsRefuseWritesAndCloseQuietly) {
  auto a = CreateTextFile("c:\\x.txt");
  a.Close();
  a.Close();
  EXPECT_EQ(ErrorOf([&] { a.WriteLine("late"); }), vb::kBadFileNameOrNumber);
  EXPECT_EQ(ErrorOf([&] { a.Write("late"); }), vb::kBadFileNameOrNumber);
  TextStream never;
  EXPECT_FALSE(never.IsOpen());
  EXPECT_EQ(ErrorOf([&] { never.Write("x"); }), vb::kBadFileNameOrNumber);
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
