#include "engine/run_messages.h"

#include "window/qvledgerloom.h"

namespace qvl {

std::string NotAvailableMessage(std::string_view packageText) {
  std::string msg(packageText);
  msg += " is not available in this version.";
  return msg;
}

std::string ValueCountMessage(std::size_t expected, std::size_t found) {
  const std::string n = std::to_string(expected);
  if (found > expected) {
    return "Some lines of the input file hold more than " + n + " values; the values after the first " + n +
           " were not read.";
  }
  return "Some lines of the input file hold fewer than " + n + " values; missing values were taken as empty.";
}

std::string RunErrorMessage(std::string_view package, std::string_view path,
                            std::string_view reason) {
  std::string msg = "The ";
  msg += package;
  msg += " Journal Entry was stopped by an error:\r\r";
  if (!path.empty()) {
    msg += path;
    msg += "\r";
  }
  msg += reason;
  return msg;
}

int ShowBox(QvLedgerloom& window, std::string_view prompt, dialogs::Buttons buttons,
            std::string_view title) {
  const int answer = dialogs::MsgBox(prompt, buttons, title);
  window.run.Response = std::to_string(answer);
  return answer;
}

void RefuseRun(QvLedgerloom& window, std::string_view message, std::string_view title) {
  ShowBox(window, message, dialogs::Buttons::OK, title);
  window.run.Ready = false;
}

void TellNoRecords(QvLedgerloom& window, std::string_view title) {
  if (window.run.noRecordsTold) return;
  ShowBox(window, kNoRecordsMsg, dialogs::Buttons::OK, title);
  window.run.noRecordsTold = true;
}

bool AskToProceed(QvLedgerloom& window, std::string_view question) {
  if (ShowBox(window, question, dialogs::Buttons::YesNo, kQuestionTitle) == dialogs::kYes) return true;
  window.run.Ready = false;
  return false;
}

std::string PackageTitle(std::string_view package) {
  std::string title = "QvLedgerloom - ";
  title += package;
  return title;
}

}  // namespace qvl
