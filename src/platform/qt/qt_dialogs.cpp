#include "platform/qt/qt_dialogs.h"

#include <QApplication>
#include <QInputDialog>
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
  QMessageBox box(QApplication::activeWindow());
  box.setIcon(QMessageBox::NoIcon);
  box.setWindowTitle(ToQString(title));
  box.setTextFormat(Qt::PlainText);
  box.setText(BoxText(prompt));
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
  QInputDialog input(QApplication::activeWindow());
  input.setInputMode(QInputDialog::TextInput);
  input.setWindowTitle(ToQString(title));
  input.setLabelText(BoxText(prompt));
  input.setTextValue(ToQString(defaultText));
  if (input.exec() != QDialog::Accepted) return {"", true};
  return {FromQString(input.textValue()), false};
}

void QtDialogs::ShowHourglass(bool on) {
  if (on) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

}  // namespace qvl::qt
