#pragma once
// Writers that read the whole input themselves or run over it in passes of
// their own: "ClubSelect" (account segments and a fiscal month), "CMS" (";"
// records), "Intuit Fundware" (a fund table, inter-fund lines and the
// workers' compensation file), "MAS90 v3.2", "MAS90 v4.2" and "MAS90 v4.3",
// and "MIP" (inter-fund triplets, fixed or comma input). One file per family.
#include <string>
#include <string_view>

#include "platform/vb/currency.h"

namespace qvl {

class FinPacCatalog;
class QvLedgerloom;

void RegisterWholeFileWriters(FinPacCatalog& catalog);

void RegisterClubSelectWriter(FinPacCatalog& catalog);
void RegisterCMSWriter(FinPacCatalog& catalog);
void RegisterIntuitWriter(FinPacCatalog& catalog);
void RegisterMas90V32V42V43Writers(FinPacCatalog& catalog);
void RegisterMIPWriter(FinPacCatalog& catalog);

// The writers. The whole-file ones read the input themselves; with Balancing
// set each writes the offsetting record in curRec instead.
void ClubSelect(QvLedgerloom& window);
void CMS(QvLedgerloom& window);
void Intuit(QvLedgerloom& window);  // one record; its lines go straight to the journal
void MAS90v32(QvLedgerloom& window);
void MAS90v42(QvLedgerloom& window);
void MAS90v43(QvLedgerloom& window);
void MIP(QvLedgerloom& window);

// --- Field rules of the packages' own, for their tests. ---

// "ClubSelect": the trimmed account's blank-separated segments, right-aligned
// into four (segment 4 is always the last). Throws vb::Error for an account
// of more than four segments, which the layout cannot hold.
struct ClubSegments {
  std::string s1, s2, s3, s4;
  friend bool operator==(const ClubSegments&, const ClubSegments&) = default;
};
ClubSegments ClubSelectSegments(std::string_view account);
// The fiscal period of a period-end month (1 to 12): November is period 1.
int ClubSelectFiscalPeriod(int month);

// "Intuit Fundware": an amount as its absolute value in ".00" followed by
// "+" (0 or more) or "-".
std::string IntuitSignedAmount(vb::Currency amount);
// The fund (1 to 99) named by the first two characters of a trimmed account
// or a workers' compensation code; 0 when they are no fund number.
int IntuitFund(std::string_view text);

// "MAS90 v3.2": the account cut to the length, without "-", filled with "0".
std::string Mas90V32Account(std::string_view account, std::size_t length);
// The account-length prompt's answer as a length, or 0 when it must be asked
// again (no number, or one outside 9 to 15 once rounded half to even).
int Mas90V32Length(std::string_view answer);
// "MAS90 v4.3": the account without ".", "-", and, when still longer than 9,
// without blanks and cut to its last 9 characters.
std::string Mas90V43Account(std::string_view account);

}  // namespace qvl
