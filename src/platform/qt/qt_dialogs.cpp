#include "platform/qt/qt_dialogs.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QWindow>
#include <algorithm>

#include "platform/qt/encoding.h"

namespace qvl::qt {

namespace {

// While a run holds the hourglass, a box it shows still waits for the
// operator: the box gets the ordinary pointer, and the hourglass comes back
// when it closes.
class ArrowWhileAsking {
 public:
  ArrowWhileAsking() : waiting_(QApplication::overrideCursor() != nullptr) {
    if (waiting_) QApplication::setOverrideCursor(Qt::ArrowCursor);
  }
  ~ArrowWhileAsking() {
    if (waiting_) QApplication::restoreOverrideCursor();
  }
  ArrowWhileAsking(const ArrowWhileAsking&) = delete;
  ArrowWhileAsking& operator=(const ArrowWhileAsking&) = delete;

 private:
  bool waiting_;
};

// The width a box needs for the window manager to show its whole title: the
// title in a bold title-bar font, beside the bar's icon and buttons.
int TitleWidth(const QString& title) {
  QFont font = QApplication::font("QMdiSubWindowTitleBar");
  font.setBold(true);
  constexpr int kIconAndButtons = 120;
  return QFontMetrics(font).horizontalAdvance(title) + kIconAndButtons;
}

// The boxes size themselves from their layouts, not from a minimum width: an
// empty row of the title's width holds a message box open, and an input
// box's entry field is made that wide.
void FitTitle(QMessageBox& box) {
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  if (grid == nullptr) return;
  grid->addItem(new QSpacerItem(TitleWidth(box.windowTitle()), 0, QSizePolicy::Minimum,
                                QSizePolicy::Fixed),
                grid->rowCount(), 0, 1, grid->columnCount());
}

void FitTitle(QInputDialog& box) {
  box.setTextEchoMode(QLineEdit::Normal);  // makes the entry field
  if (auto* field = box.findChild<QLineEdit*>()) {
    field->setMinimumWidth(TitleWidth(box.windowTitle()));
  }
}

// A box stands over the middle of the window it belongs to. The program
// puts it there itself, sized and placed before it is mapped: left to the
// window manager, a box lands where the manager's own rule puts it, and only
// once the manager has got round to it.
void StandOverOwner(QWidget& box) {
  const QWidget* parent = box.parentWidget();
  if (parent == nullptr) return;
  const QWidget* owner = parent->window();
  QRect place(QPoint(), box.size());
  place.moveCenter(owner->geometry().center());
  // A window near the edge of the screen keeps its box whole on the screen,
  // title bar and all. The box's frame is not known until it is mapped: it
  // is taken to be as wide as its window's.
  if (const QScreen* screen = owner->screen()) {
    const QMargins frame =
        owner->windowHandle() != nullptr ? owner->windowHandle()->frameMargins() : QMargins();
    const QRect area = screen->availableGeometry();
    QRect outer = place.marginsAdded(frame);
    outer.moveLeft(std::max(area.left(), std::min(outer.left(), area.right() - outer.width() + 1)));
    outer.moveTop(std::max(area.top(), std::min(outer.top(), area.bottom() - outer.height() + 1)));
    place = outer.marginsRemoved(frame);
  }
  // The box's own area, not its frame: the frame is the manager's to draw.
  box.setGeometry(place);
}

// A box that places itself once it has its final size: a message box sizes
// itself as it is shown, just before it is mapped.
template <class Box>
class PlacedBox : public Box {
 public:
  using Box::Box;

 protected:
  void showEvent(QShowEvent* event) override {
    Box::showEvent(event);
    if (!event->spontaneous()) StandOverOwner(*this);
  }
};

}  // namespace

QString BoxText(const std::string& text) {
  QString out = ToQString(text);
  out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  out.replace(QChar('\r'), QChar('\n'));
  return out;
}

int QtDialogs::ShowMessage(const std::string& prompt, dialogs::Buttons buttons,
                           const std::string& title) {
  ArrowWhileAsking pointer;
  PlacedBox<QMessageBox> box(Parent());
  box.setIcon(QMessageBox::NoIcon);
  box.setWindowTitle(ToQString(title));
  box.setTextFormat(Qt::PlainText);
  box.setText(BoxText(prompt));
  FitTitle(box);
  switch (buttons) {
    case dialogs::Buttons::OK:
      box.setStandardButtons(QMessageBox::Ok);
      box.setDefaultButton(QMessageBox::Ok);
      box.exec();
      return dialogs::kOK;
    case dialogs::Buttons::YesNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box.setDefaultButton(QMessageBox::Yes);
      return box.exec() == QMessageBox::Yes ? dialogs::kYes : dialogs::kNo;
    case dialogs::Buttons::YesNoCancel: {
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      box.setDefaultButton(QMessageBox::Yes);
      box.setEscapeButton(QMessageBox::Cancel);
      const int result = box.exec();
      if (result == QMessageBox::Yes) return dialogs::kYes;
      if (result == QMessageBox::No) return dialogs::kNo;
      return dialogs::kCancel;
    }
  }
  return dialogs::kOK;
}

dialogs::InputReply QtDialogs::ShowInput(const std::string& prompt, const std::string& title,
                                         const std::string& defaultText) {
  ArrowWhileAsking pointer;
  PlacedBox<QInputDialog> input(Parent());
  input.setInputMode(QInputDialog::TextInput);
  input.setWindowTitle(ToQString(title));
  input.setLabelText(BoxText(prompt));
  input.setTextValue(ToQString(defaultText));
  FitTitle(input);
  if (input.exec() != QDialog::Accepted) return {"", true};
  return {FromQString(input.textValue()), false};
}

QWidget* QtDialogs::Parent() const {
  QWidget* active = QApplication::activeWindow();
  return active != nullptr ? active : owner_.data();
}

void QtDialogs::ShowHourglass(bool on) {
  if (on) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

}  // namespace qvl::qt
