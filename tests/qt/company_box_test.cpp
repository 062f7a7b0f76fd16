// The company box driven with the keyboard and the mouse: what it shows and
// what the window holds stay the same, and only leaving the box for another
// control adds a typed company.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionComboBox>
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

class CompanyBoxTest : public test::QtWindowFixture {
 protected:
  // Companies 123, A12 and 012, each with a period end of its own; the
  // window opens on 123.
  void SetUp() override {
    QtWindowFixture::SetUp();
    std::string file;
    for (const auto& [number, periodEnd] : {std::pair{"123", "01/31/2026"},
                                            std::pair{"A12", "02/28/2026"},
                                            std::pair{"012", "03/31/2026"}}) {
      CompanySettings record;
      record.CoNum = number;
      record.PeriodEnd = periodEnd;
      file += SettingsLine(record) + "\r\n";
    }
    fs::create_directories(c / "temp");
    test::WriteBytes(c / "temp" / "QvJE_Control.csv", file);
    MakeWindow(boxes);
    WirePackageListAndSettings(*window);
    window->Show();
    view->activateWindow();
    QApplication::setActiveWindow(view.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
    combo = WidgetOf<QComboBox>("cmboCoNum");
    edit = combo->lineEdit();
    ASSERT_EQ(window->cmboCoNum.Text(), "123");
    ASSERT_EQ(window->pdEndDate.Text(), "01/31/2026");
  }

  // Clicks into the box and replaces its text by typing.
  void Type(const QString& text) {
    QTest::mouseClick(edit, Qt::LeftButton);
    ASSERT_TRUE(edit->hasFocus());
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, text);
  }
  void OpenList() {
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = true;
    const QRect arrow =
        combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, combo);
    QTest::mouseClick(combo, Qt::LeftButton, {}, arrow.center());
    ASSERT_TRUE(combo->view()->isVisible());
  }
  void ClickListEntry(int row) {
    QAbstractItemView* list = combo->view();
    const QPoint item = list->visualRect(list->model()->index(row, 0)).center();
    // The list takes no click straight after it opened, and highlights the
    // entry the mouse moves onto.
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    QTest::mouseMove(list->viewport(), item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item);
    ASSERT_FALSE(list->isVisible());
  }
  // Leaves the box for the period end date, as the operator's click does.
  void ClickPeriodEnd() {
    QTest::mouseClick(view->Widget("pdEndDate"), Qt::LeftButton);
    ASSERT_TRUE(view->Widget("pdEndDate")->hasFocus());
  }
  std::string Shown() const { return FromQString(edit->text()); }
  std::vector<std::string> Listed() const { return window->cmboCoNum.Items(); }

  vb::ScopedFixedClock clock{*vb::Date::Make(2026, 12, 6, 9, 0, 0)};
  dialogs::ScriptedDialogs boxes;
  QComboBox* combo = nullptr;
  QLineEdit* edit = nullptr;
};

using Companies = std::vector<std::string>;

TEST_F(CompanyBoxTest, OpeningTheListIsNotLeavingTheBox) {
  Type("9");
  OpenList();
  QApplication::processEvents();
  EXPECT_EQ(Listed(), (Companies{"123", "A12", "012"}));
  EXPECT_EQ(window->pdEndDate.Text(), "01/31/2026");

  QTest::keyClick(combo->view(), Qt::Key_Escape);
  EXPECT_FALSE(combo->view()->isVisible());
  EXPECT_EQ(Listed(), (Companies{"123", "A12", "012"}));
  EXPECT_EQ(window->cmboCoNum.Text(), "9");
  EXPECT_EQ(window->pdEndDate.Text(), "01/31/2026");

  // Going on to the next step is leaving it: 9 becomes a new company.
  ClickPeriodEnd();
  EXPECT_EQ(Listed(), (Companies{"123", "A12", "012", "9"}));
  EXPECT_EQ(window->cmboCoNum.ListIndex(), 3);
  EXPECT_EQ(window->pdEndDate.Text(), "");
}

