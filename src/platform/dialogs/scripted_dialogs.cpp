#include "platform/dialogs/scripted_dialogs.h"

#include <algorithm>
#include <utility>

namespace qvl::dialogs {

namespace {

const char* ButtonsName(Buttons buttons) {
  switch (buttons) {
    case Buttons::OK: return "OK";
    case Buttons::YesNo: return "YesNo";
    case Buttons::YesNoCancel: return "YesNoCancel";
  }
  return "?";
}

bool Answers(Buttons buttons, int answer) {
  switch (buttons) {
    case Buttons::OK: return answer == kOK;
    case Buttons::YesNo: return answer == kYes || answer == kNo;
    case Buttons::YesNoCancel: return answer == kYes || answer == kNo || answer == kCancel;
  }
  return false;
}

}  // namespace

std::string EscapeLineEnds(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c == '\r') {
      out += "\\r";
    } else if (c == '\n') {
      out += "\\n";
    } else {
      out += c;
    }
  }
  return out;
}

void ScriptedDialogs::QueueAnswer(int answer) { queue_.push_back({true, answer, {}, false}); }

void ScriptedDialogs::QueueReply(std::string text) {
  queue_.push_back({false, 0, std::move(text), false});
}

void ScriptedDialogs::QueueCancel() { queue_.push_back({false, 0, {}, true}); }

bool ScriptedDialogs::Failed() const {
  return std::any_of(shown_.begin(), shown_.end(), [](const ShownBox& b) { return b.failed; });
}

void ScriptedDialogs::Fail(ShownBox box, std::string why) {
  box.failed = true;
  box.failure = std::move(why);
  shown_.push_back(box);
  throw UnexpectedDialog(TranscriptLine(box));
}

int ScriptedDialogs::ShowMessage(const std::string& prompt, Buttons buttons,
                                 const std::string& title) {
  ShownBox box;
  box.type = ShownBox::Type::Message;
  box.title = title;
  box.prompt = prompt;
  box.buttons = buttons;
  const bool next = !queue_.empty();
  if (buttons == Buttons::OK) {
    if (next && queue_.front().isAnswer && queue_.front().answer == kOK) queue_.pop_front();
    box.answer = kOK;
  } else {
    if (!next) Fail(box, "no answer queued");
    const Entry entry = queue_.front();
    if (!entry.isAnswer) Fail(box, "a reply is queued, not an answer");
    if (!Answers(buttons, entry.answer)) {
      Fail(box, "queued answer " + std::to_string(entry.answer) + " is not one of its buttons");
    }
    queue_.pop_front();
    box.answer = entry.answer;
  }
  shown_.push_back(box);
  return box.answer;
}

InputReply ScriptedDialogs::ShowInput(const std::string& prompt, const std::string& title,
                                      const std::string& defaultText) {
  ShownBox box;
  box.type = ShownBox::Type::Input;
  box.title = title;
  box.prompt = prompt;
  box.defaultText = defaultText;
  if (queue_.empty()) Fail(box, "no reply queued");
  const Entry entry = queue_.front();
  if (entry.isAnswer) Fail(box, "an answer is queued, not a reply");
  queue_.pop_front();
  box.reply = entry.reply;
  box.cancelled = entry.cancel;
  shown_.push_back(box);
  return {entry.reply, entry.cancel};
}

std::string ScriptedDialogs::TranscriptLine(const ShownBox& box) {
  const bool message = box.type == ShownBox::Type::Message;
  std::string line = (message ? "MSGBOX " : "INPUT ") + EscapeLineEnds(box.title) + " | " +
                     EscapeLineEnds(box.prompt) + " | " +
                     (message ? ButtonsName(box.buttons) : EscapeLineEnds(box.defaultText)) + " -> ";
  if (box.failed) return line + "FAILED (" + box.failure + ")";
  if (message) return line + std::to_string(box.answer);
  return line + (box.cancelled ? "<Cancel>" : EscapeLineEnds(box.reply));
}

std::string ScriptedDialogs::Transcript() const {
  std::string out;
  for (const auto& box : shown_) out += TranscriptLine(box) + "\n";
  return out;
}

}  // namespace qvl::dialogs
