#pragma once
// The main window model and its Qt view, offscreen, over drive c: mapped to
// a temporary folder.
#include <gtest/gtest.h>

#include <QWidget>
#include <memory>

#include "platform/dialogs/dialogs.h"
#include "platform/paths/paths.h"
#include "platform/qt/form_view.h"
#include "support/tempdir.h"
#include "window/qvledgerloom.h"

namespace qvl::qt::test {

using qvl::test::TempDir;
using qvl::test::WriteBytes;

class QtWindowFixture : public ::testing::Test {
 protected:
  // Drive c: and the message boxes first; the window and its view are made
  // by MakeWindow once the test has put its files in place.
  void SetUp() override {
    paths::UnmapAll();
    paths::MapDrive('c', c.path());
  }
  void TearDown() override {
    view.reset();
    window.reset();
    dialogs::SetCurrent(nullptr);
    paths::UnmapAll();
  }
  void MakeWindow(dialogs::Dialogs& boxes) {
    dialogs::SetCurrent(&boxes);
    window = std::make_unique<QvLedgerloom>();
    view = std::make_unique<FormView>(*window);
  }

  template <class T>
  T* WidgetOf(const char* name) {
    auto* widget = qobject_cast<T*>(view->Widget(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }

  TempDir c;
  std::unique_ptr<QvLedgerloom> window;
  std::unique_ptr<FormView> view;
};

}  // namespace qvl::qt::test
