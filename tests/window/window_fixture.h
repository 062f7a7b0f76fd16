#pragma once
// A main window over drives mapped to temporary folders, with scripted
// message boxes.
#include <gtest/gtest.h>

#include <string>

#include "platform/dialogs/scripted_dialogs.h"
#include "platform/paths/paths.h"
#include "support/tempdir.h"
#include "window/qvledgerloom.h"

namespace qvl::test {

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    paths::UnmapAll();
    paths::MapDrive('c', c.path());
    dialogs::SetCurrent(&boxes);
    window = std::make_unique<QvLedgerloom>();
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
  dialogs::ScriptedDialogs boxes;
  std::unique_ptr<QvLedgerloom> window;
};

}  // namespace qvl::test
