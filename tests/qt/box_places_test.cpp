// Where the program puts a message or input box before it is shown: over
// the middle of the window it belongs to, and whole on the screen when that
// window stands at or past the screen's edge.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>

#include "platform/dialogs/dialogs.h"
#include "platform/qt/qt_dialogs.h"

namespace qvl::qt {
namespace {

class BoxPlacesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    owner.resize(400, 300);
    boxes.SetOwner(&owner);
    dialogs::SetCurrent(&boxes);
  }
  void TearDown() override { dialogs::SetCurrent(nullptr); }

  // Where the box `show` brings up stands once shown: its own area, and
  // that with its frame.
  struct Placed {
    QRect area, frame;
  };
  static Placed PlaceOf(const std::function<void()>& show) {
    Placed place;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      place = {box->geometry(), box->frameGeometry()};
      box->accept();
    });
    show();
    return place;
  }

  QWidget owner;
  QtDialogs boxes;
};

TEST_F(BoxPlacesTest, ABoxStandsOverItsWindowAndWholeOnTheScreen) {
  const QRect screen = owner.screen()->availableGeometry();
  enum Stands { kCentred, kInTheTopLeftCorner, kInTheBottomRightCorner };
  struct Case {
    const char* where;
    QPoint ownerAt;
    Stands stands;
  };
  const Case cases[] = {
      {"away from the edges", {100, 120}, kCentred},
      {"past the left and top edges", {screen.left() - 350, screen.top() - 250},
       kInTheTopLeftCorner},
      {"past the right and bottom edges", {screen.right() - 50, screen.bottom() - 50},
       kInTheBottomRightCorner},
  };
  const std::function<void()> shows[] = {
      [] { dialogs::MsgBox("Journal Entry is in Balance!", dialogs::Buttons::OK, "Done"); },
      [] { dialogs::InputBox("Offset Account Number", "Offset", ""); },
  };
  for (const Case& c : cases) {
    owner.move(c.ownerAt);
    owner.show();
    for (std::size_t i = 0; i < std::size(shows); ++i) {
      SCOPED_TRACE(std::string(c.where) + (i == 0 ? ", message box" : ", input box"));
      const Placed box = PlaceOf(shows[i]);
      ASSERT_FALSE(box.area.isEmpty());
      EXPECT_TRUE(screen.contains(box.frame)) << box.frame.x() << "," << box.frame.y();
      switch (c.stands) {
        case kCentred: EXPECT_EQ(box.area.center(), owner.geometry().center()); break;
        case kInTheTopLeftCorner: EXPECT_EQ(box.frame.topLeft(), screen.topLeft()); break;
        case kInTheBottomRightCorner:
          EXPECT_EQ(box.frame.bottomRight(), screen.bottomRight());
          break;
      }
    }
    owner.hide();
  }
}

}  // namespace
}  // namespace qvl::qt
