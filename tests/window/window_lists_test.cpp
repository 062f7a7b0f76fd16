// The drive, folder and file lists fill the path boxes in drive form.
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

TEST_F(WindowListsTest, FoldersAndFilesFillThePathBoxesAsTheyAreOnDisk) {
  QvLedgerloom& w = *window;
  w.dirInput.SetPath("c:\\gl exports");
  EXPECT_EQ(w.QvInputFile.Text(), "c:\\GL Exports");
  ASSERT_EQ(w.filInput.Items(), (std::vector<std::string>{"feb.txt", "Jan.TXT"}));
  w.filInput.SetListIndex(1);
  EXPECT_EQ(w.QvInputFile.Text(), "c:\\GL Exports\\Jan.TXT");
  w.filInput.SetPattern("*.txt;*.csv");
  w.filInput.SetListIndex(0);
  EXPECT_EQ(w.QvInputFile.Text(), "c:\\GL Exports\\feb.csv");
  // A file in a drive's root gets one backslash.
  w.dirInput.SetPath("c:\\");
  w.filInput.SetListIndex(0);
  EXPECT_EQ(w.QvInputFile.Text(), "c:\\root.txt");

  // A highlighted subfolder is the one the output path names.
  w.dirOutput.SetPath("c:\\");
  w.dirOutput.SetListIndex(w.dirOutput.ListCount() - 1);
  w.dirOutput_Change();
  EXPECT_EQ(w.QvOutputPath.Text(), "c:\\Out");
  EXPECT_EQ(w.QvInputFile.Text(), "c:\\root.txt");  // each side fills its own box
}

TEST_F(WindowListsTest, AnUnavailableDriveSaysSoOnceAndFallsBackToDriveC) {
  QvLedgerloom& w = *window;
  // A drive whose folder cannot exist: it would lie below a file.
  paths::MapDrive('e', c / "root.txt" / "drive");
  w.dirOutput.SetPath("c:\\Out");
  w.dirInput.SetPath("c:\\GL Exports");
  w.drvInput.SetDrive("e:");
  EXPECT_EQ(boxes.Transcript(), "MSGBOX QvLedgerloom | That Drive is not available | OK -> 1\n");
  EXPECT_EQ(w.dirInput.Path(), "c:\\");
  EXPECT_EQ(w.QvInputFile.Text(), "c:\\");
  EXPECT_EQ(w.dirOutput.Path(), "c:\\Out");  // the other side stays
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
  for (const std::string text : {"c:\\Out", "Output path (folder for journal entry)", "/nowhere/mapped.txt"}) {
    w.QvOutputPath.SetText(text);
    w.QvOutputPath.LostFocus();
    EXPECT_EQ(w.QvOutputPath.Text(), text);
  }
}

}  // namespace
}  // namespace qvl::test
