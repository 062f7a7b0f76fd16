#include "platform/dialogs/dialogs.h"

#include <stdexcept>

namespace qvl::dialogs {

namespace {
Dialogs* current = nullptr;

std::string TitleOrDefault(std::string_view title) {
  return std::string(title.empty() ? kDefaultTitle : title);
}
}  // namespace

Dialogs::~Dialogs() = default;

int Dialogs::MsgBox(std::string_view prompt, Buttons buttons, std::string_view title) {
  return ShowMessage(std::string(prompt), buttons, TitleOrDefault(title));
}

std::string Dialogs::InputBox(std::string_view prompt, std::string_view title,
                              std::string_view defaultText) {
  return InputBoxReply(prompt, title, defaultText).text;
}

InputReply Dialogs::InputBoxReply(std::string_view prompt, std::string_view title,
                                  std::string_view defaultText) {
  InputReply reply =
      ShowInput(std::string(prompt), TitleOrDefault(title), std::string(defaultText));
  if (reply.cancelled) reply.text.clear();
  return reply;
}

void Dialogs::SetHourglass(bool on) {
  if (hourglass_ == on) return;
  hourglass_ = on;
  ShowHourglass(on);
}

HourglassGuard::HourglassGuard(Dialogs& dialogs) : dialogs_(dialogs), previous_(dialogs.Hourglass()) {
  dialogs_.SetHourglass(true);
}

HourglassGuard::HourglassGuard() : HourglassGuard(Current()) {}

HourglassGuard::~HourglassGuard() { dialogs_.SetHourglass(previous_); }

Dialogs& Current() {
  if (!current) throw std::logic_error("no dialogs instance has been set");
  return *current;
}

void SetCurrent(Dialogs* dialogs) { current = dialogs; }

int MsgBox(std::string_view prompt, Buttons buttons, std::string_view title) {
  return Current().MsgBox(prompt, buttons, title);
}

std::string InputBox(std::string_view prompt, std::string_view title, std::string_view defaultText) {
  return Current().InputBox(prompt, title, defaultText);
}

InputReply InputBoxReply(std::string_view prompt, std::string_view title,
                         std::string_view defaultText) {
  return Current().InputBoxReply(prompt, title, defaultText);
}

}  // namespace qvl::dialogs
