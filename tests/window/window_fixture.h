#pragma once
// A main window over drive c: mapped to a temporary folder, with scripted
// message boxes, a fixed clock (12/6/2026 9:00) and a catalog of the test's
// own, so that a test can attach writers without touching the program's.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/catalog.h"
#include "platform/dialogs/scripted_dialogs.h"
#include "platform/paths/paths.h"
#include "platform/vb/clock.h"
#include "support/tempdir.h"
#include "window/main_window_wiring.h"
#include "window/qvledgerloom.h"

namespace qvl::test {

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    paths::UnmapAll();
    paths::MapDrive('c', c.path());
    dialogs::SetCurrent(&boxes);
    window = std::make_unique<QvLedgerloom>();
    window->run.catalog = &catalog;
  }
  void TearDown() override {
    window.reset();
    dialogs::SetCurrent(nullptr);
    paths::UnmapAll();
  }

  // Selects a package entry by its text, adding it when the list lacks it.
  void ChoosePackage(const std::string& text) {
    int index = window->PickFinPac.IndexOf(text);
    if (index < 0) {
      window->PickFinPac.AddItem(text);
      index = window->PickFinPac.ListCount() - 1;
    }
    window->PickFinPac.SetListIndex(index);
  }

  TempDir c;
  vb::ScopedFixedClock clock{*vb::Date::Make(2026, 12, 6, 9, 0, 0)};
  dialogs::ScriptedDialogs boxes;
  FinPacCatalog catalog;
  std::unique_ptr<QvLedgerloom> window;
};

// The window wired to its package list and settings, as the program runs it.
class WiredWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    WirePackageListAndSettings(*window);
  }

  // Chooses a package list entry as the operator does; choosing the entry
  // that is already chosen runs the list's handler again.
  void Choose(int index) {
    if (window->PickFinPac.ListIndex() == index) {
      window->PickFinPac.onClick();
    } else {
      window->PickFinPac.SetListIndex(index);
    }
  }
};

}  // namespace qvl::test
