#include "platform/dialogs/scripted_dialogs.h"

#include <algorithm>
#include <utility>

namespace qvl::dialogs {

namespace {

std::string Escaped(std::string_view text) {
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
  std::string line;
  if (box.type == ShownBox::Type::Message) {
    line = "MSGBOX " + Escaped(box.title) + " | " + Escaped(box.prompt) + " | " +
           ButtonsName(box.buttons) + " -> ";
    line += box.failed ? "FAILED (" + box.failure + ")" : std::to_string(box.answer);
  } else {
    line = "INPUT " + Escaped(box.title) + " | " + Escaped(box.prompt) + " | " +
           Escaped(box.defaultText) + " -> ";
    if (box.failed) {
      line += "FAILED (" + box.failure + ")";
    } else {
      line += box.cancelled ? "<Cancel>" : Escaped(box.reply);
    }
  }
  return line;
}

std::string ScriptedDialogs::Transcript() const {
  std::string out;
  for (const auto& box : shown_) out += TranscriptLine(box) + "\n";
  return out;
}

}  // namespace qvl::dialogs
