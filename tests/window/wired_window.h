#pragma once
// A main window wired to its package list and settings, over drive c: mapped
// to a temporary folder, with scripted message boxes and a fixed clock.
#include <gtest/gtest.h>

#include <memory>

#include "engine/catalog.h"
#include "platform/dialogs/scripted_dialogs.h"
#include "platform/paths/paths.h"
#include "platform/vb/clock.h"
#include "support/tempdir.h"
#include "window/main_window_wiring.h"
#include "window/qvledgerloom.h"

namespace qvl::test {

class WiredWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    paths::UnmapAll();
    paths::MapDrive('c', c.path());
    dialogs::SetCurrent(&boxes);
    window = std::make_unique<QvLedgerloom>();
    // The catalog as the list has it, without any writer family's code.
    window->run.catalog = &catalog;
    WirePackageListAndSettings(*window);
  }
  void TearDown() override {
    window.reset();
    dialogs::SetCurrent(nullptr);
    paths::UnmapAll();
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

  TempDir c;
  vb::ScopedFixedClock clock{*vb::Date::Make(2026, 12, 6, 9, 0, 0)};
  dialogs::ScriptedDialogs boxes;
  FinPacCatalog catalog;
  std::unique_ptr<QvLedgerloom> window;
};

}  // namespace qvl::test
