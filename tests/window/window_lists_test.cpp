#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "window/window_fixture.h"

namespace qvl::test {
namespace {

namespace fs = std::filesystem;

class WindowListsTest : public WindowTest {
 protected:
  void SetUp() override {
    fs::create_directories(c / "GL Exports" / "2026");
    fs::create_directories(c / "Out");
    WriteBytes(c / "GL Exports" / "Jan.TXT", "x");
    WriteBytes(c / "GL Exports" / "feb.txt", "x");
    WriteBytes(c / "GL Exports" / "feb.csv", "x");
    WriteBytes(c / "root.txt", "x");
    WindowTest::SetUp();
  }
};

TEST_F(WindowListsTest, CreatingTheWindowOpensTheListsWithoutFillingThePathBoxes) {
  EXPECT_EQ(window->drvInput.Drive(), "c:");
  EXPECT_EQ(window->dirInput.Path(), "c:\\");
  EXPECT_EQ(window->dirOutput.Path(), "c:\\");
  EXPECT_EQ(window->filInput.Items(), std::vector<std::string>{"root.txt"});
  EXPECT_EQ(window->QvInputFile.Text(), "Input file (from Quorvanta)");
  EXPECT_EQ(window->QvOutputPath.Text(), "Output path (folder for journal entry)");
}

TEST_F(WindowListsTest, FolderAndFileFillTheInputFileInDriveForm) {
  QvLedgerloom& w = *window;
  w.dirInput.SetPath("c:\\gl exports");
  EXPECT_EQ(w.QvInputFile.Text(), "c:\\GL Exports");
  EXPECT_EQ(w.filInput.Path(), "c:\\GL Exports");
  ASSERT_EQ(w.filInput.Items(), (std::vector<std::string>{"feb.txt", "Jan.TXT"}));
  w.filInput.SetListIndex(1);
  EXPECT_EQ(w.QvInputFile.Text(), "c:\\GL Exports\\Jan.TXT");

  // The package list widens the pattern; the folder's csv file shows.
  w.filInput.SetPattern("*.txt;*.csv");
  w.filInput.SetListIndex(0);
  EXPECT_EQ(w.QvInputFile.Text(), "c:\\GL Exports\\feb.csv");
}

TEST_F(WindowListsTest, AFileInADrivesRootGetsOneBackslash) {
  QvLedgerloom& w = *window;
  w.dirInput.SetPath("c:\\GL Exports");
  w.dirInput.SetPath("c:\\");
  EXPECT_EQ(w.QvInputFile.Text(), "c:\\");
  w.filInput.SetListIndex(0);
  EXPECT_EQ(w.QvInputFile.Text(), "c:\\root.txt");
}

TEST_F(WindowListsTest, OutputFolderFillsTheOutputPath) {
  QvLedgerloom& w = *window;
  w.dirOutput.SetPath("c:\\out");
  EXPECT_EQ(w.QvOutputPath.Text(), "c:\\Out");
  // A highlighted subfolder is the one the path box names.
  w.dirOutput.SetPath("c:\\");
  w.dirOutput.SetListIndex(w.dirOutput.ListCount() - 1);
  w.dirOutput_Change();
  EXPECT_EQ(w.QvOutputPath.Text(), "c:\\Out");
  w.dirInput.SetListIndex(0);
  w.dirInput_Change();
  EXPECT_EQ(w.QvInputFile.Text(), "c:\\GL Exports");
}

TEST_F(WindowListsTest, ChoosingADriveMovesItsSideOnly) {
  TempDir d;
  fs::create_directories(d / "Reports");
  paths::MapDrive('d', d.path());
  QvLedgerloom& w = *window;
  w.dirOutput.SetPath("c:\\Out");
  w.drvInput.SetDrive("d:");
  EXPECT_EQ(w.dirInput.Path(), "d:\\");
  EXPECT_EQ(w.QvInputFile.Text(), "d:\\");
  EXPECT_EQ(w.dirOutput.Path(), "c:\\Out");
  w.drvOutput.SetDrive("d:");
  EXPECT_EQ(w.QvOutputPath.Text(), "d:\\");
  EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(WindowListsTest, AnUnavailableDriveSaysSoOnceAndFallsBackToDriveC) {
  QvLedgerloom& w = *window;
  // A drive whose folder cannot exist: it would lie below a file.
  paths::MapDrive('e', c / "root.txt" / "drive");
  w.dirInput.SetPath("c:\\GL Exports");
  w.drvInput.SetDrive("e:");
  EXPECT_EQ(boxes.Transcript(), "MSGBOX QvLedgerloom | That Drive is not available | OK -> 1\n");
  EXPECT_EQ(w.drvInput.Drive(), "e:");  // keeps showing the chosen drive
  EXPECT_EQ(w.dirInput.Path(), "c:\\");
  EXPECT_EQ(w.QvInputFile.Text(), "c:\\");

  w.drvOutput.SetDrive("e:");
  EXPECT_EQ(boxes.Shown().size(), 2u);
  EXPECT_EQ(w.dirOutput.Path(), "c:\\");
}

TEST_F(WindowListsTest, APastedHostPathTakesItsDriveFormWhenTheBoxIsLeft) {
  QvLedgerloom& w = *window;
  const std::string host = (c / "GL Exports" / "feb.txt").string();
  w.QvInputFile.SetText(host);
  EXPECT_EQ(w.QvInputFile.Text(), host);  // typing alone changes nothing
  w.QvInputFile.LostFocus();
  EXPECT_EQ(w.QvInputFile.Text(), "c:\\GL Exports\\feb.txt");

  w.QvOutputPath.SetText((c / "Out").string() + "/");
  w.QvOutputPath.LostFocus();
  EXPECT_EQ(w.QvOutputPath.Text(), "c:\\Out");

  // Drive forms, design texts and paths outside every drive stay as typed.
  for (const std::string text : {"c:\\Out", "Output path (folder for journal entry)",
                                 "/nowhere/mapped.txt"}) {
    w.QvOutputPath.SetText(text);
    w.QvOutputPath.LostFocus();
    EXPECT_EQ(w.QvOutputPath.Text(), text);
  }
}

}  // namespace
}  // namespace qvl::test
