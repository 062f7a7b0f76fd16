// Texts that must read whole or visibly shortened, never cut off inside a
// character: the closed drive boxes and the titles of message and input
// boxes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QInputDialog>
#include <QMessageBox>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QStyleOptionComboBox>
#include <QTimer>
#include <string>

#include "platform/dialogs/dialogs.h"
#include "platform/qt/encoding.h"
#include "platform/qt/qt_dialogs.h"
#include "qt/qt_window_fixture.h"

namespace qvl::qt {
namespace {

// A paint device that keeps the texts drawn on it, so a test sees what a
// widget writes rather than what it holds.
class TextRecorder : public QPaintDevice {
 public:
  explicit TextRecorder(QSize size) : size_(size) {}
  ~TextRecorder() override { if (paintingActive()) engine_.end(); }
  QPaintEngine* paintEngine() const override { return &engine_; }
  const QStringList& Texts() const { return engine_.texts; }

 protected:
  int metric(PaintDeviceMetric metric) const override {
    switch (metric) {
      case PdmWidth: return size_.width();
      case PdmHeight: return size_.height();
      case PdmDpiX:
      case PdmDpiY:
      case PdmPhysicalDpiX:
      case PdmPhysicalDpiY: return 96;
      case PdmDepth: return 32;
      case PdmDevicePixelRatio: return 1;
      case PdmDevicePixelRatioScaled: return static_cast<int>(devicePixelRatioFScale());
      default: return QPaintDevice::metric(metric);
    }
  }

 private:
  struct Engine : QPaintEngine {
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    // Shapes and pictures are left out (the defaults of some call each other).
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawPolygon(const QPoint*, int, PolygonDrawMode) override {}
    void drawPath(const QPainterPath&) override {}
    void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {}
    void drawTextItem(const QPointF&, const QTextItem& item) override { texts << item.text(); }
    Type type() const override { return User; }
    QStringList texts;
  };
  QSize size_;
  mutable Engine engine_;
};

class BoxTextsTest : public test::QtWindowFixture {
 protected:
  void SetUp() override {
    QtWindowFixture::SetUp();
    MakeWindow(boxes);
  }
  QtDialogs boxes;
};

TEST_F(BoxTextsTest, AClosedDriveBoxShowsItsDriveAndAsMuchOfItsFolderAsFits) {
  window->drvInput.SetDrive("c:");
  auto* drive = WidgetOf<QComboBox>("drvInput");
  const QString label = ToQString(window->drvInput.List(window->drvInput.ListIndex()));
  ASSERT_TRUE(label.startsWith("c: [")) << label.toStdString();
  // The folder of drive c: is a temporary one, longer than the box.
  ASSERT_GT(drive->fontMetrics().horizontalAdvance(label), drive->width());

  TextRecorder device(drive->size());
  drive->render(&device);
  ASSERT_EQ(device.Texts().size(), 1);
  const QString shown = device.Texts().front();
  EXPECT_TRUE(shown.startsWith("c: [")) << shown.toStdString();
  EXPECT_TRUE(shown.endsWith(QChar(0x2026))) << shown.toStdString();
  EXPECT_TRUE(label.startsWith(shown.chopped(1))) << shown.toStdString();
  // It fits the box's text field.
  QStyleOptionComboBox option;
  option.initFrom(drive);
  const QRect field =
      drive->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, drive);
  EXPECT_LE(drive->fontMetrics().horizontalAdvance(shown), field.width());
}

// A box's title bar holds the title in a bold font beside the window
// manager's icon and buttons; a box narrower than that shows it cut.
int TitleBarWidth(const QString& title) {
  QFont font = QApplication::font();
  font.setBold(true);
  constexpr int kIconAndThreeButtons = 4 * 24;
  return QFontMetrics(font).horizontalAdvance(title) + kIconAndThreeButtons;
}

TEST_F(BoxTextsTest, MessageAndInputBoxesAreWideEnoughForTheirTitles) {
  const std::string title = "QvLedgerloom - Fiserv IF3";
  int messageWidth = 0, inputWidth = 0;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    messageWidth = box->width();
    box->accept();
  });
  dialogs::MsgBox("Done.", dialogs::Buttons::OK, title);
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    inputWidth = box->width();
    box->accept();
  });
  dialogs::InputBox("Account:", title, "");
  EXPECT_GE(messageWidth, TitleBarWidth(ToQString(title)));
  EXPECT_GE(inputWidth, TitleBarWidth(ToQString(title)));
}

}  // namespace
}  // namespace qvl::qt
