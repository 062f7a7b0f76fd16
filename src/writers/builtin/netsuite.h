#pragma once
// "NetSuite": a heading line and one comma line per ledger line (or
// summarized line) in eight columns; on request the account is split at the
// delimiter into the account and a location code, which the locations table
// read at the start of the run turns into a location name.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qvl {

class FinPacCatalog;
class QvLedgerloom;

void RegisterNetSuiteWriter(FinPacCatalog& catalog);

// Location codes and names, in the order the locations file gives them.
using NetLocTable = std::vector<std::pair<std::string, std::string>>;

// Asks for the locations file in the input folder and reads its pairs into
// the run's table. False, with the operator told which file, when the file
// cannot be read.
bool InitNetLocArray(QvLedgerloom& window);

// The name the table gives the code, or the code itself when the table has
// none; codes are compared without surrounding blanks, case counting. An
// entry with an empty code ends the table.
std::string NetLocation(const NetLocTable& table, std::string_view code);

// One line for the record (or summarized entry) in curRec.
void NetSuite(QvLedgerloom& window);

}  // namespace qvl
