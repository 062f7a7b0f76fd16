// The program's windows on an X desktop with a window manager, driven as an
// operator does: the boxes of a run stand over the main window, Help, About
// brings an about box that lies behind it to the front, and the README's
// picture of the window is taken here.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QImage>
#include <QInputDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/qt/desktop.h"
#include "platform/qt/encoding.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/vb/clock.h"
#include "qt/qt_window_fixture.h"
#include "window/app_info.h"
#include "window/company_settings.h"
#include "window/main_window_wiring.h"

namespace qvl::qt {
namespace {

namespace fs = std::filesystem;

// One box as it stood on the screen.
struct Box {
  QString title;
  QPoint offMain;  // its middle, from the main window's
};

class DesktopTest : public test::QtWindowFixture {
 protected:
  // Company 123 with an out-of-balance export in c:\gl; the window is wired
  // and shown as the program starts it, away from the screen's centre.
  void SetUp() override {
    QtWindowFixture::SetUp();
    fs::create_directories(c / "gl");
    fs::create_directories(c / "temp");
    test::WriteBytes(c / "gl" / "gl.txt",
                     "123 2026113001    02    03    5000                     1.00        360.00"
                     "           .00\r\n"
                     "123 2026113001    02    03    2103                     1.00           .00"
                     "         99.62\r\n");
    CompanySettings record;
    record.CoNum = "123";
    record.FinPacIndex = 19;  // "CMS"
    record.InputFile = "c:\\gl\\gl.txt";
    record.OutputPath = "c:\\gl";
    record.PeriodEnd = "11/30/2026";
    test::WriteBytes(c / "temp" / "QvJE_Control.csv", SettingsLine(record) + "\r\n");

    dialogs::SetCurrent(&boxes);
    window = std::make_unique<QvLedgerloom>();
    WirePackageListAndSettings(*window);
    desktop = std::make_unique<Desktop>(*window);
    desktop->Add(window->aboutBox);
    main = &desktop->MainView();
    boxes.SetOwner(main);
    main->move(40, 40);
    window->Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    ASSERT_EQ(window->PickFinPac.Text(), "CMS");
  }
  void TearDown() override {
    desktop.reset();
    QtWindowFixture::TearDown();
  }

  // Answers each box that comes up with the next of `answers`, noting where
  // it stood once it was on the screen over the main window, or where it
  // still stood when the wait for that ran out.
  void AnswerBoxes(std::vector<std::function<void(QDialog&)>> answers) {
    pending_ = std::move(answers);
    auto* timer = new QTimer(main);
    QObject::connect(timer, &QTimer::timeout, [this, timer] {
      auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (box == nullptr || box->property("answered").toBool()) return;
      box->setProperty("answered", true);
      EXPECT_TRUE(QTest::qWaitForWindowExposed(box));
      (void)QTest::qWaitFor([&] { return OffMain(*box).manhattanLength() <= kOverMain; });
      shown.push_back({box->windowTitle(), OffMain(*box)});
      if (pending_.empty()) {
        ADD_FAILURE() << "unexpected box " << box->windowTitle().toStdString();
        box->reject();
        return;
      }
      auto answer = pending_.front();
      pending_.erase(pending_.begin());
      answer(*box);
      if (pending_.empty()) timer->stop();
    });
    timer->start(20);
  }
  // How far a window's middle is from the main window's. Measured on the
  // windows' own areas: the frame the toolkit reports for a box the manager
  // has only just framed can be one it read before the frame was there.
  QPoint OffMain(const QWidget& window) const {
    return window.geometry().center() - main->geometry().center();
  }
  // Centred, give or take the rounding of half a size.
  static constexpr int kOverMain = 2;
  static std::function<void(QDialog&)> Press(QMessageBox::StandardButton button) {
    return [button](QDialog& box) { static_cast<QMessageBox&>(box).button(button)->click(); };
  }
  static std::function<void(QDialog&)> Reply(QString text) {
    return [text](QDialog& box) {
      auto& input = static_cast<QInputDialog&>(box);
      input.setTextValue(text);
      input.accept();
    };
  }

  vb::ScopedFixedClock clock{*vb::Date::Make(2026, 12, 6, 9, 0, 0)};
  QtDialogs boxes;
  std::unique_ptr<Desktop> desktop;
  FormView* main = nullptr;
  std::vector<Box> shown;

