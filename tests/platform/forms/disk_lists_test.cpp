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
    FolderList dir{*this, "dir"};
  };

  void SetUp() override {
    paths::UnmapAll();
    paths::MapDrive('c', c.path());
    fs::create_directories(c / "Exports" / "2026");
    fs::create_directories(c / "archive");
    test::WriteBytes(c / "Exports" / "feb.txt", "x");
  }
  void TearDown() override { paths::UnmapAll(); }

  test::TempDir c;
  Lists form;
};

TEST_F(DiskListsTest, FolderListOpensAFolderWithItsAncestorsAndSubfolders) {
  int changes = 0;
  form.dir.onChange = [&] { ++changes; };
  form.dir.SetPath((c / "exports").string());  // a host path takes its drive form
  EXPECT_EQ(form.dir.Path(), "c:\\Exports");
  EXPECT_EQ(form.dir.Items(), Names{"2026"});
  EXPECT_EQ(form.dir.List(0), "c:\\Exports\\2026");
  EXPECT_EQ(form.dir.List(-1), "c:\\Exports");
  EXPECT_EQ(form.dir.List(-2), "c:\\");
  EXPECT_EQ(form.dir.List(-3), "");
  form.dir.SetListIndex(-2);  // highlighting moves nothing
  form.dir.SetPath("c:\\Exports\\");
  EXPECT_EQ(changes, 1);
  form.dir.SetPath(form.dir.List(-2));
  EXPECT_EQ(form.dir.Items(), (Names{"archive", "Exports"}));
  EXPECT_EQ(changes, 2);
}

TEST_F(DiskListsTest, FolderListRefusesMissingFoldersAndUnreadableDrives) {
  form.dir.SetPath("c:\\Exports");
  EXPECT_THROW(form.dir.SetPath("c:\\nowhere"), vb::Error);
  // A drive whose folder cannot exist: it lies below a file.
  paths::MapDrive('e', c / "Exports" / "feb.txt" / "drive");
  for (const char* drive : {"q:\\", "e:"}) {
    try {
      form.dir.SetPath(drive);
      ADD_FAILURE() << drive << " was opened";
    } catch (const vb::Error& e) {
      EXPECT_EQ(e.number(), 68);
    }
  }
  EXPECT_EQ(form.dir.Path(), "c:\\Exports");
}

}  // namespace
}  // namespace qvl::forms
