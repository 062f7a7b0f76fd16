#pragma once
// A main window set up for a run over records in c:\gl\gl.txt, with the
// test's own writers or the program's.
#include <functional>
#include <string>
#include <vector>

#include "engine/packages.h"
#include "engine/run_state.h"
#include "window/window_fixture.h"

namespace qvl::test {

// One 89-character record dated 11/30/2026, levels 01, 02, 03.
inline std::string Record(const std::string& account, const std::string& debits, const std::string& credits) {
  auto left = [](std::string s, std::size_t n) { s.resize(n, ' '); return s; };
  auto right = [](const std::string& s, std::size_t n) { return std::string(n - s.size(), ' ') + s; };
  return left("123", 4) + "20261130" + left("01", 6) + left("02", 6) + left("03", 6) + left(account, 18) +
         right("1.00", 11) + right(debits, 14) + right(credits, 14) + "\r\n";
}

// The record with another date in its "yyyymmdd" field.
inline std::string Dated(const std::string& record, const std::string& yyyymmdd) {
  return record.substr(0, 4) + yyyymmdd + record.substr(12);
}

// A nine-value comma line dated 11/30/2026, levels 01, 02, 03, no hours.
inline std::string CommaLine(const std::string& account, const std::string& debits, const std::string& credits) {
  return "123,20261130,01,02,03," + account + ",0," + debits + "," + credits + "\r\n";
}

inline constexpr const char* kInBalance = "Journal Entry is in Balance!";

// Text lines, each ended with CR LF.
inline std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

inline std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t at = 0, end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2)
    lines.push_back(text.substr(at, end - at));
  return lines;
}

class RunTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    std::filesystem::create_directories(c / "gl");
  }

  // The run parameters of a valid run of `package` over the records.
  void Prepare(const std::string& package, const std::vector<std::string>& records,
               const std::string& output = "c:\\gl") {
    std::string input;
    for (const std::string& r : records) input += r;
    WriteBytes(c / "gl" / "gl.txt", input);
    QvLedgerloom& w = *window;
    w.cmboCoNum.SetText("123");
    w.pdEndDate.SetText("11/30/2026");
    w.txtMiscDate.SetText("");
    w.QvInputFile.SetText("c:\\gl\\gl.txt");
    w.QvOutputPath.SetText(output);
    w.Details.SetValue(true);
    ChoosePackage(package);
  }
  void Run() { window->cmdInterface.Click(); }
  void RunOver(const std::string& package, const std::vector<std::string>& input) {
    Prepare(package, input);
    Run();
  }
  // The operator takes one offsetting entry.
  void QueueOffset(const std::string& account, const std::string& amount) {
    boxes.QueueAnswer(dialogs::kYes);
    boxes.QueueReply(account);
    boxes.QueueReply(amount);
    boxes.QueueAnswer(dialogs::kYes);
  }

  // The titles and prompts of the boxes shown, one string each.
  std::vector<std::string> Shown() const {
    std::vector<std::string> lines;
    for (const auto& box : boxes.Shown()) lines.push_back(box.title + " | " + box.prompt);
    return lines;
  }
  std::string Journal(const std::string& name = "123113026.txt") const { return ReadBytes(c / "gl" / name); }
  std::string Audit() const { return ReadBytes(c / "gl" / "Audit_trail.txt"); }
  // The journal's lines without their line ends.
  std::vector<std::string> JournalLines(const std::string& name = "123113026.txt") const {
    return SplitLines(Journal(name));
  }
  std::string LastTitle() const { return boxes.Shown().empty() ? std::string() : boxes.Shown().back().title; }

  // What one run left behind: its journal and audit trail, and the boxes
  // this run showed (not those of earlier runs).
  struct RunOutput {
    std::string journal;
    std::string audit;
    std::vector<std::string> shown;
  };
  RunOutput RunOnce(const std::string& journal = "123113026.txt") {
    const std::size_t before = boxes.Shown().size();
    Run();
    RunOutput out{Journal(journal), Audit(), {}};
    const std::vector<std::string> all = Shown();
    out.shown.assign(all.begin() + static_cast<std::ptrdiff_t>(before), all.end());
    return out;
  }
  // Runs twice over the same input and parameters, as an operator who
  // presses the button again: the second run must leave exactly what the
  // first did. `queue` queues each run's answers (offsets, questions).
  void ExpectSecondRunRepeatsFirst(const std::string& journal = "123113026.txt",
                                   const std::function<void()>& queue = {}) {
    if (queue) queue();
    const RunOutput first = RunOnce(journal);
    if (queue) queue();
    const RunOutput second = RunOnce(journal);
    EXPECT_EQ(second.journal, first.journal);
    EXPECT_EQ(second.audit, first.audit);
    EXPECT_EQ(second.shown, first.shown);
  }
};

// The same, with the program's writers attached.
class WritersRunTest : public RunTest {
 protected:
  void SetUp() override {
    RunTest::SetUp();
    RegisterWriters(catalog);
  }
};

}  // namespace qvl::test
