#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/forms/form.h"
#include "platform/paths/paths.h"
#include "platform/vb/error.h"
#include "support/tempdir.h"

namespace qvl::forms {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

TEST(MatchesPatternTest, GlobsCompareCaseInsensitively) {
  // "*txt" takes any name ending in "txt", with or without a dot.
  const std::pair<const char*, const char*> matches[] = {
      {"*.txt", "GL.TXT"}, {"*.txt;*.csv", "gl.csv"}, {"*.txt; *.csv", "gl.CSV"}, {"*txt", "GLtxt"},
      {"*txt", "a.txt"},   {"*.*", "README"},         {"gl?.txt", "gl1.txt"},     {"*a*b*", "xxaxxbxx"}};
  for (const auto& [pattern, name] : matches) EXPECT_TRUE(MatchesPattern(pattern, name)) << pattern << " " << name;
  const std::pair<const char*, const char*> others[] = {{"*.txt", "gl.csv"},   {"*.txt", "gl.txt.bak"},
                                                        {"*.txt;*.csv", "gl.xls"}, {"*txt", "a.txt1"},
                                                        {"gl?.txt", "gl12.txt"}, {"", "a"}};
  for (const auto& [pattern, name] : others) EXPECT_FALSE(MatchesPattern(pattern, name)) << pattern << " " << name;
}

class DiskListsTest : public ::testing::Test {
 protected:
  class Lists : public Form {
   public:
    Lists() : Form("frmLists", "", 1000, 1000) {}
    DriveList drv{*this, "drv"};
    FolderList dir{*this, "dir"};
    FileList fil{*this, "fil"};
  };

  void SetUp() override {
    paths::UnmapAll();
    paths::MapDrive('c', c.path());
    paths::MapDrive('d', d.path());
    fs::create_directories(c / "Exports" / "2026");
    fs::create_directories(c / "archive");
    fs::create_directories(c / ".hidden");
    for (auto name : {"feb.txt", "Jan.TXT", "march.csv", "apr.txt.bak", ".secret.txt", "GLtxt"}) {
      test::WriteBytes(c / "Exports" / name, "x");
    }
  }
  void TearDown() override { paths::UnmapAll(); }

