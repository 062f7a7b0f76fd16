#pragma once
// The writers that read the comma export into values of their own: "Blackbaud
// v7.60", "BMSI", "Falcon", "Fiserv Freedom FFS", "FTI", "GP Payroll Connect"
// and "Northstar", one file per package. Before a line goes to WriteOutputRec
// the current record holds that line's values (RecordOfLine), so totals,
// audit lines and offsetting entries describe the line written.
#include <string>
#include <string_view>
#include <vector>

namespace qvl {

class FinPacCatalog;
class InputRecord;
class QvLedgerloom;

void RegisterCommaInputWriters(FinPacCatalog& catalog);

// The nine values of an export line as they stand between its commas, the
// last one the rest of the line. A line with fewer raises vb::Error 5.
std::vector<std::string> ExportLineValues(std::string_view line);
// The record of those values: their date, account, debits and credits, every
// other field blank.
InputRecord RecordOfExportLine(const std::vector<std::string>& values);

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
