#include "platform/paths/paths.h"

#include <cstdlib>
#include <gtest/gtest.h>

#include "platform/fixtures.h"

namespace qvl::paths {
namespace {

namespace fs = std::filesystem;
using test::TempDir;
using test::WriteBytes;

using PathsTest = test::DriveCTest;

TEST_F(PathsTest, ExistingComponentsAreFoundInAnyCase) {
  fs::create_directory(dir_ / "temp");
  WriteBytes(dir_.path() / "temp" / "QvJE_Control.csv", "x");

  EXPECT_EQ(ToHost("C:\\TEMP\\qvje_control.CSV"), dir_.path() / "temp" / "QvJE_Control.csv");
  EXPECT_EQ(ToHost("c:/Temp/QVJE_CONTROL.csv"), dir_.path() / "temp" / "QvJE_Control.csv");
  // Missing components are kept as written, below the last one that exists.
  EXPECT_EQ(ToHost("c:\\TEMP\\New\\Out.txt"), dir_.path() / "temp" / "New" / "Out.txt");
  EXPECT_EQ(ToHost("c:"), dir_.path());
  EXPECT_EQ(ToHost("c:\\"), dir_.path());
}

TEST_F(PathsTest, ExactCaseWinsOverOtherSpellings) {
  fs::create_directory(dir_ / "GL");
  fs::create_directory(dir_ / "gl");
  fs::create_directory(dir_ / "Gl");
  EXPECT_EQ(ToHost("c:\\gl"), dir_.path() / "gl");
  EXPECT_EQ(ToHost("c:\\Gl"), dir_.path() / "Gl");
  // No exact match: the spelling that sorts first, every time.
  EXPECT_EQ(ToHost("c:\\gL"), dir_.path() / "GL");
}

TEST_F(PathsTest, Windows1252LettersFoldToo) {
  WriteBytes(dir_.path() / "CAF\xC9.TXT", "x");
  EXPECT_EQ(ToHost("c:\\caf\xE9.txt"), dir_.path() / "CAF\xC9.TXT");
}

TEST_F(PathsTest, DotDotNeverClimbsAboveTheDrive) {
  EXPECT_EQ(ToHost("c:\\..\\..\\etc\\passwd"), dir_.path() / "etc" / "passwd");
  EXPECT_EQ(ToHost("c:\\temp\\..\\..\\x.txt"), dir_.path() / "x.txt");
  EXPECT_EQ(ToHost("c:\\a\\.\\b\\..\\c.txt"), dir_.path() / "a" / "c.txt");
  EXPECT_EQ(ToHost("c:/../"), dir_.path());
}

TEST_F(PathsTest, PathsWithoutAMappedDriveHaveNoHostPath) {
  EXPECT_EQ(ToHost("q:\\gl.txt"), std::nullopt);
  EXPECT_EQ(ToHost("gl.txt"), std::nullopt);
  EXPECT_EQ(ToHost("\\temp\\gl.txt"), std::nullopt);
  EXPECT_EQ(ToHost(""), std::nullopt);
  EXPECT_EQ(ToHost(std::string_view("c:\\a\0b", 6)), std::nullopt);
}

TEST_F(PathsTest, HostPathsTakeTheMostSpecificDrive) {
  fs::create_directory(dir_ / "data");
  MapDrive('h', dir_.path());
  MapDrive('C', dir_.path() / "data");
  MapDrive('z', "/");

  EXPECT_EQ(ToWindows(dir_.path() / "data" / "sub" / "gl.txt"), "c:\\sub\\gl.txt");
  EXPECT_EQ(ToWindows(dir_.path() / "gl.txt"), "h:\\gl.txt");
  EXPECT_EQ(ToWindows(dir_.path() / "data"), "c:\\");
  EXPECT_EQ(ToWindows("/usr/share/x"), "z:\\usr\\share\\x");
  EXPECT_EQ(ToWindows("relative/x"), std::nullopt);

  // A sibling whose name merely starts like a drive folder is not on it.
  const fs::path sibling = dir_.path().string() + "x";
  auto windows = ToWindows(sibling / "gl.txt");
  ASSERT_TRUE(windows);
  EXPECT_EQ(windows->substr(0, 3), "z:\\");
  UnmapAll();
  EXPECT_EQ(ToWindows(dir_.path()), std::nullopt);
}

TEST_F(PathsTest, NormalizeTurnsTypedHostPathsIntoDriveForm) {
  MapDrive('h', dir_.path() / "home");
  EXPECT_EQ(Normalize((dir_.path() / "home" / "ann" / "gl.txt").string()), "h:\\ann\\gl.txt");
  EXPECT_EQ(Normalize("c:\\temp\\gl.txt"), "c:\\temp\\gl.txt");
  EXPECT_EQ(Normalize("Input file (from Quorvanta)"), "Input file (from Quorvanta)");
  // No drive holds it: left as typed.
  EXPECT_EQ(Normalize("/opt/gl.txt"), "/opt/gl.txt");
}

TEST_F(PathsTest, DirReturnsTheNameOnDiskOrNothing) {
  fs::create_directory(dir_ / "Exports");
  WriteBytes(dir_.path() / "Exports" / "GL0131.TXT", "x");

  EXPECT_EQ(Dir("c:\\exports\\gl0131.txt"), "GL0131.TXT");
  EXPECT_EQ(Dir("c:\\exports\\gl0228.txt"), "");
  EXPECT_EQ(Dir("c:\\missing\\gl0131.txt"), "");
  EXPECT_EQ(Dir("q:\\gl0131.txt"), "");
  EXPECT_EQ(Dir("c:\\EXPORTS"), "");
  EXPECT_EQ(Dir("c:\\EXPORTS", true), "Exports");

  EXPECT_TRUE(FileExists("C:\\Exports\\Gl0131.txt"));
  EXPECT_FALSE(FileExists("c:\\Exports"));
  EXPECT_TRUE(FolderExists("c:\\exports"));
  EXPECT_FALSE(FolderExists("c:\\exports\\gl0131.txt"));
}

class DefaultDrivesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Save("HOME", home_);
    Save("XDG_DATA_HOME", xdg_);
  }
  void TearDown() override {
    Restore("HOME", home_);
    Restore("XDG_DATA_HOME", xdg_);
    ResetDefaultDrives();
  }
  static void Save(const char* name, std::optional<std::string>& slot) {
    if (const char* v = std::getenv(name)) slot = v;
  }
  static void Restore(const char* name, const std::optional<std::string>& slot) {
    if (slot) {
      ::setenv(name, slot->c_str(), 1);
    } else {
      ::unsetenv(name);
    }
  }
  TempDir dir_;
  std::optional<std::string> home_, xdg_;
};

