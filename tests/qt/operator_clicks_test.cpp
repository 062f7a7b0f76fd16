// The lists driven with the mouse as an operator does: every click on an
// entry counts, the highlight shown is the one the window holds, and opening
// a folder again reads the disk again.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/dialogs/scripted_dialogs.h"
#include "platform/qt/encoding.h"
#include "platform/vb/clock.h"
#include "qt/qt_window_fixture.h"
#include "window/company_settings.h"
#include "window/main_window_wiring.h"

namespace qvl::qt {
namespace {

namespace fs = std::filesystem;

class OperatorClicksTest : public test::QtWindowFixture {
 protected:
  // Two exports in c:\gl; company 123 last ran gl.txt, company 456 the
  // out-of-balance gl-oob.txt. The window opens on 123 with "AccPac (new)"
  // chosen and the input lists on c:\gl.
  void SetUp() override {
    QtWindowFixture::SetUp();
    fs::create_directories(c / "gl");
    fs::create_directories(c / "temp");
    test::WriteBytes(c / "gl" / "gl.txt", "x");
    test::WriteBytes(c / "gl" / "gl-oob.txt", "x");
    std::string file;
    for (const auto& [number, input] : {std::pair{"123", "c:\\gl\\gl.txt"},
                                        std::pair{"456", "c:\\gl\\gl-oob.txt"}}) {
      CompanySettings record;
      record.CoNum = number;
      record.FinPacIndex = 1;
      record.InputFile = input;
      record.PeriodEnd = "11/30/2026";
      file += SettingsLine(record) + "\r\n";
    }
    test::WriteBytes(c / "temp" / "QvJE_Control.csv", file);
    MakeWindow(boxes);
    WirePackageListAndSettings(*window);
    window->Show();
    window->dirInput.SetPath("c:\\gl");
    ASSERT_EQ(window->filInput.Items(), (std::vector<std::string>{"gl-oob.txt", "gl.txt"}));
    ASSERT_EQ(window->PickFinPac.Text(), "AccPac (new)");
  }

  static QPoint RowCentre(QListWidget* list, int row) {
    return list->visualItemRect(list->item(row)).center();
  }
  static void ClickRow(QListWidget* list, int row, Qt::KeyboardModifiers keys = {}) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, keys, RowCentre(list, row));
  }
  static void TypeInto(QLineEdit* edit, const QString& text) {
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, text);
  }
  // The entries the list widget shows selected.
  static std::vector<std::string> SelectedIn(QListWidget* list) {
    std::vector<std::string> texts;
    for (const QListWidgetItem* item : list->selectedItems()) texts.push_back(FromQString(item->text()));
    return texts;
  }

  vb::ScopedFixedClock clock{*vb::Date::Make(2026, 12, 6, 9, 0, 0)};
  dialogs::ScriptedDialogs boxes;
};

TEST_F(OperatorClicksTest, ClickingTheHighlightedFilePutsItsPathBack) {
  auto* files = WidgetOf<QListWidget>("filInput");
  auto* input = WidgetOf<QLineEdit>("QvInputFile");
  ClickRow(files, 1);
  EXPECT_EQ(window->QvInputFile.Text(), "c:\\gl\\gl.txt");

  // The operator edited the box: the same file, clicked again, replaces it.
  TypeInto(input, "c:\\gl\\other.txt");
  ASSERT_EQ(window->QvInputFile.Text(), "c:\\gl\\other.txt");
  ClickRow(files, 1);
  EXPECT_EQ(window->QvInputFile.Text(), "c:\\gl\\gl.txt");
  EXPECT_EQ(FromQString(input->text()), "c:\\gl\\gl.txt");

  // Choosing company 456 brings its stored export while gl.txt stays
  // highlighted; clicking gl.txt takes that file again.
  window->cmboCoNum.SetListIndex(1);
  ASSERT_EQ(window->QvInputFile.Text(), "c:\\gl\\gl-oob.txt");
  ASSERT_EQ(SelectedIn(files), std::vector<std::string>{"gl.txt"});
  ClickRow(files, 1);
  EXPECT_EQ(window->QvInputFile.Text(), "c:\\gl\\gl.txt");
}