 private:
  std::vector<std::function<void(QDialog&)>> pending_;
};

TEST_F(DesktopTest, EveryBoxOfARunStandsOverTheMainWindow) {
  const QPoint screenCentre = main->screen()->geometry().center();
  const QPoint mainCentre = main->geometry().center();
  ASSERT_GT((screenCentre - mainCentre).manhattanLength(), 200);

  AnswerBoxes({Press(QMessageBox::Yes), Reply("2150"), Reply("-260.38"),
               Press(QMessageBox::Yes), Press(QMessageBox::Ok)});
  QTest::mouseClick(main->Widget("cmdInterface"), Qt::LeftButton);

  const QStringList titles = {"Journal Entry is OUT OF Balance!", "Offset Account Number",
                              "Offset Amount", "OK to Proceed?", "Journal Entry is in Balance!"};
  ASSERT_EQ(shown.size(), 5u);
  for (std::size_t i = 0; i < shown.size(); ++i) {
    SCOPED_TRACE(shown[i].title.toStdString());
    EXPECT_EQ(shown[i].title, titles[static_cast<int>(i)]);
    EXPECT_LE(shown[i].offMain.manhattanLength(), kOverMain)
        << "box " << shown[i].offMain.x() << "," << shown[i].offMain.y()
        << " px from the main window's middle";
  }
}

TEST_F(DesktopTest, HelpAboutBringsTheAboutBoxToTheFront) {
  QAction* about = main->Action("About");
  ASSERT_NE(about, nullptr);
  about->trigger();
  FormView& box = desktop->View(window->aboutBox);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
  // Over the main window's middle, then put behind it as a click on the main
  // window does.
  const QPoint overlap = main->geometry().center();
  QRect over(QPoint(), box.size());
  over.moveCenter(overlap);
  box.setGeometry(over);
  main->raise();
  main->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(main));
  ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::topLevelAt(overlap) == main; }));

  about->trigger();
  EXPECT_TRUE(QTest::qWaitForWindowActive(&box));
  EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::topLevelAt(overlap) == &box; }));
  EXPECT_TRUE(window->aboutBox.Visible());
}

// The README's picture: the window as an operator sees it, with a company,
// its period, the chosen package and its sample lines open, one line
// clicked. Set QVL_SCREENSHOT to keep it (docs/main-window.png).
TEST_F(DesktopTest, ScreenshotOfTheMainWindow) {
  window->dirOutput.SetPath("c:\\gl");
  window->PickFinPac.SetListIndex(1);  // "AccPac (new)"
  QTest::mouseClick(main->Widget("cmdShowSample"), Qt::LeftButton);
  auto* sample = qobject_cast<QListWidget*>(main->Widget("ShowSample"));
  ASSERT_NE(sample, nullptr);
  QTest::mouseClick(sample->viewport(), Qt::LeftButton, {},
                    sample->visualItemRect(sample->item(2)).center());
  ASSERT_EQ(window->txtSample.Text(), window->ShowSample.List(2));
  ASSERT_TRUE(QTest::qWaitForWindowActive(main));

  // Taken once the manager has framed the window and the screen shows the
  // window as it now draws itself, the clicked line included.
  QImage shot;
  const auto upToDate = [&] {
    const QMargins margins = main->windowHandle()->frameMargins();
    if (margins.top() <= 0) return false;
    const QRect frame = main->geometry().marginsAdded(margins);
    shot = main->screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height())
               .toImage().convertToFormat(QImage::Format_RGB32);
    const QImage drawn = main->grab().toImage().convertToFormat(QImage::Format_RGB32);
    return shot.copy(QRect(QPoint(margins.left(), margins.top()), drawn.size())) == drawn;
  };
  ASSERT_TRUE(QTest::qWaitFor(upToDate));
  EXPECT_EQ(main->windowTitle(), ToQString(CaptionWithVersion("Quorvanta Ledgerloom")));
  // The whole window, with the window manager's frame and title bar.
  EXPECT_GE(shot.width(), 527);
  EXPECT_GT(shot.height(), main->height());
  test::TempDir out;
  const char* keep = std::getenv("QVL_SCREENSHOT");
  const QString file = keep ? QString::fromLocal8Bit(keep)
                            : QString::fromStdString((out / "main-window.png").string());
  ASSERT_TRUE(shot.save(file, "PNG"));
  EXPECT_GT(fs::file_size(file.toStdString()), 1000u);
}

}  // namespace
}  // namespace qvl::qt
