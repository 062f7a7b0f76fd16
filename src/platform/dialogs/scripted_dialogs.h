#pragma once
// Dialogs answered from a script, for tests and the scenario runner. Answers
// and replies wait in one queue, in the order the script gives them:
// - an OK-only box takes a queued answer 1 when that is next, and otherwise is
//   answered OK without taking anything;
// - a Yes/No or Yes/No/Cancel box takes the next queued answer, which must be
//   one of its buttons' answers (so never 1);
// - an input box takes the next queued reply (a text, or Cancel).
// A box that finds nothing fitting fails: it is recorded as failed and
// UnexpectedDialog is thrown. Every box shown is recorded.
#include <cstddef>
#include <deque>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dialogs/dialogs.h"

namespace qvl::dialogs {

struct ShownBox {
  enum class Type { Message, Input };
  Type type = Type::Message;
  std::string title;
  std::string prompt;
  Buttons buttons = Buttons::OK;  // message boxes
  std::string defaultText;        // input boxes
  int answer = 0;                 // message boxes: 1, 2, 6 or 7
  std::string reply;              // input boxes
  bool cancelled = false;         // input boxes
  bool failed = false;
  std::string failure;            // why it failed
};

// The text with each CR written \r and each LF \n, as a transcript shows it.
std::string EscapeLineEnds(std::string_view text);

class ScriptedDialogs : public Dialogs {
 public:
  void QueueAnswer(int answer);
  void QueueReply(std::string text);
  void QueueCancel();
  // What is still queued.
  std::size_t Pending() const { return queue_.size(); }

  const std::vector<ShownBox>& Shown() const { return shown_; }
  bool Failed() const;
  // One line per box, each ending in LF:
  //   MSGBOX title | prompt | BUTTONS -> N
  //   INPUT title | prompt | default -> reply   (reply "<Cancel>" on Cancel)
  // CR in texts is written \r, LF \n.
  std::string Transcript() const;
  static std::string TranscriptLine(const ShownBox& box);

 protected:
  int ShowMessage(const std::string& prompt, Buttons buttons, const std::string& title) override;
  InputReply ShowInput(const std::string& prompt, const std::string& title,
                       const std::string& defaultText) override;
  void ShowHourglass(bool) override {}

 private:
  struct Entry {
    bool isAnswer;
    int answer;
    std::string reply;
    bool cancel;
  };
  [[noreturn]] void Fail(ShownBox box, std::string why);

  std::deque<Entry> queue_;
  std::vector<ShownBox> shown_;
};

}  // namespace qvl::dialogs
