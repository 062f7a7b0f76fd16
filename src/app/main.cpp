// Starts the desktop tool: the main window model, its Qt front end, and the
// Qt message boxes as the process-wide dialogs.
#include <QApplication>

#include "platform/dialogs/dialogs.h"
#include "platform/qt/desktop.h"
#include "platform/qt/qt_dialogs.h"
#include "window/app_info.h"
#include "window/main_window_wiring.h"
#include "window/qvledgerloom.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QString::fromLatin1(qvl::kAppTitle.data(),
                                                       static_cast<qsizetype>(qvl::kAppTitle.size())));

  qvl::qt::QtDialogs dialogs;
  qvl::dialogs::SetCurrent(&dialogs);

  qvl::QvLedgerloom window;
  // The load handler (run by Show) puts the version into the caption, reads
  // the company settings and lays the window out for the stored package.
  qvl::WirePackageListAndSettings(window);

  qvl::qt::Desktop desktop(window);
  desktop.Add(window.aboutBox);
  dialogs.SetOwner(&desktop.MainView());
  window.Show();
  const int status = QApplication::exec();
  qvl::dialogs::SetCurrent(nullptr);
  return status;
}