TEST_F(OperatorClicksTest, ClickingTheHighlightedSampleLineCopiesItAgainFromItsStart) {
  QTest::mouseClick(WidgetOf<QPushButton>("cmdShowSample"), Qt::LeftButton);
  auto* sample = WidgetOf<QListWidget>("ShowSample");
  auto* text = WidgetOf<QLineEdit>("txtSample");
  ASSERT_TRUE(sample->isVisible());
  const std::string line = window->ShowSample.List(2);
  // Wider than the box: only part of it shows at a time.
  ASSERT_GT(text->fontMetrics().horizontalAdvance(ToQString(line)), text->width());

  ClickRow(sample, 2);
  EXPECT_EQ(window->txtSample.Text(), line);
  // The caret, which the box keeps in view, stands before the first
  // character: the line reads from its start.
  EXPECT_EQ(text->cursorPosition(), 0);

  TypeInto(text, "edited");
  ClickRow(sample, 2);
  EXPECT_EQ(window->txtSample.Text(), line);
  EXPECT_EQ(text->cursorPosition(), 0);
}

TEST_F(OperatorClicksTest, CtrlClickOnTheHighlightedEntryLeavesItChosen) {
  QTest::mouseClick(WidgetOf<QPushButton>("cmdShowSample"), Qt::LeftButton);
  for (const char* name : {"filInput", "ShowSample", "PickFinPac"}) {
    SCOPED_TRACE(name);
    auto* list = WidgetOf<QListWidget>(name);
    auto* model = window->Find<forms::ListControl>(name);
    ClickRow(list, 1);
    ASSERT_EQ(model->ListIndex(), 1);
    ClickRow(list, 1, Qt::ControlModifier);
    EXPECT_EQ(model->ListIndex(), 1);
    EXPECT_EQ(SelectedIn(list), std::vector<std::string>{model->List(1)});
  }
  // The window stays laid out for the package a run would use, and the
  // same package clicked again is no new choice: the window is not laid
  // out anew, so the sample line taken stays.
  EXPECT_EQ(window->PickFinPac.Text(), "AccPac (new)");
  EXPECT_EQ(window->ShowSample.ListCount(), 6);
  EXPECT_EQ(window->txtSample.Text(), window->ShowSample.List(1));
  ClickRow(WidgetOf<QListWidget>("PickFinPac"), 1);
  EXPECT_EQ(window->txtSample.Text(), window->ShowSample.List(1));
}

TEST_F(OperatorClicksTest, OpeningTheOpenFolderAgainReadsItsFilesAgain) {
  auto* folders = WidgetOf<QListWidget>("dirInput");
  auto* files = WidgetOf<QListWidget>("filInput");
  test::WriteBytes(c / "gl" / "gl-new.txt", "x");
  fs::create_directories(c / "gl" / "archive");
  const int openFolderRow = window->dirInput.AncestorCount() - 1;
  // A double click reaches the list as a click and then the second press.
  QTest::mouseClick(folders->viewport(), Qt::LeftButton, {}, RowCentre(folders, openFolderRow));
  QTest::mouseDClick(folders->viewport(), Qt::LeftButton, {}, RowCentre(folders, openFolderRow));
  EXPECT_EQ(window->dirInput.Path(), "c:\\gl");
  EXPECT_EQ(window->dirInput.Items(), std::vector<std::string>{"archive"});
  EXPECT_EQ(window->filInput.Items(),
            (std::vector<std::string>{"gl-new.txt", "gl-oob.txt", "gl.txt"}));
  EXPECT_EQ(files->count(), 3);
}

}  // namespace
}  // namespace qvl::qt
