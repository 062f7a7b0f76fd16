#pragma once
// Runs one scenario folder against the real main window: copies its files
// into the work folder, performs scenario.txt's actions as an operator
// would, writes transcript.txt of every box shown, and compares every file
// under expected/ byte for byte, except that expected/PATH.cells is the table
// of the cells of the workbook PATH (expected/c/gl/SC_1_Nov3026.xls.cells for
// c/gl/SC_1_Nov3026.xls), compared cell by cell (its form: cell_table.h).
#include <filesystem>
#include <ostream>

namespace qvl::scenario {

// 0 when every action ran and every expected file matches; 1 on a failed
// action or any difference; 2 when the scenario cannot be read. Findings go
// to `report`.
int RunScenario(const std::filesystem::path& scenarioDir, const std::filesystem::path& workDir,
                std::ostream& report);

}  // namespace qvl::scenario
