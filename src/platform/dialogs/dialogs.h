#pragma once
// Modal message and input boxes and the hourglass pointer. Everything the
// program asks or tells the operator goes through the one process-wide
// instance (Current()), which main sets to the desktop dialogs and tests to
// the scripted ones.
#include <stdexcept>
#include <string>
#include <string_view>

namespace qvl::dialogs {

// A box that no one can answer (a scripted run that did not provide for
// it). Derives from std::logic_error so that code catching run-time errors
// does not mistake it for one of its own, and lets it pass.
class UnexpectedDialog : public std::logic_error {
 public:
  using std::logic_error::logic_error;
};

// The title a box shows when it is given none.
inline constexpr std::string_view kDefaultTitle = "QvLedgerloom";

enum class Buttons { OK, YesNo, YesNoCancel };

// Message-box answers.
enum Answer : int { kOK = 1, kCancel = 2, kYes = 6, kNo = 7 };

struct InputReply {
  std::string text;        // "" when cancelled
  bool cancelled = false;
};

class Dialogs {
 public:
  virtual ~Dialogs();

  // Texts are single-byte (Windows-1252); a CR in them breaks the line. An
  // empty title shows kDefaultTitle. Returns kOK, kCancel, kYes or kNo.
  int MsgBox(std::string_view prompt, Buttons buttons = Buttons::OK,
             std::string_view title = {});
  // The text the operator typed, "" on Cancel.
  std::string InputBox(std::string_view prompt, std::string_view title = {},
                       std::string_view defaultText = {});
  // The same, telling Cancel apart from an empty reply.
  InputReply InputBoxReply(std::string_view prompt, std::string_view title = {},
                           std::string_view defaultText = {});

  // The hourglass pointer: on while long work runs.
  bool Hourglass() const { return hourglass_; }
  void SetHourglass(bool on);

 protected:
  // The title given here is the one shown (never empty).
  virtual int ShowMessage(const std::string& prompt, Buttons buttons,
                          const std::string& title) = 0;
  virtual InputReply ShowInput(const std::string& prompt, const std::string& title,
                               const std::string& defaultText) = 0;
  virtual void ShowHourglass(bool on) = 0;

 private:
  bool hourglass_ = false;
};

// Shows the hourglass for its lifetime and then restores the pointer it found.
class HourglassGuard {
 public:
  explicit HourglassGuard(Dialogs& dialogs);
  HourglassGuard();  // on Current()
  ~HourglassGuard();
  HourglassGuard(const HourglassGuard&) = delete;
  HourglassGuard& operator=(const HourglassGuard&) = delete;

 private:
  Dialogs& dialogs_;
  bool previous_;
};

// The process-wide instance. Current() throws std::logic_error when none is set.
Dialogs& Current();
void SetCurrent(Dialogs* dialogs);

// Shorthands for Current().
int MsgBox(std::string_view prompt, Buttons buttons = Buttons::OK, std::string_view title = {});
std::string InputBox(std::string_view prompt, std::string_view title = {},
                     std::string_view defaultText = {});
InputReply InputBoxReply(std::string_view prompt, std::string_view title = {},
                         std::string_view defaultText = {});

}  // namespace qvl::dialogs