TEST_F(CompanyBoxTest, ChoosingFromTheOpenListChoosesThatCompany) {
  Type("9");
  OpenList();
  ClickListEntry(2);
  EXPECT_EQ(window->cmboCoNum.ListIndex(), 2);
  EXPECT_EQ(Shown(), "012");
  EXPECT_EQ(window->pdEndDate.Text(), "03/31/2026");
  ClickPeriodEnd();
  EXPECT_EQ(Listed(), (Companies{"123", "A12", "012"}));
}

TEST_F(CompanyBoxTest, TypedTextIsTakenExactlyAndEnterChoosesNothing) {
  struct Case {
    const char* typed;
    Companies afterLeaving;
  };
  const Case cases[] = {
      {"12", {"123", "A12", "012", "12"}},   // a listed company begins with it
      {"a12", {"123", "A12", "012", "a12"}}, // one differs only in case
      {"01", {"123", "A12", "012", "01"}},
      {"A12", {"123", "A12", "012"}},        // listed: nothing happens
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    TearDown();  // a fresh window for each case
    SetUp();
    Type(c.typed);
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Enter);
    EXPECT_EQ(Shown(), c.typed);
    EXPECT_EQ(window->cmboCoNum.Text(), c.typed);
    EXPECT_EQ(window->cmboCoNum.ListIndex(), -1);
    EXPECT_EQ(window->pdEndDate.Text(), "01/31/2026");

    QTest::keyClick(edit, Qt::Key_Tab);
    EXPECT_FALSE(edit->hasFocus());
    EXPECT_EQ(Listed(), c.afterLeaving);
    EXPECT_EQ(Shown(), c.typed);
    EXPECT_EQ(window->cmboCoNum.Text(), c.typed);
    const bool added = c.afterLeaving.size() == 4;
    EXPECT_EQ(window->cmboCoNum.ListIndex(), added ? 3 : -1);
    EXPECT_EQ(window->pdEndDate.Text(), added ? "" : "01/31/2026");
  }
}

TEST_F(CompanyBoxTest, TheBoxShowsWhatTheWindowHolds) {
  // Keys that would take a completion offered for "12" (123 is listed).
  Type("12");
  for (const Qt::Key key : {Qt::Key_End, Qt::Key_Right}) {
    QTest::keyClick(edit, key);
    EXPECT_EQ(Shown(), "12");
    EXPECT_EQ(window->cmboCoNum.Text(), "12");
  }
  ClickPeriodEnd();
  EXPECT_EQ(Listed(), (Companies{"123", "A12", "012", "12"}));
  EXPECT_EQ(Shown(), "12");
  EXPECT_EQ(window->cmboCoNum.Text(), "12");
}

TEST_F(CompanyBoxTest, TypingInsideAChosenCompanyKeepsTheCaret) {
  OpenList();
  ClickListEntry(1);
  ASSERT_EQ(window->pdEndDate.Text(), "02/28/2026");
  QTest::mouseClick(edit, Qt::LeftButton);
  QTest::keyClick(edit, Qt::Key_Home);
  QTest::keyClick(edit, Qt::Key_Right);
  QTest::keyClicks(edit, "XY");
  EXPECT_EQ(Shown(), "AXY12");
  EXPECT_EQ(window->cmboCoNum.Text(), "AXY12");
  EXPECT_EQ(window->cmboCoNum.ListIndex(), -1);
  EXPECT_EQ(edit->cursorPosition(), 3);
  // Enter neither chooses A12 again nor brings its text back.
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_EQ(Shown(), "AXY12");
  EXPECT_EQ(window->cmboCoNum.Text(), "AXY12");
  EXPECT_EQ(window->cmboCoNum.ListIndex(), -1);
}

}  // namespace
}  // namespace qvl::qt
