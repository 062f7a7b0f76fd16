#pragma once
// The writers that read the comma export into values of their own: "Blackbaud
// v7.60", "BMSI", "Falcon", "Fiserv Freedom FFS", "FTI", "GP Payroll Connect"
// and "Northstar", one file per package. Before a line goes to WriteOutputRec
// the current record holds that line's values (RecordOfLine), so totals,
// audit lines and offsetting entries describe the line written.
#include <string>
#include <vector>

namespace qvl {

class FinPacCatalog;
class QvLedgerloom;

void RegisterCommaInputWriters(FinPacCatalog& catalog);

// A whole input line split at its first eight commas into the nine values of
// the export as they stand (blanks and quotes kept; credits is the rest of
// the line). A line with fewer commas raises a run-time error, which the
// line loops report naming the line.
std::vector<std::string> NineValues(const std::string& line);

void RegisterBlackbaudV760Writer(FinPacCatalog& catalog);
void RegisterBMSIWriter(FinPacCatalog& catalog);
void RegisterFalconWriter(FinPacCatalog& catalog);
void RegisterFiservFFSWriter(FinPacCatalog& catalog);
void RegisterFTIWriter(FinPacCatalog& catalog);
void RegisterGPPayrollConnectWriter(FinPacCatalog& catalog);
void RegisterNorthstarWriter(FinPacCatalog& catalog);

// The offsetting line of the record BalanceJE prepared in curRec.
void BMSI(QvLedgerloom& window);
void Falcon(QvLedgerloom& window);
// Whole-input writers: they read every line of input file 1 themselves.
void Fiserv(QvLedgerloom& window);
void FTI(QvLedgerloom& window);
void GPpayrollConnect(QvLedgerloom& window);
// Reads and writes the whole input (opening the files itself); with
// Balancing set, writes the lines of the offsetting record in curRec.
void Northstar(QvLedgerloom& window);

}  // namespace qvl
