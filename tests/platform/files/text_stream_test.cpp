#include "platform/files/text_stream.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "platform/files/numbered_files.h"
#include "platform/fixtures.h"
#include "support/failing_sync.h"

namespace qvl::files {
namespace {

namespace fs = std::filesystem;
using test::ErrorNumber;
using test::ReadBytes;
using test::WriteBytes;

using TextStreamTest = test::DriveCTest;

TEST_F(TextStreamTest, EveryByteRoundTripsThroughWritingAndReading) {
  std::string high;
  for (int c = 0x80; c <= 0xFF; ++c) high += static_cast<char>(c);
  high += std::string("\0\x1A\t", 3);
  const std::string nbsp = "\xA0HEADER / INDICATOR";
  std::string many;  // enough lines to cross the stream's buffer many times
  {
    auto a = CreateTextFile("c:\\bytes.txt");
    a.WriteLine(high);
    a.WriteLine(nbsp);
    a.Write(high);
    a.WriteLine();
    for (int i = 0; i < 20000; ++i) {
      const std::string line(static_cast<std::size_t>(i % 97), static_cast<char>('A' + i % 26));
      a.WriteLine(line);
      many += line + "\r\n";
    }
    a.Close();
  }
  EXPECT_EQ(ReadBytes(dir_ / "bytes.txt"), high + "\r\n" + nbsp + "\r\n" + high + "\r\n" + many);

  FileTable files;
  files.OpenText(1, "c:\\bytes.txt");
  EXPECT_EQ(files.ReadLine(1), high);
  EXPECT_EQ(files.ReadLine(1), nbsp);
  EXPECT_EQ(files.ReadLine(1), high);
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

TEST_F(TextStreamTest, CreatingFilesAndFoldersFailsWithTheRuntimeNumbers) {
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
  EXPECT_EQ(ErrorNumber([&] { CreateFolder("C:\\JOURNALS"); }), vb::kFileAlreadyExists);
  EXPECT_EQ(ErrorNumber([&] { CreateFolder("c:\\a\\b"); }), vb::kPathNotFound);
  EXPECT_FALSE(fs::exists(dir_ / "a"));
}

// Every write can succeed and the file still be lost when it is put on disk:
// Close() must say so, and the stream is closed either way.
TEST_F(TextStreamTest, AFileThatCannotBePutOnDiskFailsAtClose) {
  for (const auto& [error, number] : {std::pair{ENOSPC, vb::kDiskFull}, std::pair{EIO, vb::kDeviceIoError}}) {
    test::FailingSync failing("JE0131.txt", error);
    auto a = CreateTextFile("c:\\JE0131.txt");
    auto b = CreateTextFile("c:\\Audit_trail.txt");
    a.WriteLine("x");
    b.WriteLine("x");
    a.Flush();
    EXPECT_EQ(ErrorNumber([&] { a.Close(); }), number);
    EXPECT_FALSE(a.IsOpen());
    EXPECT_EQ(ErrorNumber([&] { a.Close(); }), 0);
    EXPECT_EQ(ErrorNumber([&] { b.Close(); }), 0);  // only the failing file
  }
}

}  // namespace
}  // namespace qvl::files
