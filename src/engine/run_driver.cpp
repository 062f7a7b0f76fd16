#include "engine/run_driver.h"

#include <exception>

#include "engine/balance.h"
#include "engine/choose_finpac.h"
#include "engine/call_patterns.h"
#include "engine/catalog.h"
#include "engine/run_errors.h"
#include "engine/run_files.h"
#include "engine/run_messages.h"
#include "engine/run_state.h"
#include "platform/dialogs/dialogs.h"
#include "platform/vb/text.h"
#include "window/qvledgerloom.h"

namespace qvl {

namespace {

void ReportFailure(QvLedgerloom& window, std::string_view path, std::string_view reason) {
  RunState& run = window.run;
  run.Ready = false;
  CloseRunFilesQuietly(run);
  ShowBox(window, RunErrorMessage(run.ChosenPackage, path, reason), dialogs::Buttons::OK,
          PackageTitle(run.ChosenPackage));
}

// The checks, the files and the package's writer. An error a writer raises
// while it works through the input names the line or record it stopped at.
void ChooseFinPacAt(QvLedgerloom& window) {
  try {
    ChooseFinPac(window);
  } catch (const FileError&) {
    throw;
  } catch (const vb::Error& e) {
    const std::string place = InputPlace(window);
    if (place.empty()) throw;
    throw FileError(place, e);
  }
}

void Run(QvLedgerloom& window) {
  RunState& run = window.run;
  ChooseFinPacAt(window);
  if (run.ChosenPackage == kNoPackage || run.Output_Path == kOutputBoxDesignText ||
      run.INFile == kInputBoxDesignText)
    return;
  if (!run.Ready) return;
  if (run.noRecordsTold) {
    CloseFiles(window);
    run.Ready = false;
    return;
  }
  // A journal that could not be written must never be reported in balance:
  // a write that fails is known before the balance questions, and the report
  // waits until the files are on disk and closed.
  FlushRunFiles(run);
  const BalanceReportBox report = CheckBalance(window);
  CloseFiles(window);
  ShowBox(window, report.prompt, dialogs::Buttons::OK, report.title);
}

}  // namespace

void Quorvanta_Ledgerloom(QvLedgerloom& window) {
  RunState& run = window.run;
  run.StartRun();
  dialogs::HourglassGuard hourglass;
  try {
    Run(window);
  } catch (const RunStopped&) {
    run.Ready = false;
  } catch (const dialogs::UnexpectedDialog&) {
    // A script that did not provide for a box: not the run's failure.
    CloseRunFilesQuietly(run);
    throw;
  } catch (const FileError& e) {
    ReportFailure(window, e.path(), e.description());
  } catch (const vb::Error& e) {
    ReportFailure(window, {}, e.description());
  } catch (const std::exception& e) {
    ReportFailure(window, {}, e.what());
  }
  // Whatever a writer that gave up left open.
  CloseRunFilesQuietly(run);
}

void CheckMaxLength(QvLedgerloom& window) {
  RunState& run = window.run;
  const std::string account = vb::Trim(run.curRec.account());
  if (run.MsgOnce || static_cast<std::int64_t>(account.size()) <= run.MaxAcctLen) return;
  const std::string max = std::to_string(run.MaxAcctLen);
  ShowBox(window,
          "The maximum length for Account numbers in " + run.ChosenPackage + " is: " + max +
              " characters.\r\rChange the length of your account numbers in Quorvanta to be no longer than " +
              max + " characters.\r\r" + account);
  run.MsgOnce = true;
}

}  // namespace qvl
