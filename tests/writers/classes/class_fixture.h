#pragma once
// Runs of the writer classes' packages over a main window set up as the
// engine tests set it up, with the program's writers attached.
#include <string>
#include <vector>

#include "engine/packages.h"
#include "engine/run_fixture.h"

namespace qvl::test {

// Comma input lines, each ended with CR LF.
inline std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

// A standard nine-value line dated 11/30/2026.
inline std::string Nine(const std::string& account, const std::string& debit, const std::string& credit) {
  return "123,20261130,01,02,03," + account + ",1.00," + debit + "," + credit;
}

class ClassRunTest : public RunTest {
 protected:
  void SetUp() override {
    RunTest::SetUp();
    RegisterWriters(catalog);
  }
  // The input as given, whole (no line end added).
  void PrepareInput(const std::string& package, const std::string& input) { Prepare(package, {input}); }
  // The operator takes one offsetting entry.
  void QueueOffset(const std::string& account, const std::string& amount) {
    boxes.QueueAnswer(dialogs::kYes);
    boxes.QueueReply(account);
    boxes.QueueReply(amount);
    boxes.QueueAnswer(dialogs::kYes);
  }
  std::string LastTitle() const { return boxes.Shown().empty() ? std::string() : boxes.Shown().back().title; }
};

inline constexpr const char* kInBalance = "Journal Entry is in Balance!";

}  // namespace qvl::test
