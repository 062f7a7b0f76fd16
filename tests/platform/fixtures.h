#pragma once
// Shared by the platform tests: drive c: mapped to a fresh temporary folder,
// and the runtime error number a statement raises.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/paths/paths.h"
#include "platform/vb/error.h"
#include "support/tempdir.h"

namespace qvl::test {

// 0 when the statement raises no error.
template <class F>
int ErrorNumber(F&& f) {
  try {
    f();
  } catch (const vb::Error& e) {
    return e.number();
  }
  return 0;
}

class DriveCTest : public ::testing::Test {
 protected:
  void SetUp() override {
    paths::UnmapAll();
    paths::MapDrive('c', dir_.path());
  }
  void TearDown() override { paths::ResetDefaultDrives(); }
  std::filesystem::path Host(const std::string& name) const { return dir_.path() / name; }

  TempDir dir_;
};

}  // namespace qvl::test
