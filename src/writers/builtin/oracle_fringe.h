#pragma once
// "Oracle Fringe": a fringe-benefit entry. Each export line (five levels, six
// account segments, hours, debits, credits) is looked up by its six segments
// in the client's mapping workbook ("GL Map.xls" in the input file's folder)
// and written with the six replacement segments of its mapping row, the
// facility code and its amounts times the fringe-benefit rate; one closing
// line carries the total of all written amounts.
#include <string>
#include <vector>

#include "platform/workbook/cell_value.h"

namespace qvl {

class FinPacCatalog;
class QvLedgerloom;

void RegisterOracleFringeWriter(FinPacCatalog& catalog);

// Whether a mapping cell stands for the trimmed segment: a number cell for a
// segment of the same number ("01" and 1), any other cell by its text.
bool SegmentMatches(const workbook::CellValue& cell, const std::string& segment);

// The workbook name the operator's answer gives: trimmed, "GL Map.xls" when
// empty, ".xls" added when the answer holds none.
std::string MappingWorkbookName(const std::string& answer);

}  // namespace qvl
