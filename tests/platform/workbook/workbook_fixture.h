#pragma once
// Shared by the workbook tests: drive c: mapped to a fresh temporary folder,
// and running the independent readers (python3-xlrd, LibreOffice) as
// programs.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>
#include <sys/wait.h>

#include "platform/paths/paths.h"
#include "platform/vb/error.h"
#include "support/tempdir.h"

namespace qvl::workbook::testing {

class DriveCTest : public ::testing::Test {
 protected:
  void SetUp() override { paths::MapDrive('c', dir_.path()); }
  void TearDown() override { paths::ResetDefaultDrives(); }
  std::filesystem::path Host(const std::string& name) const { return dir_.path() / name; }

  test::TempDir dir_;
};

struct CommandResult {
  int status = -1;
  std::string output;
};

// Runs a shell command, collecting what it prints on standard output.
inline CommandResult Run(const std::string& command) {
  CommandResult result;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return result;
  std::array<char, 4096> buffer;
  std::size_t n;
  while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) result.output.append(buffer.data(), n);
  int status = ::pclose(pipe);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

inline std::string Quote(const std::filesystem::path& p) {
  std::string out = "'";
  for (char c : p.string()) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

// The vb::Error number a statement raises; 0 when it raises none.
template <class F>
int ErrorNumber(F&& f) {
  try {
    f();
  } catch (const vb::Error& e) {
    return e.number();
  }
  return 0;
}

}  // namespace qvl::workbook::testing
