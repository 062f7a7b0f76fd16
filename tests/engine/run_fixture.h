#pragma once
// A main window set up for a run: drive c: in a temporary folder, scripted
// boxes, a fixed clock (12/6/2026) and a catalog of the test's own, so that
// a test can attach writers that misbehave without touching the program's.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/catalog.h"
#include "engine/run_state.h"
#include "platform/dialogs/scripted_dialogs.h"
#include "platform/paths/paths.h"
#include "platform/vb/clock.h"
#include "support/tempdir.h"
#include "window/qvledgerloom.h"

namespace qvl::test {

// One 89-character record dated 11/30/2026, levels 01, 02, 03.
inline std::string Record(const std::string& account, const std::string& debits, const std::string& credits) {
  auto left = [](std::string s, std::size_t n) { s.resize(n, ' '); return s; };
  auto right = [](const std::string& s, std::size_t n) { return std::string(n - s.size(), ' ') + s; };
  return left("123", 4) + "20261130" + left("01", 6) + left("02", 6) + left("03", 6) + left(account, 18) +
         right("1.00", 11) + right(debits, 14) + right(credits, 14) + "\r\n";
}

class RunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    paths::UnmapAll();
    paths::MapDrive('c', c.path());
    dialogs::SetCurrent(&boxes);
    window = std::make_unique<QvLedgerloom>();
    window->run.catalog = &catalog;
    std::filesystem::create_directories(c / "gl");
  }
  void TearDown() override {
    window.reset();
    dialogs::SetCurrent(nullptr);
    paths::UnmapAll();
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
    Choose(package);
  }
  void Choose(const std::string& package) {
    int index = window->PickFinPac.IndexOf(package);
    if (index < 0) {
      window->PickFinPac.AddItem(package);
      index = window->PickFinPac.ListCount() - 1;
    }
    window->PickFinPac.SetListIndex(index);
  }
  void Run() { window->cmdInterface.Click(); }

  // The titles and prompts of the boxes shown, one string each.
  std::vector<std::string> Shown() const {
    std::vector<std::string> lines;
    for (const auto& box : boxes.Shown()) lines.push_back(box.title + " | " + box.prompt);
    return lines;
  }
  std::string Journal(const std::string& name = "123113026.txt") const { return ReadBytes(c / "gl" / name); }
  std::string Audit() const { return ReadBytes(c / "gl" / "Audit_trail.txt"); }

  TempDir c;
  dialogs::ScriptedDialogs boxes;
  vb::ScopedFixedClock clock{*vb::Date::Make(2026, 12, 6, 9)};
  FinPacCatalog catalog;
  std::unique_ptr<QvLedgerloom> window;
};

}  // namespace qvl::test
