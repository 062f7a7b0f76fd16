#pragma once
// "PeachTree": a general-journal comma file, each line carrying the number of
// distributions of the whole entry, an optional job code and name split off
// the account, and, for labour lines when overhead applies, two burden lines
// charging the overhead. The input is read whole first, so every line can
// carry the count.
#include <string>
#include <string_view>

namespace qvl {

class FinPacCatalog;
class QvLedgerloom;

void RegisterPeachTreeWriter(FinPacCatalog& catalog);

// The main line (and any burden lines) of the record in curRec.
void PeachTree(QvLedgerloom& window);

// The account text split at the first `delimiter`: the text before it stays
// the account, the text after it is returned. An empty delimiter, or one the
// account does not hold, splits nothing.
std::string SplitOff(std::string& account, std::string_view delimiter);

// Whether `text` ends in the labour indicator (an empty indicator ends every
// text).
bool EndsInIndicator(std::string_view text, std::string_view indicator);

}  // namespace qvl
