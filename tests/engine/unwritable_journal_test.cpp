// A journal the disk refuses must end the run with the reason, never with the
// balance result: the operator would otherwise post a file that is not there.
#include <filesystem>

#include "engine/run_driver.h"
#include "run_fixture.h"
#include "writers/builtin/accpac.h"

namespace qvl::test {
namespace {

TEST_F(RunTest, AJournalTheDiskRefusesIsReportedInsteadOfTheBalance) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full on this machine";
  RegisterAccPacWriters(catalog);
  Prepare("AccPac (new)", {Record("5000", "10.00", ".00"), Record("2100", ".00", "10.00")});
  // The journal's name leads to a device on which every write fails as on a
  // full disk.
  std::filesystem::create_symlink("/dev/full", c / "gl" / "123113026.txt");
  Run();
  const auto shown = Shown();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_NE(shown[0].find("Disk full"), std::string::npos) << shown[0];
  EXPECT_EQ(shown[0].find("in Balance"), std::string::npos);
  EXPECT_FALSE(window->run.Ready);
}

}  // namespace
}  // namespace qvl::test
