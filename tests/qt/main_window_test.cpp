#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <filesystem>

#include "platform/dialogs/dialogs.h"
#include "platform/qt/encoding.h"
#include "platform/qt/form_view.h"
#include "platform/qt/qt_dialogs.h"
#include "qt/qt_window_fixture.h"
#include "window/qvledgerloom.h"

namespace qvl::qt {
namespace {

namespace fs = std::filesystem;

class QtWindowTest : public test::QtWindowFixture {
 protected:
  void SetUp() override {
    QtWindowFixture::SetUp();
    fs::create_directories(c / "GL Exports");
    fs::create_directories(c / "Journal Entries");
    fs::create_directories(c / "temp");
    test::WriteBytes(c / "GL Exports" / "GL0106.txt", "x");
    test::WriteBytes(c / "GL Exports" / "GL1206.txt", "x");
    MakeWindow(boxes);
  }

  QtDialogs boxes;
};

// The text a widget shows as its caption, or "" when it has none.
QString CaptionOf(QWidget* widget) {
  if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
  if (auto* group = qobject_cast<QGroupBox*>(widget)) return group->title();
  return {};
}

TEST_F(QtWindowTest, EveryControlHasAWidgetAtItsPlaceWithItsCaption) {
  EXPECT_EQ(view->Client()->size(), QSize(527, 498));  // 7908 x 7476 twips
  int checked = 0;
  for (forms::Control* control : window->Controls()) {
    if (control->GetKind() == forms::Kind::MenuItem) continue;
    QWidget* widget = view->Widget(control->Name());
    ASSERT_NE(widget, nullptr) << control->Name();
    const forms::Rect& p = control->Place();
    EXPECT_EQ(widget->geometry(),
              QRect(ToPixels(p.left), ToPixels(p.top), ToPixels(p.width), ToPixels(p.height)))
        << control->Name();
    EXPECT_EQ(widget->isVisibleTo(view->Client()), control->Visible()) << control->Name();
    if (!control->Caption().empty()) {
      EXPECT_EQ(CaptionOf(widget), ToQString(control->Caption())) << control->Name();
    }
    ++checked;
  }
  EXPECT_EQ(checked, 52);
  EXPECT_EQ(WidgetOf<QLabel>("labCoNum")->geometry(), QRect(120, 8, 113, 17));
  EXPECT_EQ(view->Widget("rdoClrY")->parentWidget(), view->Widget("Frame1"));
  EXPECT_EQ(WidgetOf<QLineEdit>("QvInputFile")->text(), "Input file (from Quorvanta)");
  EXPECT_EQ(WidgetOf<QLineEdit>("txtFacility")->maxLength(), 4);
  EXPECT_EQ(WidgetOf<QComboBox>("cmboCoNum")->currentText(), "Company Number");
  EXPECT_TRUE(WidgetOf<QLabel>("lblPickFinPac")->font().bold());
  EXPECT_EQ(view->Widget("pdEndDate")->toolTip(), "Enter the Ending Date for the pay period.");
  EXPECT_EQ(view->Action("Exit")->text(), "E&xit");
}

TEST_F(QtWindowTest, ClickingACheckBoxRunsTheModelHandler) {
  window->chkJobCode.SetValue(0);
  auto* jobCode = WidgetOf<QCheckBox>("chkJobCode");
  EXPECT_FALSE(jobCode->isChecked());
  EXPECT_FALSE(view->Widget("txtDelim")->isVisibleTo(view->Client()));
  window->chkJobCode.Show();
  jobCode->click();
  EXPECT_EQ(window->chkJobCode.Value(), 1);
  EXPECT_TRUE(jobCode->isChecked());
  // The handler showed the dependent options, and their widgets followed.
  EXPECT_TRUE(view->Widget("txtDelim")->isVisibleTo(view->Client()));
  EXPECT_TRUE(view->Widget("chkOverhead")->isVisibleTo(view->Client()));
  EXPECT_TRUE(view->Widget("txtOverhead")->isVisibleTo(view->Client()));
}

TEST_F(QtWindowTest, AMessageBoxShowsTheExactTextsAndAnswers) {
  QString title, text;
  int buttons = 0;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    title = box->windowTitle();
    text = box->text();
    buttons = box->buttons().size();
    box->button(QMessageBox::No)->click();
  });
  const int answer = dialogs::MsgBox("We would like to create the directory \r\rc:\\out",
                                     dialogs::Buttons::YesNo, "OK to Proceed?");
  EXPECT_EQ(answer, dialogs::kNo);
  EXPECT_EQ(title, "OK to Proceed?");
  EXPECT_EQ(text, "We would like to create the directory \n\nc:\\out");
  EXPECT_EQ(buttons, 2);
}

}  // namespace
}  // namespace qvl::qt