  test::TempDir c, d;
  Lists form;
};

TEST_F(DiskListsTest, FileListShowsMatchingFilesSortedWithoutFoldersOrHiddenFiles) {
  form.fil.SetPattern("*.txt");
  form.fil.SetPath("C:\\EXPORTS");
  EXPECT_EQ(form.fil.Path(), "c:\\Exports");
  EXPECT_EQ(form.fil.Items(), (Names{"feb.txt", "Jan.TXT"}));
  form.fil.SetPattern("*.txt;*.csv");
  EXPECT_EQ(form.fil.Items(), (Names{"feb.txt", "Jan.TXT", "march.csv"}));
  form.fil.SetPattern("*txt");
  EXPECT_EQ(form.fil.Items(), (Names{"feb.txt", "GLtxt", "Jan.TXT"}));
}

TEST_F(DiskListsTest, FileListClicksAndRefreshes) {
  form.fil.SetPattern("*.txt");
  form.fil.SetPath("c:\\Exports");
  int clicks = 0;
  form.fil.onClick = [&] { ++clicks; };
  form.fil.SetListIndex(1);
  EXPECT_EQ(form.fil.FileName(), "Jan.TXT");
  EXPECT_EQ(clicks, 1);
  // Refilling (new path or pattern) drops the selection without a click.
  form.fil.SetPath("c:\\");
  EXPECT_EQ(form.fil.ListIndex(), -1);
  EXPECT_TRUE(form.fil.Items().empty());
  EXPECT_EQ(clicks, 1);
  form.fil.SetPath("c:\\no such folder");
  EXPECT_TRUE(form.fil.Items().empty());
}

TEST_F(DiskListsTest, FolderListOpensAFolderWithItsAncestorsAndSubfolders) {
  int changes = 0;
  form.dir.onChange = [&] { ++changes; };
  form.dir.SetPath("C:/exports");
  EXPECT_EQ(form.dir.Path(), "c:\\Exports");
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(form.dir.Items(), Names{"2026"});
  EXPECT_EQ(form.dir.List(0), "c:\\Exports\\2026");
  EXPECT_EQ(form.dir.List(-1), "c:\\Exports");
  EXPECT_EQ(form.dir.List(-2), "c:\\");
  EXPECT_EQ(form.dir.List(-3), "");
  EXPECT_EQ(form.dir.AncestorCount(), 2);
  EXPECT_EQ(form.dir.ListIndex(), -1);

  form.dir.SetListIndex(-2);  // highlighting moves nothing
  EXPECT_EQ(form.dir.Path(), "c:\\Exports");
  form.dir.SetPath("c:\\Exports\\");
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(form.dir.ListIndex(), -1);

  form.dir.SetPath(form.dir.List(-2));
  EXPECT_EQ(form.dir.Path(), "c:\\");
  EXPECT_EQ(form.dir.Items(), (Names{"archive", "Exports"}));
  EXPECT_EQ(form.dir.List(1), "c:\\Exports");
  EXPECT_EQ(changes, 2);
}

TEST_F(DiskListsTest, FolderListTakesAHostPathInDriveForm) {
  form.dir.SetPath((c / "Exports" / "2026").string());
  EXPECT_EQ(form.dir.Path(), "c:\\Exports\\2026");
}

TEST_F(DiskListsTest, FolderListRefusesMissingFoldersAndUnreadableDrives) {
  form.dir.SetPath("c:\\Exports");
  EXPECT_THROW(form.dir.SetPath("c:\\nowhere"), vb::Error);
  try {
    form.dir.SetPath("q:\\");
    FAIL() << "an unmapped drive was opened";
  } catch (const vb::Error& e) {
    EXPECT_EQ(e.number(), 68);
  }
  // A drive whose folder cannot exist: it lies below a file.
  paths::MapDrive('e', c / "Exports" / "feb.txt" / "drive");
  try {
    form.dir.SetPath("e:");
    FAIL() << "an unreadable drive was opened";
  } catch (const vb::Error& e) {
    EXPECT_EQ(e.number(), 68);
  }
  EXPECT_EQ(form.dir.Path(), "c:\\Exports");
}

TEST_F(DiskListsTest, ABareDriveOpensItsCurrentFolder) {
  const fs::path saved = fs::current_path();
  fs::current_path(c / "Exports");
  form.dir.SetPath("c:");
  const std::string onC = form.dir.Path();
  form.dir.SetPath("d:");
  const std::string onD = form.dir.Path();
  const char current = CurrentDrive();
  fs::current_path(saved);
  EXPECT_EQ(onC, "c:\\Exports");
  EXPECT_EQ(onD, "d:\\");
  EXPECT_EQ(current, 'c');
}

TEST_F(DiskListsTest, DriveListListsTheMappedDrivesAndChangesOncePerDrive) {
  form.drv.Refresh();
  ASSERT_EQ(form.drv.ListCount(), 2);
  EXPECT_EQ(form.drv.List(0), "c: [" + c.path().string() + "]");
  EXPECT_EQ(form.drv.List(1), "d: [" + d.path().string() + "]");
  std::vector<std::string> changes;
  form.drv.onChange = [&] { changes.push_back(form.drv.Drive()); };
  form.drv.SetDrive("D:\\somewhere");
  form.drv.SetDrive(form.drv.List(1));
  form.drv.SetDrive("c");
  EXPECT_EQ(changes, (Names{"d:", "c:"}));
  EXPECT_THROW(form.drv.SetDrive("q:"), vb::Error);
  EXPECT_EQ(form.drv.Drive(), "c:");
  // A drive mapped later is found without an explicit refresh.
  paths::MapDrive('h', d.path());
  form.drv.SetDrive("h:");
  EXPECT_EQ(form.drv.Drive(), "h:");
  EXPECT_EQ(form.drv.ListCount(), 3);
}

}  // namespace
}  // namespace qvl::forms
