#pragma once
// "Solomon" and "Solomon v6": a batch line ("Level0") ahead of one
// transaction line ("Level1") per ledger line or summarized line. The input
// is read whole first: the "Solomon" batch line carries the period of the
// first record and the total of all credits.
#include <string>
#include <string_view>

namespace qvl {

class FinPacCatalog;
class QvLedgerloom;

void RegisterSolomonWriters(FinPacCatalog& catalog);

void Solomon(QvLedgerloom& window);
void SolomonV6(QvLedgerloom& window);

// The account split at the first `separator`: the text before it and the
// text after it, each without blanks around; the whole account and an empty
// subaccount where it has none.
struct SolomonAccount {
  std::string main;
  std::string sub;
};
SolomonAccount SplitSolomonAccount(std::string_view account, char separator);

}  // namespace qvl
