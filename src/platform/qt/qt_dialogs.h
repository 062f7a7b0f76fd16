#pragma once
// Message and input boxes as Qt dialogs, and the wait cursor as the
// hourglass.
#include <QPointer>
#include <QString>
#include <QWidget>

#include "platform/dialogs/dialogs.h"

namespace qvl::qt {

class QtDialogs : public dialogs::Dialogs {
 public:
  // The window a box stands over when no window of the program is active,
  // as happens between two boxes of a run: the main window.
  void SetOwner(QWidget* window) { owner_ = window; }

 protected:
  int ShowMessage(const std::string& prompt, dialogs::Buttons buttons,
                  const std::string& title) override;
  dialogs::InputReply ShowInput(const std::string& prompt, const std::string& title,
                                const std::string& defaultText) override;
  void ShowHourglass(bool on) override;

 private:
  QWidget* Parent() const;
  QPointer<QWidget> owner_;
};

// CR, LF and CR LF in a box's text each break the line.
QString BoxText(const std::string& text);

}  // namespace qvl::qt