TEST_F(DefaultDrivesTest, DataFolderIsCreatedOnFirstUse) {
  ::setenv("HOME", (dir_.path() / "ann").c_str(), 1);
  ::setenv("XDG_DATA_HOME", (dir_.path() / "xdg").c_str(), 1);
  ResetDefaultDrives();

  const fs::path c = dir_.path() / "xdg" / "qvledgerloom" / "c";
  auto drives = Drives();
  ASSERT_EQ(drives.size(), 3u);
  EXPECT_EQ(drives[0].letter, 'c');
  EXPECT_EQ(drives[0].host, c);
  EXPECT_EQ(drives[1].letter, 'h');
  EXPECT_EQ(drives[1].host, dir_.path() / "ann");
  EXPECT_EQ(drives[2].letter, 'z');
  EXPECT_EQ(drives[2].host, fs::path("/"));

  EXPECT_FALSE(fs::exists(c));
  EXPECT_EQ(ToHost("c:\\temp\\QvJE_Control.csv"), c / "temp" / "QvJE_Control.csv");
  EXPECT_TRUE(fs::is_directory(c));
}

TEST_F(DefaultDrivesTest, WithoutXdgDataHomeTheDataFolderIsUnderHome) {
  ::setenv("HOME", dir_.path().c_str(), 1);
  ::unsetenv("XDG_DATA_HOME");
  ResetDefaultDrives();
  EXPECT_EQ(DriveFolder('C'), dir_.path() / ".local" / "share" / "qvledgerloom" / "c");
  EXPECT_EQ(DriveFolder('q'), std::nullopt);
}

}  // namespace
}  // namespace qvl::paths
