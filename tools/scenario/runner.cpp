#include "scenario/runner.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>

#include "platform/dialogs/scripted_dialogs.h"
#include "platform/paths/paths.h"
#include "platform/vb/clock.h"
#include "platform/vb/date.h"
#include "scenario/cell_table.h"
#include "scenario/script.h"
#include "window/main_window_wiring.h"
#include "window/qvledgerloom.h"

namespace qvl::scenario {

namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void CopyScenarioFiles(const fs::path& scenarioDir, const fs::path& workDir) {
  fs::create_directories(workDir);
  for (const fs::directory_entry& item : fs::directory_iterator(scenarioDir)) {
    if (item.path().filename() == "expected") continue;
    fs::copy(item.path(), workDir / item.path().filename(),
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  }
}

// "2026-12-06" and an optional "14:05:00" (default 09:00:00).
vb::Date ParseInstant(const std::vector<std::string>& args) {
  int y = 0, mo = 0, d = 0, h = 9, mi = 0, s = 0;
  char dash1 = 0, dash2 = 0, colon1 = ':', colon2 = ':';
  std::istringstream date(args[0]);
  date >> y >> dash1 >> mo >> dash2 >> d;
  bool ok = !date.fail() && date.peek() == EOF && dash1 == '-' && dash2 == '-';
  if (args.size() > 1) {
    std::istringstream time(args[1]);
    time >> h >> colon1 >> mi >> colon2 >> s;
    ok = ok && !time.fail() && time.peek() == EOF;
  }
  const std::optional<vb::Date> instant = vb::Date::Make(y, mo, d, h, mi, s);
  if (!ok || colon1 != ':' || colon2 != ':' || !instant) throw ScriptError("not a date and time");
  return *instant;
}

class Runner {
 public:
  explicit Runner(fs::path workDir) : workDir_(std::move(workDir)) {
    paths::UnmapAll();
    MapDrive("c:", "c");
    paths::MapDrive('z', workDir_);
    dialogs::SetCurrent(&boxes_);
  }
  ~Runner() {
    window_.reset();
    dialogs::SetCurrent(nullptr);
    vb::UseSystemClock();
  }

  void Perform(const Action& a) {
    if (a.verb == "today") return vb::SetFixedClock(ParseInstant(a.args));
    if (a.verb == "drive") return MapDrive(a.args[0], a.args[1]);
    if (a.verb == "answer") return boxes_.QueueAnswer(Answer(a.args[0]));
    if (a.verb == "reply") return boxes_.QueueReply(a.args[0]);
    if (a.verb == "reply-cancel") return boxes_.QueueCancel();

    QvLedgerloom& w = Window();
    if (a.verb == "start") return;
    if (a.verb == "exit") return w.Exit.Click();
    forms::Control& control = Control(w, a.args[0]);
    if (a.verb == "set") return Type(control, a.args[1]);
    if (a.verb == "check") return Check(control, a.args[1]);
    if (a.verb == "select") return As<forms::OptionButton>(control, "an option button").Click();
    if (a.verb == "choose") return Choose(control, a.args[1]);
    if (a.verb == "click") return Click(control);
    throw ScriptError("unknown action \"" + a.verb + "\"");
  }

  // Every scenario loads the window, also one whose actions never touch it.
  void EnsureLoaded() { Window(); }

  const dialogs::ScriptedDialogs& Boxes() const { return boxes_; }

 private:
  // The window is made and loaded before the first action that works on
  // it, so that drives and the clock set before are in place.
  QvLedgerloom& Window() {
    if (!window_) {
      window_ = std::make_unique<QvLedgerloom>();
      WirePackageListAndSettings(*window_);
      window_->Load();
    }
    return *window_;
  }

  void MapDrive(const std::string& drive, const std::string& folder) {
    if (drive.size() != 2 || drive[1] != ':') throw ScriptError("not a drive: " + drive);
    const fs::path host = workDir_ / folder;
    fs::create_directories(host);
    paths::MapDrive(static_cast<char>(std::tolower(static_cast<unsigned char>(drive[0]))), host);
  }

  static int Answer(const std::string& text) {
    if (text == "1" || text == "2" || text == "6" || text == "7") return std::stoi(text);
    throw ScriptError("an answer is 1, 2, 6 or 7");
  }

  static forms::Control& Control(QvLedgerloom& w, const std::string& name) {
    forms::Control* control = w.Find(name);
    if (control == nullptr) throw ScriptError("no control named " + name);
    return *control;
  }

  template <class T>
  static T& As(forms::Control& control, const char* what) {
    T* typed = dynamic_cast<T*>(&control);
    if (typed == nullptr) throw ScriptError(control.Name() + " is not " + what);
    return *typed;
  }

  // Typing into a box, then leaving it.
  static void Type(forms::Control& control, const std::string& text) {
    if (auto* box = dynamic_cast<forms::TextBox*>(&control)) {
      box->SetText(text);
      box->LostFocus();
      return;
    }
    auto& combo = As<forms::ComboBox>(control, "a text box or a combo box");
    combo.SetText(text);
    combo.LostFocus();
  }

  static void Check(forms::Control& control, const std::string& value) {
    if (value != "0" && value != "1") throw ScriptError("a check box takes 0 or 1");
    As<forms::CheckBox>(control, "a check box").SetValue(value == "1" ? 1 : 0);
  }

  static void Choose(forms::Control& control, const std::string& entry) {
    auto& list = As<forms::ListControl>(control, "a list");
    if (entry.empty()) return list.SetListIndex(-1);
    const int index = list.IndexOf(entry);
    if (index < 0) throw ScriptError(control.Name() + " has no entry \"" + entry + "\"");
    list.SetListIndex(index);
  }

  static void Click(forms::Control& control) {
    if (auto* button = dynamic_cast<forms::CommandButton*>(&control)) return button->Click();
    if (auto* item = dynamic_cast<forms::MenuItem*>(&control)) return item->Click();
    if (auto* box = dynamic_cast<forms::CheckBox*>(&control)) return box->Click();
    As<forms::OptionButton>(control, "something to click").Click();
  }

  fs::path workDir_;
  dialogs::ScriptedDialogs boxes_;
  std::unique_ptr<QvLedgerloom> window_;
};

// Reports where the work folder's file differs from the expected one.
bool SameBytes(const fs::path& expected, const fs::path& actual, const std::string& name, std::ostream& report) {
  if (!fs::exists(actual)) {
    report << "MISSING " << name << "\n";
    return false;
  }
  const std::string want = ReadFile(expected);
  const std::string got = ReadFile(actual);
  if (want == got) return true;
  // The first differing line, both ways, with CR and LF shown.
  std::size_t at = 0;
  while (at < want.size() && at < got.size() && want[at] == got[at]) ++at;
  const std::size_t lineStart = want.rfind('\n', at == 0 ? 0 : at - 1);
  const std::size_t from = lineStart == std::string::npos || at == 0 ? 0 : lineStart + 1;
  const std::size_t line = static_cast<std::size_t>(std::count(want.begin(), want.begin() + from, '\n')) + 1;
  const auto lineAt = [from](const std::string& s) {
    const std::size_t end = s.find('\n', from);
    return from >= s.size() ? std::string("<end of file>") : dialogs::EscapeLineEnds(s.substr(from, end == s.npos ? s.npos : end - from + 1));
  };
  report << "DIFFERS " << name << " at byte " << at << ", line " << line << "\n"
         << "  expected: " << lineAt(want) << "\n"
         << "  actual:   " << lineAt(got) << "\n";
  return false;
}

bool CompareExpected(const fs::path& scenarioDir, const fs::path& workDir, std::ostream& report) {
  const fs::path expectedDir = scenarioDir / "expected";
  if (!fs::is_directory(expectedDir)) return true;
  bool same = true;
  for (const fs::directory_entry& item : fs::recursive_directory_iterator(expectedDir)) {
    if (!item.is_regular_file()) continue;
    const fs::path relative = fs::relative(item.path(), expectedDir);
    if (relative.extension() == ".cells") {
      const fs::path workbook = fs::path(relative).replace_extension();
      same = SameCells(item.path(), workDir / workbook, workbook.generic_string(), report) && same;
      continue;
    }
    same = SameBytes(item.path(), workDir / relative, relative.generic_string(), report) && same;
  }
  return same;
}

}  // namespace

int RunScenario(const fs::path& scenarioDir, const fs::path& workDir, std::ostream& report) {
  std::vector<Action> actions;
  try {
    actions = ParseScript(ReadFile(scenarioDir / "scenario.txt"));
    CopyScenarioFiles(scenarioDir, workDir);
  } catch (const std::exception& e) {
    report << "cannot read the scenario: " << e.what() << "\n";
    return 2;
  }

  bool failed = false;
  std::string transcript;
  {
    Runner runner(workDir);
    const auto attempt = [&](const std::string& where, const std::function<void()>& step) {
      try {
        step();
      } catch (const dialogs::UnexpectedDialog& e) {
        report << where << ": a box the script did not provide for: " << e.what() << "\n";
        failed = true;
      } catch (const std::exception& e) {
        report << where << ": " << e.what() << "\n";
        failed = true;
      }
    };
    for (const Action& action : actions) {
      attempt("line " + std::to_string(action.line) + " (" + action.verb + ")", [&] { runner.Perform(action); });
      if (failed) break;
    }
    if (!failed) attempt("loading the window", [&] { runner.EnsureLoaded(); });
    if (!failed && runner.Boxes().Pending() > 0)
      report << "note: " << runner.Boxes().Pending() << " queued answer(s) or reply(ies) were not used\n";
    transcript = runner.Boxes().Transcript();
  }
  std::ofstream(workDir / "transcript.txt", std::ios::binary) << transcript;

  const bool same = CompareExpected(scenarioDir, workDir, report);
  return failed || !same ? 1 : 0;
}

}  // namespace qvl::scenario
