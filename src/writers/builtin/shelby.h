#pragma once
// "Shelby Systems", "Shelby Systems 2" and "Shelby v5": the GLTRN2000 file,
// every value quoted, one line per ledger line (or summarized line), the
// account read as up to four parts separated by blanks and the amount in
// cents.
#include <string>
#include <string_view>

namespace qvl {

class FinPacCatalog;
class QvLedgerloom;

void RegisterShelbyWriters(FinPacCatalog& catalog);

// The line of the record in curRec; Shelby tells its two entries apart by
// the run's package text.
void Shelby(QvLedgerloom& window);
void Shelbyv5(QvLedgerloom& window);

// The account split at blanks: up to three leading parts, each with its
// default where the account has fewer, and the main account filled with "0"
// on the left to nine characters.
struct ShelbyAccount {
  std::string part1 = "001";
  std::string part2 = "000";
  std::string part3 = "000";
  std::string main;
};
ShelbyAccount SplitShelbyAccount(std::string_view account);

// An amount as plain cents: 135.00 is "13500", -543.21 is "-54321".
std::string ShelbyCents(std::string_view amount);

}  // namespace qvl
