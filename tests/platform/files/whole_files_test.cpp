#include "platform/files/whole_files.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>

#include "platform/fixtures.h"
#include "support/failing_sync.h"

namespace qvl::files {
namespace {

namespace fs = std::filesystem;

class WholeFilesTest : public test::DriveCTest {
 protected:
  // Every file and folder in the drive's root, temporaries included.
  std::size_t Entries() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_.path()), fs::directory_iterator()));
  }
};

using test::ErrorNumber;
using test::ReadBytes;
using test::WriteBytes;

// Lets the process write no file longer than `limit` while it lives: the
// host's way to make a write fail part-way, whoever runs the test.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t limit) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    previous_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit lowered = saved_;
    lowered.rlim_cur = limit;
    ::setrlimit(RLIMIT_FSIZE, &lowered);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previous_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit saved_{};
  void (*previous_)(int) = nullptr;
};

TEST_F(WholeFilesTest, AFailedReplaceLeavesWhatWasThereAndNoTemporaryBehind) {
  const std::string old = "\"12\",\"28\"\r\n";
  WriteBytes(Host("settings.csv"), old);
  {
    FileSizeLimit limit(4096);
    EXPECT_EQ(ErrorNumber([&] { ReplaceFileContents(Host("settings.csv"), std::string(10000, 'x')); }),
              vb::kPathFileAccessError);
  }
  EXPECT_EQ(ReadBytes(Host("settings.csv")), old);
  {
    // Every byte written, then lost when put on disk: the old file stays.
    test::FailingSync full("settings.csv.tmp", ENOSPC);
    EXPECT_EQ(ErrorNumber([&] { ReplaceFileContents(Host("settings.csv"), "new"); }), vb::kDiskFull);
  }
  EXPECT_EQ(ReadBytes(Host("settings.csv")), old);
  EXPECT_EQ(Entries(), 1u);
  const std::string bytes("short\r\n\0\x1A\x93\xFF", 11);
  ReplaceFileContents(Host("settings.csv"), bytes);  // once it can be written, exactly the new bytes
  EXPECT_EQ(ReadBytes(Host("settings.csv")), bytes);

  // Written in full, but a folder with files in it cannot be replaced.
  fs::create_directory(Host("book.xls"));
  WriteBytes(Host("book.xls") / "inside", "kept");
  EXPECT_EQ(ErrorNumber([&] { ReplaceFileContents(Host("book.xls"), "bytes"); }), vb::kPathFileAccessError);
  EXPECT_EQ(ReadBytes(Host("book.xls") / "inside"), "kept");
  EXPECT_EQ(Entries(), 2u);

  EXPECT_EQ(ErrorNumber([&] { ReplaceFileContents(Host("missing") / "x.csv", "bytes"); }), vb::kPathNotFound);
  EXPECT_EQ(Entries(), 2u);
}

TEST_F(WholeFilesTest, UnreadableReasonsAreTheRuntimeTexts) {
  fs::create_directory(Host("payroll"));
  WriteBytes(Host("payroll") / "GL.txt", "1010,12.50\r\n");
  EXPECT_EQ(UnreadableReason("c:\\PAYROLL\\gl.txt"), "");
  EXPECT_EQ(UnreadableReason("c:\\payroll\\missing.txt"), "File not found");
  EXPECT_EQ(UnreadableReason("c:\\nofolder\\gl.txt"), "Path not found");
  EXPECT_EQ(UnreadableReason("q:\\gl.txt"), "Path not found");  // a drive that is not mapped
  EXPECT_EQ(UnreadableReason("c:\\payroll"), "Path/File access error");
  if (::geteuid() != 0) {  // root reads whatever the permissions say
    fs::permissions(Host("payroll") / "GL.txt", fs::perms::none);
    EXPECT_EQ(UnreadableReason("c:\\payroll\\gl.txt"), "Permission denied");
  }
}

}  // namespace
}  // namespace qvl::files
