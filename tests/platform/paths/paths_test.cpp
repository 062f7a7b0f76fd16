#include "platform/paths/paths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <utility>

#include "platform/fixtures.h"

namespace qvl::paths {
namespace {

namespace fs = std::filesystem;
using test::TempDir;
using test::WriteBytes;

using PathsTest = test::DriveCTest;

TEST_F(PathsTest, ExistingComponentsAreFoundInAnyCaseTheExactSpellingFirst) {
  fs::create_directory(dir_ / "temp");
  WriteBytes(dir_.path() / "temp" / "QvJE_Control.csv", "x");
  WriteBytes(dir_.path() / "CAF\xC9.TXT", "x");
  for (const char* spelling : {"GL", "gl", "Gl"}) fs::create_directory(dir_ / spelling);
  const std::pair<std::string_view, std::optional<fs::path>> rows[] = {
      {"C:\\TEMP\\qvje_control.CSV", dir_.path() / "temp" / "QvJE_Control.csv"},
      {"c:/Temp/QVJE_CONTROL.csv", dir_.path() / "temp" / "QvJE_Control.csv"},
      // Missing components are kept as written, below the last one that exists.
      {"c:\\TEMP\\New\\Out.txt", dir_.path() / "temp" / "New" / "Out.txt"},
      {"c:\\", dir_.path()},
      {"c:\\caf\xE9.txt", dir_.path() / "CAF\xC9.TXT"},  // Windows-1252 letters fold too
      {"c:\\gl", dir_.path() / "gl"},
      {"c:\\Gl", dir_.path() / "Gl"},
      {"c:\\gL", dir_.path() / "GL"},  // no exact match: the spelling that sorts first, every time
      // ".." never climbs above the drive.
      {"c:\\..\\..\\etc\\passwd", dir_.path() / "etc" / "passwd"},
      {"c:\\temp\\..\\..\\x.txt", dir_.path() / "x.txt"},
      {"c:\\a\\.\\b\\..\\c.txt", dir_.path() / "a" / "c.txt"},
      // Blanks and dots ending a name are not part of it, in folders and files alike;
      // dots inside a name and leading blanks are; a name of nothing else is no name.
      {"c:\\temp \\qvje_control.csv ", dir_.path() / "temp" / "QvJE_Control.csv"},
      {"c:\\GL. \\New .\\bal.txt. .", dir_.path() / "GL" / "New" / "bal.txt"},
      {"c:\\gl\\ ... \\ x.y.z", dir_.path() / "gl" / " x.y.z"},
      {"c:\\gl\\...\\x", dir_.path() / "gl" / "x"},
      // Paths without a mapped drive have no host path.
      {"q:\\gl.txt", std::nullopt},
      {"gl.txt", std::nullopt},
      {"\\temp\\gl.txt", std::nullopt},
      {"", std::nullopt},
      {std::string_view("c:\\a\0b", 6), std::nullopt},
  };
  for (const auto& [windows, host] : rows) EXPECT_EQ(ToHost(windows), host) << windows;
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

  // A sibling whose name merely starts like a drive folder is not on it.
  const fs::path sibling = dir_.path().string() + "x";
  auto windows = ToWindows(sibling / "gl.txt");
  ASSERT_TRUE(windows);
  EXPECT_EQ(windows->substr(0, 3), "z:\\");
}

TEST_F(PathsTest, DirReturnsTheNameOnDiskOrNothing) {
  fs::create_directory(dir_ / "Exports");
  WriteBytes(dir_.path() / "Exports" / "GL0131.TXT", "x");

  EXPECT_EQ(Dir("c:\\exports\\gl0131.txt"), "GL0131.TXT");
  for (const char* missing : {"c:\\exports\\gl0228.txt", "c:\\missing\\gl0131.txt", "q:\\gl0131.txt"}) {
    EXPECT_EQ(Dir(missing), "") << missing;
  }
  EXPECT_EQ(Dir("c:\\EXPORTS"), "");
  EXPECT_EQ(Dir("c:\\EXPORTS", true), "Exports");

  EXPECT_FALSE(FileExists("c:\\Exports"));
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

TEST_F(DefaultDrivesTest, TheDataFolderFollowsXdgOrHomeAndIsCreatedOnFirstUse) {
  ::setenv("HOME", (dir_.path() / "ann").c_str(), 1);
  ::setenv("XDG_DATA_HOME", (dir_.path() / "xdg").c_str(), 1);
  ResetDefaultDrives();
  const fs::path c = dir_.path() / "xdg" / "qvledgerloom" / "c";
  auto drives = Drives();
  ASSERT_EQ(drives.size(), 3u);
  EXPECT_EQ((std::string{drives[0].letter, drives[1].letter, drives[2].letter}), "chz");
  EXPECT_EQ(drives[0].host, c);
  EXPECT_EQ(drives[1].host, dir_.path() / "ann");
  EXPECT_EQ(drives[2].host, fs::path("/"));
  EXPECT_FALSE(fs::exists(c));
  EXPECT_EQ(ToHost("c:\\temp\\QvJE_Control.csv"), c / "temp" / "QvJE_Control.csv");
  EXPECT_TRUE(fs::is_directory(c));

  ::unsetenv("XDG_DATA_HOME");
  ResetDefaultDrives();
  EXPECT_EQ(DriveFolder('C'), dir_.path() / "ann" / ".local" / "share" / "qvledgerloom" / "c");
}

// The XDG rules take only an absolute XDG_DATA_HOME; any other value is
// ignored, or drive c: would lie below whatever folder the tool was started
// from.
TEST_F(DefaultDrivesTest, ARelativeOrEmptyXdgDataHomeIsIgnored) {
  ::setenv("HOME", (dir_.path() / "ann").c_str(), 1);
  const fs::path fallback = dir_.path() / "ann" / ".local" / "share" / "qvledgerloom" / "c";
  const std::pair<std::optional<std::string>, fs::path> rows[] = {
      {(dir_.path() / "xdg").string(), dir_.path() / "xdg" / "qvledgerloom" / "c"},
      {std::nullopt, fallback},
      {"", fallback},
      {"xdg", fallback},
      {"./xdg", fallback},
      {"../xdg", fallback},
      {"~/xdg", fallback},
  };
  for (const auto& [xdg, c] : rows) {
    if (xdg) {
      ::setenv("XDG_DATA_HOME", xdg->c_str(), 1);
    } else {
      ::unsetenv("XDG_DATA_HOME");
    }
    ResetDefaultDrives();
    const auto drives = Drives();
    ASSERT_FALSE(drives.empty());
    EXPECT_EQ(drives[0].letter, 'c');
    EXPECT_EQ(drives[0].host, c) << xdg.value_or("(not set)");
  }
}

}  // namespace
}  // namespace qvl::paths
