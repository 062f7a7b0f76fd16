// ledgerloom-scenario SCENARIO_DIR WORK_DIR: runs one end-to-end scenario.
#include <iostream>

#include "scenario/runner.h"

int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::cerr << "usage: ledgerloom-scenario SCENARIO_DIR WORK_DIR\n";
    return 2;
  }
  const int result = qvl::scenario::RunScenario(argv[1], argv[2], std::cout);
  std::cout << (result == 0 ? "PASS " : "FAIL ") << argv[1] << "\n";
  return result;
}
