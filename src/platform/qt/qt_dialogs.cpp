#include "platform/qt/qt_dialogs.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

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
  QMessageBox box(Parent());
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
  QInputDialog input(Parent());
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
