#pragma once
// "NuVision": the journal is a workbook of one row per ledger line whose GL
// code (account characters 7 to 12) the operator's mapping file knows. The
// regular journal ("Regular") puts bank lines first and adds a reversing row
// for the accrued-payroll accounts; the accrual journal ("Accrual") takes up
// to two accounts per GL code from its mapping file. The regular run writes
// readable audit texts to the audit trail; the accrual run leaves it empty.
#include <string>
#include <vector>

namespace qvl {

class FinPacCatalog;
class QvLedgerloom;

void RegisterNuVisionWriter(FinPacCatalog& catalog);

// One entry of a mapping file; `Account` only in the accrual mapping file.
struct GLMapEntry {
  std::string Code;
  std::string Description;
  std::string Account;
};

// The description of the regular journal's GL code: the first entry whose
// code equals the GL code without its surrounding blanks. A GL code of blanks
// alone, with no entry of an empty code, has an empty description (the
// mapping has no end, so there is always an unfilled entry to match);
// nullptr for any other code that no entry has.
const GLMapEntry* RegularMapping(const std::vector<GLMapEntry>& map, const std::string& glCode);
// The accrual rows of a GL code, compared as it stands: the first entry of
// the code, then the first one of the same code with another account.
std::vector<const GLMapEntry*> AccrualMappings(const std::vector<GLMapEntry>& map, const std::string& glCode);

}  // namespace qvl
